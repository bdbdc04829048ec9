#include "platform/exceptions.h"

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

EFCreateError::EFCreateError(std::string_view path)
    : EStreamError(FormatMessage("Cannot create file %s", {path})) {}

EFOpenError::EFOpenError(std::string_view path)
    : EStreamError(FormatMessage("Cannot open file %s", {path})) {}

EWriteError::EWriteError() : EStreamError("Stream write error") {}

EReadError::EReadError() : EStreamError("Stream read error") {}
