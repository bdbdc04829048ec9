#include "app/text_file.h"

#include <fcntl.h>
#include <unistd.h>

#include "platform/exceptions.h"

namespace {

// Owns an open file descriptor.
class TFileHandle {
public:
  explicit TFileHandle(const std::string& path) : fd_(::open(path.c_str(), O_RDONLY | O_CLOEXEC)) {}
  ~TFileHandle() {
    if (fd_ >= 0) ::close(fd_);
  }
  TFileHandle(const TFileHandle&) = delete;
  TFileHandle& operator=(const TFileHandle&) = delete;

  bool IsOpen() const { return fd_ >= 0; }
  int Descriptor() const { return fd_; }

private:
  int fd_;
};

void ThrowTooLarge() { throw EOutOfResources("Text exceeds memo capacity"); }

// Reads up to the first NUL byte, never holding more than the capacity allows.
std::string ReadUpToNul(const std::string& path, std::size_t capacity) {
  const TFileHandle file(path);
  if (!file.IsOpen()) throw EFOpenError(path);
  std::string text;
  char chunk[1 << 16];
  for (;;) {
    const ssize_t count = ::read(file.Descriptor(), chunk, sizeof chunk);
    if (count < 0) throw EFOpenError(path);  // a folder, or a device that fails
    if (count == 0) return text;
    const std::string_view read(chunk, static_cast<std::size_t>(count));
    const std::string_view kept = read.substr(0, read.find('\0'));
    if (text.size() + kept.size() > capacity) ThrowTooLarge();
    text += kept;
    if (kept.size() != read.size()) return text;
  }
}

}  // namespace

std::string NormaliseLineBreaks(std::string_view text) {
  std::string out;
  out.reserve(text.size() + text.size() / 16);
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c != '\r' && c != '\n') {
      out += c;
      continue;
    }
    if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    out += "\r\n";
  }
  return out;
}

std::string TargetFolderOf(std::string_view path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string_view::npos) return "/";
  // The last separator goes, unless it is the root's or doubles the one before it.
  const bool keep = slash == 0 || path[slash - 1] == '/';
  return std::string(path.substr(0, keep ? slash + 1 : slash)) + "/";
}

std::string_view FileNamePart(std::string_view path) {
  const std::size_t slash = path.rfind('/');
  return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

std::string ReadTextFile(const std::string& path, std::size_t capacity) {
  std::string text = NormaliseLineBreaks(ReadUpToNul(path, capacity));
  if (text.size() > capacity) ThrowTooLarge();
  return text;
}
