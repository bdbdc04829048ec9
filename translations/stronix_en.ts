<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
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
    <message>
        <source>małe pliki</source>
        <translation>small files</translation>
    </message>
    <message>
        <source>skład książkowy</source>
        <translation>book layout</translation>
    </message>
    <message>
        <source>ekran konsoli</source>
        <translation>console screen</translation>
    </message>
    <message>
        <source>Ostatnie ▾</source>
        <translation>Recent ▾</translation>
    </message>
    <message>
        <source>Podgląd</source>
        <translation>Preview</translation>
    </message>
    <message>
        <source>Otwórz folder</source>
        <translation>Open folder</translation>
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
        <source>; nie udało się odczytać %n ilustracji</source>
        <translation>
            <numerusform>; %n picture could not be read</numerusform>
            <numerusform>; %n pictures could not be read</numerusform>
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
    <message>
        <source>Kodowanie, w którym czytana jest książka</source>
        <translation>The encoding the book is read in</translation>
    </message>
    <message>
        <source>(brak)</source>
        <translation>(none)</translation>
    </message>
</context>
<context>
    <name>TPreviewWindow</name>
    <message>
        <source>Podgląd</source>
        <translation>Preview</translation>
    </message>
    <message>
        <source>Strona</source>
        <translation>Page</translation>
    </message>
    <message>
        <source>Powiększenie</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>z %1</source>
        <translation>of %1</translation>
    </message>
</context>
<context>
    <name>TQtDialogs</name>
    <message>
        <source>Książki (*.txt *.epub *.fb2 *.fb2.zip *.html *.htm);;Wszystkie pliki (*)</source>
        <translation>Books (*.txt *.epub *.fb2 *.fb2.zip *.html *.htm);;All files (*)</translation>
    </message>
    <message>
        <source>W folderze %1 są strony innej książki: %2. Zastąpić je?</source>
        <translation>The folder %1 holds the pages of another book: %2. Replace them?</translation>
    </message>
    <message>
        <source>Zastąp</source>
        <translation>Replace</translation>
    </message>
    <message>
        <source>Osobny folder</source>
        <translation>Separate folder</translation>
    </message>
    <message>
        <source>Anuluj</source>
        <translation>Cancel</translation>
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

1. Wczytać książkę przyciskiem &quot;Załaduj TXT&quot;: plik txt
   (Windows-1250 i inne, UTF-8, UTF-16), epub, fb2,
   fb2.zip lub html. Katalog docelowy staje się
   katalogiem książki. Książkę można też upuścić
   na okno; &quot;Ostatnie ▾&quot; (albo prawy przycisk myszy
   na &quot;Załaduj TXT&quot;) wczytuje jedną z ostatnich
   dziesięciu. Pod &quot;abcDEF&quot; widać kodowanie książki:
   UTF-8 albo strona kodowa pisma (Windows-1250);
   pismo wybrane w oknie &quot;Font&quot; obowiązuje dla
   następnej wczytanej książki.
2. Ustawić żądane parametry czcionki (&quot;Font&quot;), kolor tła
   (&quot;Tło&quot;) albo wybrać zestaw &quot;1&quot;, &quot;2&quot;, &quot;3&quot; lub &quot;4&quot;.
3. Wybrać, dokąd trafią strony: &quot;…&quot; wybiera inny
   katalog, &quot;Na kartę&quot; (gdy podłączona jest jedna karta
   pamięci z folderem PSP/PHOTO) zapisuje je wprost
   na kartę, do folderu psp\photo\nazwa_katalogu.
4. Zaznaczyć, co potrzeba:
   &quot;usuwaj puste linie przy generowaniu&quot; - kilka pustych
   linii z rzędu staje się jedną;
   &quot;małe pliki&quot; - paleta każdej strony ma tylko użyte
   na niej kolory: te same obrazy, mniejsze pliki;
   &quot;rozdział od nowej strony&quot; - każdy rozdział książki
   EPUB, FB2 lub HTML zaczyna się na nowej stronie;
   &quot;skład książkowy&quot; - strony jak w czytniku: marginesy,
   wyrównane i dzielone linie, spis treści; zaznacza się
   samo przy książce EPUB, FB2 lub HTML;
   pole &quot;ekran konsoli&quot; obok - ekran: 480x272 albo
   960x544 dla większej konsoli;
   &quot;czas plików w kolejności stron&quot; - przeglądarka, która
   sortuje według daty, pokaże strony po kolei;
   &quot;dziel na foldery po … stron&quot; - duża książka trafia
   do kilku folderów: &quot;Nazwa 01&quot;, &quot;Nazwa 02&quot;, ...
5. Wcisnąć przycisk &quot;Generuj&quot; (czynny, gdy książka jest
   wczytana). &quot;Przerwij&quot; albo klawisz Esc zatrzymuje
   pracę; stare strony zostają wtedy bez zmian.
   Pod książką widać, ile stron i dokąd zapisano;
   &quot;Otwórz folder&quot; pokazuje je w menedżerze plików.
   Gdy w katalogu są strony innej książki, program
   pyta: &quot;Zastąp&quot;, &quot;Osobny folder&quot; (folder o nazwie
   książki obok) albo &quot;Anuluj&quot;.
6. Jeżeli strony nie trafiły wprost na kartę, skopiować
   utworzone pliki GIF na kartę pamięci do folderu
   psp\photo\nazwa_katalogu.
7. Czytać książkę przy pomocy przeglądarki zdjęć
   w konsoli.

&quot;Podgląd&quot; pokazuje strony dokładnie takie, jakie
zapisze &quot;Generuj&quot; (PgUp/PgDn, strzałki, Home, End).
Ustawienia zostają zapamiętane do następnego razu.
&quot;Wyjdź&quot; kończy program, &quot;Help&quot; pokazuje tę pomoc.</source>
        <translation>To use the program, prepare a book as a plain-text
file (txt), EPUB, FB2 or HTML.
Remember, of course, not to infringe the book&apos;s
copyright.

1. Load the book with &quot;Load book&quot;: a txt file
   (Windows-1250 and others, UTF-8, UTF-16), epub, fb2,
   fb2.zip or html. The target folder becomes the
   book&apos;s folder. A book may also be dropped on the
   window; &quot;Recent ▾&quot; (or the right mouse button on
   &quot;Load book&quot;) loads one of the last ten. Below
   &quot;abcDEF&quot; shows the book&apos;s encoding: UTF-8 or the
   script&apos;s code page (Windows-1250); a script chosen
   in &quot;Font&quot; holds for the next book loaded.
2. Set the font as you wish (&quot;Font&quot;), the background
   (&quot;Bg&quot;) or pick the set &quot;1&quot;, &quot;2&quot;, &quot;3&quot; or &quot;4&quot;.
3. Choose where the pages go: &quot;…&quot; chooses another
   folder; &quot;To card&quot; (when exactly one memory card with
   a PSP/PHOTO folder is mounted) writes them straight
   to the card, into psp\photo\folder_name.
4. Tick what you need:
   &quot;drop blank lines when generating&quot; - several blank
   lines in a row become one;
   &quot;small files&quot; - each page&apos;s colour table holds only
   the colours it uses: the same pictures, smaller files;
   &quot;chapter on a new page&quot; - each chapter of an EPUB,
   FB2 or HTML book starts on a new page;
   &quot;book layout&quot; - pages as an e-reader sets them:
   margins, justified and hyphenated lines, contents;
   ticked by itself for an EPUB, FB2 or HTML book;
   &quot;console screen&quot; beside it - the screen: 480x272,
   or 960x544 for the larger console;
   &quot;file times in page order&quot; - a viewer that sorts by
   date shows the pages in order;
   &quot;split into folders of … pages&quot; - a big book goes
   into several folders: &quot;Name 01&quot;, &quot;Name 02&quot;, ...
5. Press &quot;Generate&quot; (enabled once a book is loaded).
   &quot;Stop&quot; or the Esc key stops the run; the folder&apos;s old
   pages are then left as they were. The line below the
   book says how many pages went where; &quot;Open folder&quot;
   shows them in the file manager. When the folder
   holds another book&apos;s pages you are asked: &quot;Replace&quot;,
   &quot;Separate folder&quot; (a folder of the book&apos;s name
   beside them) or &quot;Cancel&quot;.
6. If the pages did not go straight to the card, copy
   the GIF files to the memory card, into the folder
   psp\photo\folder_name.
7. Read the book with the console&apos;s photo viewer.

&quot;Preview&quot; shows the pages exactly as &quot;Generate&quot; writes
them (PgUp/PgDn, arrows, Home, End).
The settings are kept for the next time.
&quot;Exit&quot; ends the program; &quot;Help&quot; shows this help.</translation>
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
        <source>%n pictures could not be read</source>
        <translation>
            <numerusform>%n picture could not be read</numerusform>
            <numerusform>%n pictures could not be read</numerusform>
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
        <source>warning: no font &quot;%1&quot;; using &quot;%2&quot;</source>
        <translation>warning: no font &quot;%1&quot;; using &quot;%2&quot;</translation>
    </message>
    <message>
        <source>cannot write the output</source>
        <translation>cannot write the output</translation>
    </message>
    <message>
        <source>Try &apos;stronix-cli --help&apos;.</source>
        <translation>Try &apos;stronix-cli --help&apos;.</translation>
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
        <source>pages prints the pages convert --layout book with the same options would write: as JSON with
--json (every line&apos;s text, place, width and face), else as text. The book layout (--layout book)
sets the book in a page frame: margins (--margin PX, default 12), justified (--no-justify)
and hyphenated lines (--no-hyphenate; --lang CODE for a book that names no language), a
footer with the chapter and page / total (--no-footer) and a contents page (--no-contents).
--screen WxH sets it for another screen (960x544 for the larger console, any side from 64 to
4096; margins and type grow with the page). --portrait[=left|right] typesets tall
pages and turns each GIF for a console held sideways, turned right (clockwise) unless told.
A book&apos;s pictures stand between paragraphs or on a page of their own, the cover on the title
page; --no-pictures leaves them out. A page with a picture gets a palette of its own
(--picture-colors N, 2 to 256, default 256; --picture-dither METHOD, default floyd-steinberg).
</source>
        <translation>pages prints the pages convert --layout book with the same options would write: as JSON with
--json (every line&apos;s text, place, width and face), else as text. The book layout (--layout book)
sets the book in a page frame: margins (--margin PX, default 12), justified (--no-justify)
and hyphenated lines (--no-hyphenate; --lang CODE for a book that names no language), a
footer with the chapter and page / total (--no-footer) and a contents page (--no-contents).
--screen WxH sets it for another screen (960x544 for the larger console, any side from 64 to
4096; margins and type grow with the page). --portrait[=left|right] typesets tall
pages and turns each GIF for a console held sideways, turned right (clockwise) unless told.
A book&apos;s pictures stand between paragraphs or on a page of their own, the cover on the title
page; --no-pictures leaves them out. A page with a picture gets a palette of its own
(--picture-colors N, 2 to 256, default 256; --picture-dither METHOD, default floyd-steinberg).
</translation>
    </message>
    <message>
        <source>lines prints the lines the pages hold, as UTF-8 (--raw: the book&apos;s own bytes).
</source>
        <translation>lines prints the lines the pages hold, as UTF-8 (--raw: the book&apos;s own bytes).
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
    <message>
        <source>The default look is Times New Roman, 12 pt (16 pixels), black on white; --colors picks
set 1 white on black, 2 black on white, 3 green on black, 4 bright green on black, and
--text-color and --background then override it. --script auto reads a book that is
valid UTF-8 (or UTF-16) as UTF-8, any other as Windows-1250 (central-european). Scripts:
western, central-european, cyrillic, greek, turkish, hebrew, arabic, baltic, vietnamese,
thai, utf-8. Runs of blank lines are squeezed to one unless --keep-blank-lines is given.
Books are plain text, EPUB, FB2 (also zipped) or HTML; --chapter-pages starts each chapter
on a new page (and a form feed line of a text book). An EPUB&apos;s items outside its reading
order (linear=&quot;no&quot;: translations, notes) are left out unless --all-items is given. BOOK -
reads standard input (convert - needs -o or --to-card).
</source>
        <translation>The default look is Times New Roman, 12 pt (16 pixels), black on white; --colors picks
set 1 white on black, 2 black on white, 3 green on black, 4 bright green on black, and
--text-color and --background then override it. --script auto reads a book that is
valid UTF-8 (or UTF-16) as UTF-8, any other as Windows-1250 (central-european). Scripts:
western, central-european, cyrillic, greek, turkish, hebrew, arabic, baltic, vietnamese,
thai, utf-8. Runs of blank lines are squeezed to one unless --keep-blank-lines is given.
Books are plain text, EPUB, FB2 (also zipped) or HTML; --chapter-pages starts each chapter
on a new page (and a form feed line of a text book). An EPUB&apos;s items outside its reading
order (linear=&quot;no&quot;: translations, notes) are left out unless --all-items is given. BOOK -
reads standard input (convert - needs -o or --to-card).
</translation>
    </message>
    <message>
        <source>convert writes the title page 0000.gif and the pages 0001.gif, 0002.gif, ... of 480 x 272
pixels into DIR (default: the book&apos;s folder; made when missing). Several books go each into
a folder of its own, DIR/NAME/. --to-card writes into PSP/PHOTO/NAME/ on the mounted memory
card. The pages replace the book in the folder all at once, and pages of an older, longer
book go. Their times ascend in page order, 2 s apart, for viewers that sort by date, unless
--no-page-times is given. --pages-per-folder K (10 or more) splits the book into sibling
folders &quot;NAME 01&quot;, &quot;NAME 02&quot;, ... of K pages. --jobs N makes pages on N cores (default: all).
--compact gives each page a colour table of only the colours it uses: the same pictures
in smaller files.
</source>
        <translation>convert writes the title page 0000.gif and the pages 0001.gif, 0002.gif, ... of 480 x 272
pixels into DIR (default: the book&apos;s folder; made when missing). Several books go each into
a folder of its own, DIR/NAME/. --to-card writes into PSP/PHOTO/NAME/ on the mounted memory
card. The pages replace the book in the folder all at once, and pages of an older, longer
book go. Their times ascend in page order, 2 s apart, for viewers that sort by date, unless
--no-page-times is given. --pages-per-folder K (10 or more) splits the book into sibling
folders &quot;NAME 01&quot;, &quot;NAME 02&quot;, ... of K pages. --jobs N makes pages on N cores (default: all).
--compact gives each page a colour table of only the colours it uses: the same pictures
in smaller files.
</translation>
    </message>
    <message numerus="yes">
        <source>%1: the text ends at a NUL byte; %n bytes after it were left out</source>
        <translation>
            <numerusform>%1: the text ends at a NUL byte; %n byte after it was left out</numerusform>
            <numerusform>%1: the text ends at a NUL byte; %n bytes after it were left out</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>not converted: %1; the other %n book(s) complete</source>
        <translation>
            <numerusform>not converted: %1; the other book is complete</numerusform>
            <numerusform>not converted: %1; the other %n books are complete</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 pages/s</source>
        <translation>%1 pages/s</translation>
    </message>
    <message>
        <source>%1 left</source>
        <translation>%1 left</translation>
    </message>
</context>
</TS>
