#pragma once
// The exception classes the GIF writer and the tool raise. Each carries the exact
// message the user sees; `what()` returns it.
#include <exception>
#include <string>
#include <string_view>

class Exception : public std::exception {
public:
  explicit Exception(std::string message) : message_(std::move(message)) {}
  const char* what() const noexcept override { return message_.c_str(); }
  const std::string& Message() const noexcept { return message_; }
  // The system's reason for a failed file operation ("No space left on device"), shown
  // beside the exact message; empty when the system gave none.
  const std::string& Reason() const noexcept { return reason_; }

protected:
  // Takes the reason from an errno value; 0 leaves it empty.
  void SetSystemError(int error);

private:
  std::string message_;
  std::string reason_;
};

// The message followed by ": " and the system's reason when there is one; "Out of memory"
// for a failed allocation.
std::string MessageWithReason(const std::exception& error);

// Formats a message with "%s" placeholders, each replaced by the next argument.
std::string FormatMessage(std::string_view pattern, std::initializer_list<std::string_view> args);

class EInvalidGraphic : public Exception {
  using Exception::Exception;
};
class GIFException : public EInvalidGraphic {
  using EInvalidGraphic::EInvalidGraphic;
};
class EInvalidGraphicOperation : public Exception {
  using Exception::Exception;
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
  EWriteError(std::string message, int systemError);
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
