#include "platform/exceptions.h"

#include <cstring>
#include <new>

std::string FormatMessage(std::string_view pattern, std::initializer_list<std::string_view> args) {
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

EConvertError EConvertError::CannotAssign(std::string_view source, std::string_view target) {
  return EConvertError(FormatMessage("Cannot assign a %s to a %s", {source, target}));
}

void Exception::SetSystemError(int error) { reason_ = error != 0 ? std::strerror(error) : ""; }

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

EWriteError::EWriteError(int systemError) : EWriteError("Stream write error", systemError) {}

EWriteError::EWriteError(std::string message, int systemError) : EStreamError(std::move(message)) {
  SetSystemError(systemError);
}

EFWriteError::EFWriteError(std::string_view path, int systemError)
    : EWriteError(FormatMessage("Cannot write %s", {path}), systemError) {}

EReadError::EReadError() : EStreamError("Stream read error") {}
