// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/text/about_text.h"

#include "app/text/code_page.h"

std::string AboutText() {
  // Written here in UTF-8; the text box holds Windows-1250 bytes, its initial font's code page.
  static const char* const kLines[] = {
      "Autor programu:   Zespół Stronix",
      "           www: stronix.example.org",
      "",
      "Ostatnia wersja:  29 grudnia 2006 godz 00:47",
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
