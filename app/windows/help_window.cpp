// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/windows/help_window.h"

#include <QCoreApplication>
#include <QPlainTextEdit>
#include <QResizeEvent>

#include "app/windows/window_style.h"

namespace {

// One text, so that a translation is free to break its lines where its own words fall.
constexpr char kHelpText[] =
    QT_TRANSLATE_NOOP("pomoc",
                      "Aby użyć programu należy przygotować książkę w postaci\n"
                      "pliku tekstowego (txt), EPUB, FB2 albo HTML.\n"
                      "Oczywiście należy pamiętać aby nie naruszyć praw autorskich\n"
                      "danej książki.\n"
                      "\n"
                      "1. Wczytać książkę przyciskiem \"Załaduj TXT\": plik txt\n"
                      "   (Windows-1250 i inne, UTF-8, UTF-16), epub, fb2,\n"
                      "   fb2.zip lub html. Katalog docelowy staje się\n"
                      "   katalogiem książki. Książkę można też upuścić\n"
                      "   na okno; \"Ostatnie ▾\" (albo prawy przycisk myszy\n"
                      "   na \"Załaduj TXT\") wczytuje jedną z ostatnich\n"
                      "   dziesięciu. Pod \"abcDEF\" widać kodowanie książki:\n"
                      "   UTF-8 albo strona kodowa pisma (Windows-1250);\n"
                      "   pismo wybrane w oknie \"Font\" obowiązuje dla\n"
                      "   następnej wczytanej książki.\n"
                      "2. Ustawić żądane parametry czcionki (\"Font\"), kolor tła\n"
                      "   (\"Tło\") albo wybrać zestaw \"1\", \"2\", \"3\" lub \"4\".\n"
                      "3. Wybrać, dokąd trafią strony: \"…\" wybiera inny\n"
                      "   katalog, \"Na kartę\" (gdy podłączona jest jedna karta\n"
                      "   pamięci z folderem PSP/PHOTO) zapisuje je wprost\n"
                      "   na kartę, do folderu psp\\photo\\nazwa_katalogu.\n"
                      "4. Zaznaczyć, co potrzeba:\n"
                      "   \"usuwaj puste linie przy generowaniu\" - kilka pustych\n"
                      "   linii z rzędu staje się jedną;\n"
                      "   \"małe pliki\" - paleta każdej strony ma tylko użyte\n"
                      "   na niej kolory: te same obrazy, mniejsze pliki;\n"
                      "   \"rozdział od nowej strony\" - każdy rozdział książki\n"
                      "   EPUB, FB2 lub HTML zaczyna się na nowej stronie;\n"
                      "   \"skład książkowy\" - strony jak w czytniku: marginesy,\n"
                      "   wyrównane i dzielone linie, spis treści; zaznacza się\n"
                      "   samo przy książce EPUB, FB2 lub HTML;\n"
                      "   pole \"ekran konsoli\" obok - ekran: 480x272 albo\n"
                      "   960x544 dla większej konsoli;\n"
                      "   \"czas plików w kolejności stron\" - przeglądarka, która\n"
                      "   sortuje według daty, pokaże strony po kolei;\n"
                      "   \"dziel na foldery po … stron\" - duża książka trafia\n"
                      "   do kilku folderów: \"Nazwa 01\", \"Nazwa 02\", ...\n"
                      "5. Wcisnąć przycisk \"Generuj\" (czynny, gdy książka jest\n"
                      "   wczytana). \"Przerwij\" albo klawisz Esc zatrzymuje\n"
                      "   pracę; stare strony zostają wtedy bez zmian.\n"
                      "   Pod książką widać, ile stron i dokąd zapisano;\n"
                      "   \"Otwórz folder\" pokazuje je w menedżerze plików.\n"
                      "   Gdy w katalogu są strony innej książki, program\n"
                      "   pyta: \"Zastąp\", \"Osobny folder\" (folder o nazwie\n"
                      "   książki obok) albo \"Anuluj\".\n"
                      "6. Jeżeli strony nie trafiły wprost na kartę, skopiować\n"
                      "   utworzone pliki GIF na kartę pamięci do folderu\n"
                      "   psp\\photo\\nazwa_katalogu.\n"
                      "7. Czytać książkę przy pomocy przeglądarki zdjęć\n"
                      "   w konsoli.\n"
                      "\n"
                      "\"Podgląd\" pokazuje strony dokładnie takie, jakie\n"
                      "zapisze \"Generuj\" (PgUp/PgDn, strzałki, Home, End).\n"
                      "Ustawienia zostają zapamiętane do następnego razu.\n"
                      "\"Wyjdź\" kończy program, \"Help\" pokazuje tę pomoc.");

}  // namespace

QString HelpText() { return QCoreApplication::translate("pomoc", kHelpText); }

Tpomoc::Tpomoc(QWidget* parent) : QWidget(parent, Qt::Window), memo_(new QPlainTextEdit(this)) {
  setObjectName("pomoc");
  setWindowTitle(QCoreApplication::translate("pomoc", "Pomoc"));
  SetOuterGeometry(this, QRect(356, 142, 414, 314));

  memo_->setObjectName("Memo1");
  memo_->setGeometry(4, 2, 397, 279);
  memo_->setFont(SansSerifFont(13));
  memo_->setReadOnly(true);
  memo_->setPlainText(HelpText());
  // The margins the text box leaves, kept as the window is resized.
  const QRect text = memo_->geometry();
  margins_ = QSize(width() - text.right() - 1, height() - text.bottom() - 1);
}

void Tpomoc::resizeEvent(QResizeEvent* event) {
  memo_->resize(size() - QSize(memo_->x(), memo_->y()) - margins_);
  QWidget::resizeEvent(event);
}
