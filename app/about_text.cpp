#include "app/about_text.h"

std::string AboutText() {
  static const char* const kLines[] = {
      "Autor programu:   Zesp\xF3\xB3 Stronix",
      "           www: stronix.example.org",
      "",
      "Ostatnia wersja:  29 grudnia 2006 godz 00:47",
      "",
      "-----------------------------------",
      "Program s\xB3u\xBFy do przygotowywania ksi\xB9\xBF"
      "ek w celu czytania z u\xBFyciem ",
      "przegl\xB9"
      "darki zdj\xEA\xE6 w konsoli przeno\x9Cnej. Ka\xBF"
      "da strona ksi\xB9\xBFki",
      "staje si\xEA osobnym obrazkiem GIF o wymiarach 480 x 272 punkty.",
      "Wczytaj plik tekstowy, wybierz czcionk\xEA i kolory,",
      "a potem naci\x9Cnij przycisk Generuj.",
      "-----------------------------------",
      "pozdrowienia dla: Ala, Bolek, Czesia, Darek.",
  };
  std::string text;
  for (const char* line : kLines) text.append(line).append("\r\n");
  return text;
}
