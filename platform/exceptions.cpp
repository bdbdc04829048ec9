// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/exceptions.h"

#include <locale.h>

#include <cstring>
#include <new>

std::string TMessage::Text() const {
  std::string out;
  auto next = args.begin();
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    if (pattern[i] == '%' && i + 1 < pattern.size() && pattern[i + 1] == 's' && next != args.end()) {
      out += *next++;
      ++i;
    } else {
      out += pattern[i];
    }
  }
  return out;
}

TMessage FormatMessage(std::string_view pattern, std::initializer_list<std::string_view> args) {
  return {std::string(pattern), std::vector<std::string>(args.begin(), args.end())};
}

EConvertError EConvertError::CannotAssign(std::string_view source, std::string_view target) {
  return EConvertError(FormatMessage("Cannot assign a %s to a %s", {source, target}));
}

std::string SystemReason(int error) {
  // The "C" locale's text, whatever locale the program runs in.
  static const locale_t english = ::newlocale(LC_ALL_MASK, "C", locale_t{});
  return english ? ::strerror_l(error, english) : std::strerror(error);
}

void Exception::SetSystemError(int error) { reason_ = error != 0 ? SystemReason(error) : ""; }

std::string MessageWithReason(const std::exception& error) {
  if (dynamic_cast<const std::bad_alloc*>(&error)) return "Out of memory";
  const auto* own = dynamic_cast<const Exception*>(&error);
  if (!own || own->Reason().empty()) return error.what();
  return own->Message() + ": " + own->Reason();
}

EFCreateError::EFCreateError(std::string_view path, int systemError)
    : EStreamError(FormatMessage("Cannot create file %s", {path})) {
  SetSystemError(systemError);
}

EFOpenError::EFOpenError(std::string_view path, int systemError)
    : EStreamError(FormatMessage("Cannot open file %s", {path})) {
  SetSystemError(systemError);
}

EWriteError::EWriteError(int systemError) : EWriteError(TMessage{"Stream write error", {}}, systemError) {}

EWriteError::EWriteError(TMessage message, int systemError) : EStreamError(std::move(message)) {
  SetSystemError(systemError);
}

EFWriteError::EFWriteError(std::string_view path, int systemError)
    : EWriteError(FormatMessage("Cannot write %s", {path}), systemError) {}

EReadError::EReadError() : EStreamError("Stream read error") {}

EScanLineOutOfRange::EScanLineOutOfRange() : EInvalidGraphicOperation("Scan line index out of range") {}
