// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/text/code_page.h"

#include <QList>
#include <QStringDecoder>
#include <map>
#include <memory>
#include <mutex>

TCodePage::TCodePage(TFontScript script) : script_(script) {
  for (int byte = 0; byte < 128; ++byte) table_[static_cast<std::size_t>(byte)] = static_cast<char16_t>(byte);
  // Decoding byte by byte keeps every byte's character, undefined ones included.
  for (int byte = 0; byte < 256 && SingleByte(); ++byte) {
    QStringDecoder decoder(std::string(CodePageName(script)).c_str());
    const char c = static_cast<char>(byte);
    const QString text = decoder.decode(QByteArrayView(&c, 1));
    table_[static_cast<std::size_t>(byte)] = text.size() == 1 ? text[0].unicode() : u'\uFFFD';
  }
  // The page fonts have no glyph for a tab, and pages are not expanded to tab stops:
  // a tab reads as a space-wide gap (it stays a tab byte, so it is neither blank nor a
  // wrap point).
  table_['\t'] = u' ';
}

QString TCodePage::Decode(std::string_view bytes) const {
  if (!SingleByte())
    return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size())).replace(u'\t', u' ');
  QString text(static_cast<qsizetype>(bytes.size()), Qt::Uninitialized);
  QChar* out = text.data();
  for (const char c : bytes) *out++ = QChar(table_[static_cast<unsigned char>(c)]);
  return text;
}

std::string TCodePage::FromUtf8(std::string_view utf8) const {
  if (!SingleByte()) return std::string(utf8);
  std::string bytes;
  for (const char32_t c : QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())).toUcs4()) {
    char byte = '?';
    for (int b = 0; b < 256; ++b)
      if (table_[static_cast<std::size_t>(b)] == c && b != '\t') byte = static_cast<char>(b);
    bytes += byte;
  }
  return bytes;
}

const TCodePage& CodePageOf(TFontScript script) {
  static std::mutex mutex;
  static std::map<TFontScript, std::unique_ptr<TCodePage>> pages;
  const std::lock_guard lock(mutex);
  auto& page = pages[script];
  if (!page) page = std::make_unique<TCodePage>(script);
  return *page;
}
