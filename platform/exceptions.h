// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The exception classes the GIF writer and the tool raise. Each carries the exact
// message the user sees; `what()` returns it.
#include <exception>
#include <string>
#include <string_view>
#include <vector>

// A message from the fixed table: its pattern, with "%s" where each argument goes, and the
// arguments. Kept apart so that the window and the command line can show the pattern in
// the user's language; the pattern itself is the exact text of the table.
struct TMessage {
  std::string pattern;
  std::vector<std::string> args;

  // The pattern with each "%s" replaced by the next argument.
  std::string Text() const;
  operator std::string() const { return Text(); }
};

class Exception : public std::exception {
public:
  // A message with no arguments.
  explicit Exception(std::string message) : Exception(TMessage{std::move(message), {}}) {}
  explicit Exception(TMessage message) : template_(std::move(message)), message_(template_.Text()) {}
  const char* what() const noexcept override { return message_.c_str(); }
  const std::string& Message() const noexcept { return message_; }
  // The message as its pattern and arguments.
  const TMessage& Template() const noexcept { return template_; }
  // The system's reason for a failed file operation ("No space left on device"), shown
  // beside the exact message; empty when the system gave none. Always the system's English
  // text, whatever the locale, so that the edge can translate it like a message.
  const std::string& Reason() const noexcept { return reason_; }

protected:
  // Takes the reason from an errno value; 0 leaves it empty.
  void SetSystemError(int error);

private:
  TMessage template_;
  std::string message_;
  std::string reason_;
};

// The system's English text for an errno value ("No space left on device").
std::string SystemReason(int error);

// The message followed by ": " and the system's reason when there is one; "Out of memory"
// for a failed allocation.
std::string MessageWithReason(const std::exception& error);

// A message with "%s" placeholders, each standing for the next argument.
TMessage FormatMessage(std::string_view pattern, std::initializer_list<std::string_view> args);

class EInvalidGraphic : public Exception {
  using Exception::Exception;
};
class GIFException : public EInvalidGraphic {
  using EInvalidGraphic::EInvalidGraphic;
};
class EInvalidGraphicOperation : public Exception {
  using Exception::Exception;
};
// "Scan line index out of range": a row outside a bitmap.
class EScanLineOutOfRange : public EInvalidGraphicOperation {
public:
  EScanLineOutOfRange();
};

// "Cannot assign a %s to a %s": source class name, target class name.
class EConvertError : public Exception {
public:
  using Exception::Exception;
  static EConvertError CannotAssign(std::string_view source, std::string_view target);
};

class EStreamError : public Exception {
  using Exception::Exception;
};
// "Cannot create file %s" with the path as given.
class EFCreateError : public EStreamError {
public:
  explicit EFCreateError(std::string_view path, int systemError = 0);
};
// "Cannot open file %s" with the path as given.
class EFOpenError : public EStreamError {
public:
  explicit EFOpenError(std::string_view path, int systemError = 0);
};
// "Stream write error": a sink took fewer bytes than it was given.
class EWriteError : public EStreamError {
public:
  explicit EWriteError(int systemError = 0);

protected:
  EWriteError(TMessage message, int systemError);
};
// "Cannot write %s" with the path as given: a file that took fewer bytes than it was given.
class EFWriteError : public EWriteError {
public:
  EFWriteError(std::string_view path, int systemError);
};
class EReadError : public EStreamError {
public:
  EReadError();
};

class EOutOfMemory : public Exception {
  using Exception::Exception;
};
class EOutOfResources : public Exception {
  using Exception::Exception;
};
