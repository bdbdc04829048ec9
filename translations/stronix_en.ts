<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="en" sourcelanguage="pl_PL">
<context>
    <name>Form1</name>
    <message>
        <source>TRWA PRZETWARZANIE...</source>
        <translation>PROCESSING...</translation>
    </message>
    <message>
        <source>przy generowaniu</source>
        <translation>when generating</translation>
    </message>
    <message>
        <source>Załaduj TXT</source>
        <translation>Load book</translation>
    </message>
    <message>
        <source>Generuj</source>
        <translation>Generate</translation>
    </message>
    <message>
        <source>czcionka</source>
        <translation>font</translation>
    </message>
    <message>
        <source>abcDEF</source>
        <translation>abcDEF</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Font</translation>
    </message>
    <message>
        <source>Tło</source>
        <translation>Bg</translation>
    </message>
    <message>
        <source>Zestawy:</source>
        <translation>Sets:</translation>
    </message>
    <message>
        <source>1</source>
        <translation>1</translation>
    </message>
    <message>
        <source>2</source>
        <translation>2</translation>
    </message>
    <message>
        <source>3</source>
        <translation>3</translation>
    </message>
    <message>
        <source>4</source>
        <translation>4</translation>
    </message>
    <message>
        <source>usuwaj puste linie</source>
        <translation>drop blank lines</translation>
    </message>
    <message>
        <source>Katalog docelowy do składowania plików GIF</source>
        <translation>Target folder for the GIF files</translation>
    </message>
    <message>
        <source>Wyjdź</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Przerwij</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>…</source>
        <translation>…</translation>
    </message>
    <message>
        <source>Na kartę</source>
        <translation>To card</translation>
    </message>
    <message>
        <source>rozdział od nowej strony</source>
        <translation>chapter on a new page</translation>
    </message>
    <message>
        <source>czas plików w kolejności stron</source>
        <translation>file times in page order</translation>
    </message>
    <message>
        <source>dziel na foldery po</source>
        <translation>split into folders of</translation>
    </message>
    <message>
        <source>stron</source>
        <translation>pages</translation>
    </message>
</context>
<context>
    <name>RunReport</name>
    <message>
        <source>Książka nie ma ani jednej linii: nic nie zapisano w %1</source>
        <translation>The book holds no line: nothing was written to %1</translation>
    </message>
    <message numerus="yes">
        <source>Zapisano %n plików GIF w: %1</source>
        <translation>
            <numerusform>Wrote %n GIF file to: %1</numerusform>
            <numerusform>Wrote %n GIF files to: %1</numerusform>
            </translation>
    </message>
    <message numerus="yes">
        <source>; usunięto %n stron poprzedniej książki</source>
        <translation>
            <numerusform>; removed %n page of the earlier book</numerusform>
            <numerusform>; removed %n pages of the earlier book</numerusform>
            </translation>
    </message>
    <message numerus="yes">
        <source>%1 … %2 (%n folderów)</source>
        <translation>
            <numerusform>%1 … %2 (%n folder)</numerusform>
            <numerusform>%1 … %2 (%n folders)</numerusform>
            </translation>
    </message>
</context>
<context>
    <name>TFontDialog</name>
    <message>
        <source>Normalny</source>
        <translation>Regular</translation>
    </message>
    <message>
        <source>Kursywa</source>
        <translation>Italic</translation>
    </message>
    <message>
        <source>Pogrubiony</source>
        <translation>Bold</translation>
    </message>
    <message>
        <source>Pogrubiona kursywa</source>
        <translation>Bold Italic</translation>
    </message>
    <message>
        <source>Czarny</source>
        <translation>Black</translation>
    </message>
    <message>
        <source>Bordowy</source>
        <translation>Maroon</translation>
    </message>
    <message>
        <source>Zielony</source>
        <translation>Green</translation>
    </message>
    <message>
        <source>Oliwkowy</source>
        <translation>Olive</translation>
    </message>
    <message>
        <source>Granatowy</source>
        <translation>Navy</translation>
    </message>
    <message>
        <source>Purpurowy</source>
        <translation>Purple</translation>
    </message>
    <message>
        <source>Zielonomodry</source>
        <translation>Teal</translation>
    </message>
    <message>
        <source>Szary</source>
        <translation>Gray</translation>
    </message>
    <message>
        <source>Srebrny</source>
        <translation>Silver</translation>
    </message>
    <message>
        <source>Czerwony</source>
        <translation>Red</translation>
    </message>
    <message>
        <source>Limonkowy</source>
        <translation>Lime</translation>
    </message>
    <message>
        <source>Żółty</source>
        <translation>Yellow</translation>
    </message>
    <message>
        <source>Niebieski</source>
        <translation>Blue</translation>
    </message>
    <message>
        <source>Fuksja</source>
        <translation>Fuchsia</translation>
    </message>
    <message>
        <source>Akwamaryna</source>
        <translation>Aqua</translation>
    </message>
    <message>
        <source>Biały</source>
        <translation>White</translation>
    </message>
    <message>
        <source>Zachodnioeuropejski</source>
        <translation>Western</translation>
    </message>
    <message>
        <source>Środkowoeuropejski</source>
        <translation>Central European</translation>
    </message>
    <message>
        <source>Cyrylica</source>
        <translation>Cyrillic</translation>
    </message>
    <message>
        <source>Grecki</source>
        <translation>Greek</translation>
    </message>
    <message>
        <source>Turecki</source>
        <translation>Turkish</translation>
    </message>
    <message>
        <source>Hebrajski</source>
        <translation>Hebrew</translation>
    </message>
    <message>
        <source>Arabski</source>
        <translation>Arabic</translation>
    </message>
    <message>
        <source>Bałtycki</source>
        <translation>Baltic</translation>
    </message>
    <message>
        <source>Wietnamski</source>
        <translation>Vietnamese</translation>
    </message>
    <message>
        <source>Tajski</source>
        <translation>Thai</translation>
    </message>
    <message>
        <source>UTF-8</source>
        <translation>UTF-8</translation>
    </message>
    <message>
        <source>Czcionka</source>
        <translation>Font</translation>
    </message>
    <message>
        <source>Przekreślenie</source>
        <translation>Strikeout</translation>
    </message>
    <message>
        <source>Podkreślenie</source>
        <translation>Underline</translation>
    </message>
    <message>
        <source>Czcionka:</source>
        <translation>Font:</translation>
    </message>
    <message>
        <source>Styl czcionki:</source>
        <translation>Font style:</translation>
    </message>
    <message>
        <source>Rozmiar:</source>
        <translation>Size:</translation>
    </message>
    <message>
        <source>Efekty</source>
        <translation>Effects</translation>
    </message>
    <message>
        <source>Kolor:</source>
        <translation>Color:</translation>
    </message>
    <message>
        <source>Przykład</source>
        <translation>Sample</translation>
    </message>
    <message>
        <source>Skrypt:</source>
        <translation>Script:</translation>
    </message>
    <message>
        <source>Anuluj</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Niestandardowy</source>
        <translation>Custom</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>strona %1 z %2</source>
        <translation>page %1 of %2</translation>
    </message>
    <message>
        <source>przerywanie...</source>
        <translation>stopping...</translation>
    </message>
</context>
<context>
    <name>TQtDialogs</name>
    <message>
        <source>Książki (*.txt *.epub *.fb2 *.fb2.zip *.html *.htm);;Wszystkie pliki (*)</source>
        <translation>Books (*.txt *.epub *.fb2 *.fb2.zip *.html *.htm);;All files (*)</translation>
    </message>
</context>
<context>
    <name>pomoc</name>
    <message>
        <source>Pomoc</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Aby użyć programu należy przygotować książkę w postaci
pliku tekstowego (txt), EPUB, FB2 albo HTML.
Oczywiście należy pamiętać aby nie naruszyć praw autorskich
danej książki.

1. Wczytać książkę przyciskiem "Załaduj TXT": plik txt
   (Windows-1250 i inne, UTF-8, UTF-16), epub, fb2,
   fb2.zip lub html. Katalog docelowy staje się
   katalogiem książki.
2. Ustawić żądane parametry czcionki ("Font"), kolor tła
   ("Tło") albo wybrać zestaw "1", "2", "3" lub "4".
3. Wybrać, dokąd trafią strony: "…" wybiera inny
   katalog, "Na kartę" (gdy podłączona jest jedna karta
   pamięci z folderem PSP/PHOTO) zapisuje je wprost
   na kartę, do folderu psp\photo\nazwa_katalogu.
4. Zaznaczyć, co potrzeba:
   "usuwaj puste linie przy generowaniu" - kilka pustych
   linii z rzędu staje się jedną;
   "rozdział od nowej strony" - każdy rozdział książki
   EPUB, FB2 lub HTML zaczyna się na nowej stronie;
   "czas plików w kolejności stron" - przeglądarka, która
   sortuje według daty, pokaże strony po kolei;
   "dziel na foldery po … stron" - duża książka trafia
   do kilku folderów: "Nazwa 01", "Nazwa 02", ...
5. Wcisnąć przycisk "Generuj" (czynny, gdy książka jest
   wczytana). "Przerwij" albo klawisz Esc zatrzymuje
   pracę; stare strony zostają wtedy bez zmian.
   Pod książką widać, ile stron i dokąd zapisano.
6. Jeżeli strony nie trafiły wprost na kartę, skopiować
   utworzone pliki GIF na kartę pamięci do folderu
   psp\photo\nazwa_katalogu.
7. Czytać książkę przy pomocy przeglądarki zdjęć
   w konsoli.

"Wyjdź" kończy program, "Help" pokazuje tę pomoc.</source>
        <translation>To use the program, prepare a book as a plain-text
file (txt), EPUB, FB2 or HTML.
Remember, of course, not to infringe the book's
copyright.

1. Load the book with "Load book": a txt file
   (Windows-1250 and others, UTF-8, UTF-16), epub, fb2,
   fb2.zip or html. The target folder becomes the
   book's folder.
2. Set the font as you wish ("Font"), the background
   ("Bg") or pick the set "1", "2", "3" or "4".
3. Choose where the pages go: "…" chooses another
   folder; "To card" (when exactly one memory card with
   a PSP/PHOTO folder is mounted) writes them straight
   to the card, into psp\photo\folder_name.
4. Tick what you need:
   "drop blank lines when generating" - several blank
   lines in a row become one;
   "chapter on a new page" - each chapter of an EPUB,
   FB2 or HTML book starts on a new page;
   "file times in page order" - a viewer that sorts by
   date shows the pages in order;
   "split into folders of … pages" - a big book goes
   into several folders: "Name 01", "Name 02", ...
5. Press "Generate" (enabled once a book is loaded).
   "Stop" or the Esc key stops the run; the folder's old
   pages are then left as they were. The line below the
   book says how many pages went where.
6. If the pages did not go straight to the card, copy
   the GIF files to the memory card, into the folder
   psp\photo\folder_name.
7. Read the book with the console's photo viewer.

"Exit" ends the program; "Help" shows this help.</translation>
    </message>
</context>
<context>
    <name>stronix-cli</name>
    <message>
        <source>gotowe...</source>
        <translation>done...</translation>
    </message>
    <message>
        <source>The book holds no line: nothing was written to %1</source>
        <translation>The book holds no line: nothing was written to %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 ... %2 (%n folders)</source>
        <translation>
            <numerusform>%1 ... %2 (%n folder)</numerusform>
            <numerusform>%1 ... %2 (%n folders)</numerusform>
            </translation>
    </message>
    <message numerus="yes">
        <source>Wrote %n files to %1: the title page 0000.gif and pages 0001.gif to %2.gif</source>
        <translation>
            <numerusform>Wrote %n file to %1: the title page 0000.gif and pages 0001.gif to %2.gif</numerusform>
            <numerusform>Wrote %n files to %1: the title page 0000.gif and pages 0001.gif to %2.gif</numerusform>
            </translation>
    </message>
    <message numerus="yes">
        <source>; removed %n pages of the earlier book</source>
        <translation>
            <numerusform>; removed %n page of the earlier book</numerusform>
            <numerusform>; removed %n pages of the earlier book</numerusform>
            </translation>
    </message>
    <message>
        <source>warning: no font "%1"; using "%2"</source>
        <translation>warning: no font "%1"; using "%2"</translation>
    </message>
    <message>
        <source>cannot write the output</source>
        <translation>cannot write the output</translation>
    </message>
    <message>
        <source>Try 'stronix-cli --help'.</source>
        <translation>Try 'stronix-cli --help'.</translation>
    </message>
    <message>
        <source>pages</source>
        <translation>pages</translation>
    </message>
    <message>
        <source>Usage:</source>
        <translation>Usage:</translation>
    </message>
    <message>
        <source>The default look is Times New Roman, 12 pt (16 pixels), black on white; --colors picks
set 1 white on black, 2 black on white, 3 green on black, 4 bright green on black, and
--text-color and --background then override it. --script auto reads a book that is
valid UTF-8 (or UTF-16) as UTF-8, any other as Windows-1250 (central-european). Scripts:
western, central-european, cyrillic, greek, turkish, hebrew, arabic, baltic, vietnamese,
thai, utf-8. Runs of blank lines are squeezed to one unless --keep-blank-lines is given.
Books are plain text, EPUB, FB2 (also zipped) or HTML; --chapter-pages starts each chapter
on a new page (and a form feed line of a text book).
</source>
        <translation>The default look is Times New Roman, 12 pt (16 pixels), black on white; --colors picks
set 1 white on black, 2 black on white, 3 green on black, 4 bright green on black, and
--text-color and --background then override it. --script auto reads a book that is
valid UTF-8 (or UTF-16) as UTF-8, any other as Windows-1250 (central-european). Scripts:
western, central-european, cyrillic, greek, turkish, hebrew, arabic, baltic, vietnamese,
thai, utf-8. Runs of blank lines are squeezed to one unless --keep-blank-lines is given.
Books are plain text, EPUB, FB2 (also zipped) or HTML; --chapter-pages starts each chapter
on a new page (and a form feed line of a text book).
</translation>
    </message>
    <message>
        <source>convert writes the title page 0000.gif and the pages 0001.gif, 0002.gif, ... of 480 x 272
pixels into DIR (default: the book's folder; made when missing). Several books go each into
a folder of its own, DIR/NAME/. --to-card writes into PSP/PHOTO/NAME/ on the mounted memory
card. The pages replace the book in the folder all at once, and pages of an older, longer
book go. Their times ascend in page order, 2 s apart, for viewers that sort by date, unless
--no-page-times is given. --pages-per-folder K (10 or more) splits the book into sibling
folders "NAME 01", "NAME 02", ... of K pages. --jobs N makes pages on N cores (default: all).
</source>
        <translation>convert writes the title page 0000.gif and the pages 0001.gif, 0002.gif, ... of 480 x 272
pixels into DIR (default: the book's folder; made when missing). Several books go each into
a folder of its own, DIR/NAME/. --to-card writes into PSP/PHOTO/NAME/ on the mounted memory
card. The pages replace the book in the folder all at once, and pages of an older, longer
book go. Their times ascend in page order, 2 s apart, for viewers that sort by date, unless
--no-page-times is given. --pages-per-folder K (10 or more) splits the book into sibling
folders "NAME 01", "NAME 02", ... of K pages. --jobs N makes pages on N cores (default: all).
</translation>
    </message>
    <message>
        <source>lines prints the lines the pages hold, as UTF-8 (--raw: the book's own bytes).
</source>
        <translation>lines prints the lines the pages hold, as UTF-8 (--raw: the book's own bytes).
</translation>
    </message>
    <message>
        <source>encode writes one PNG, BMP or PPM picture as a GIF; by default it is reduced to the
216-colour web cube, mapped to the nearest colour and LZW-compressed. Indexed pictures
keep their own colours.
</source>
        <translation>encode writes one PNG, BMP or PPM picture as a GIF; by default it is reduced to the
216-colour web cube, mapped to the nearest colour and LZW-compressed. Indexed pictures
keep their own colours.
</translation>
    </message>
</context>
</TS>