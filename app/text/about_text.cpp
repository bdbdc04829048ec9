// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/text/about_text.h"

#include "app/text/code_page.h"

std::string ReleaseLine(std::string_view version, std::string_view isoDate) {
  static const char* const kMonths[] = {"stycznia", "lutego",       "marca",     "kwietnia",
                                        "maja",     "czerwca",      "lipca",     "sierpnia",
                                        "września", "października", "listopada", "grudnia"};
  // "YYYY-MM-DD", which the build checks.
  const auto number = [&](std::size_t at, std::size_t digits) {
    int value = 0;
    for (const char digit : isoDate.substr(at, digits)) value = 10 * value + (digit - '0');
    return value;
  };
  return "Ostatnia wersja:  " + std::string(version) + " z " + std::to_string(number(8, 2)) + " " +
         kMonths[number(5, 2) - 1] + " " + std::string(isoDate.substr(0, 4));
}

std::string AboutText() {
  // Written here in UTF-8; the text box holds Windows-1250 bytes, its initial font's code page.
  const std::string release = ReleaseLine(STRONIX_VERSION, STRONIX_RELEASE_DATE);
  const char* const kLines[] = {
      "Autor programu:   Zespół Stronix",
      "           www: stronix.example.org",
      "",
      release.c_str(),
      "",
      "-----------------------------------",
      "Program służy do przygotowywania książek w celu czytania z użyciem ",
      "przeglądarki zdjęć w konsoli przenośnej. Każda strona książki",
      "staje się osobnym obrazkiem GIF o wymiarach 480 x 272 punkty.",
      "Wczytaj plik tekstowy, wybierz czcionkę i kolory,",
      "a potem naciśnij przycisk Generuj.",
      "-----------------------------------",
      "pozdrowienia dla: Ala, Bolek, Czesia, Darek.",
  };
  const TCodePage& codePage = CodePageOf(TFontScript::CentralEuropean);
  std::string text;
  for (const char* line : kLines) text.append(codePage.FromUtf8(line)).append("\r\n");
  return text;
}
