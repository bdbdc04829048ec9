#include "app/windows/help_window.h"

#include <QPlainTextEdit>

#include "app/windows/window_style.h"

namespace {

constexpr const char* kHelpLines[] = {
    "Aby użyć programu należy przygotować książkę w postaci",
    "pliku tekstowego (z rozszerzeniem txt).",
    "Oczywiście należy pamiętać aby nie naruszyć praw autorskich",
    "danej książki.",
    "",
    "1. Utworzyć katalog i skopiować do niego plik txt.",
    "2. Wczytać go do programu przyciskiem \"załaduj txt\".",
    "3. Ustawić żądane parametry czcionki.",
    "4. Wcisnąć przycisk \"Generuj\".",
    "5. Utworzone pliki GIF skopiować na kartę pamięci",
    "   do folderu psp\\photo\\nazwa_katalogu",
    "6. Czytać książkę przy pomocy przeglądarki zdjęć",
    "   w konsoli.",
    "",
    "Jeżeli książka jest duża i wygenerowanych zostanie kilkaset",
    "plików GIF, warto podzielić je na oddzielne foldery.",
};

QString HelpText() {
  QStringList lines;
  for (const char* line : kHelpLines) lines << QString::fromUtf8(line);
  return lines.join(u'\n');
}

}  // namespace

Tpomoc::Tpomoc(QWidget* parent) : QWidget(parent, Qt::Window), memo_(new QPlainTextEdit(this)) {
  setObjectName("pomoc");
  setWindowTitle("Pomoc");
  SetOuterGeometry(this, QRect(356, 142, 414, 314));

  memo_->setObjectName("Memo1");
  memo_->setGeometry(4, 2, 397, 279);
  memo_->setFont(SansSerifFont(13));
  memo_->setReadOnly(true);
  memo_->setPlainText(HelpText());
}
