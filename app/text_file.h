#pragma once
// Loading a book: its bytes, its folder and its name.
#include <cstddef>
#include <string>
#include <string_view>

// The most text the text box takes, in bytes after the line breaks are normalised. It
// keeps a mistaken multi-gigabyte file from exhausting memory; books are a few megabytes.
inline constexpr std::size_t kMaxTextBytes = std::size_t{256} << 20;

// Every CR LF, lone CR and lone LF becomes one CR LF; LF CR is two breaks.
std::string NormaliseLineBreaks(std::string_view text);

// The folder part of a path followed by "/": "/books/dune.txt" gives "/books/". The root's
// separator stays in the folder part, so a file in "/" gives "//", which still names the
// root; a bare name gives "/".
std::string TargetFolderOf(std::string_view path);

// The file-name part of a path: everything after its last "/", extension included.
std::string_view FileNamePart(std::string_view path);

// A file's text as the text box takes it: read whole, cut at the first NUL byte, line
// breaks normalised. EFOpenError "Cannot open file %s" when it cannot be read;
// EOutOfResources "Text exceeds memo capacity" when it holds more than `capacity` bytes.
std::string ReadTextFile(const std::string& path, std::size_t capacity = kMaxTextBytes);
