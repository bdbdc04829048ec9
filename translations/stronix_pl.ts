<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl" sourcelanguage="pl_PL">
<context>
    <name>Form1</name>
    <message>
        <source>TRWA PRZETWARZANIE...</source>
        <translation>TRWA PRZETWARZANIE...</translation>
    </message>
    <message>
        <source>przy generowaniu</source>
        <translation>przy generowaniu</translation>
    </message>
    <message>
        <source>Załaduj TXT</source>
        <translation>Załaduj TXT</translation>
    </message>
    <message>
        <source>Generuj</source>
        <translation>Generuj</translation>
    </message>
    <message>
        <source>czcionka</source>
        <translation>czcionka</translation>
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
        <translation>Tło</translation>
    </message>
    <message>
        <source>Zestawy:</source>
        <translation>Zestawy:</translation>
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
        <translation>usuwaj puste linie</translation>
    </message>
    <message>
        <source>Katalog docelowy do składowania plików GIF</source>
        <translation>Katalog docelowy do składowania plików GIF</translation>
    </message>
    <message>
        <source>Wyjdź</source>
        <translation>Wyjdź</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Przerwij</source>
        <translation>Przerwij</translation>
    </message>
    <message>
        <source>…</source>
        <translation>…</translation>
    </message>
    <message>
        <source>Na kartę</source>
        <translation>Na kartę</translation>
    </message>
    <message>
        <source>rozdział od nowej strony</source>
        <translation>rozdział od nowej strony</translation>
    </message>
    <message>
        <source>czas plików w kolejności stron</source>
        <translation>czas plików w kolejności stron</translation>
    </message>
    <message>
        <source>dziel na foldery po</source>
        <translation>dziel na foldery po</translation>
    </message>
    <message>
        <source>stron</source>
        <translation>stron</translation>
    </message>
    <message>
        <source>małe pliki</source>
        <translation>małe pliki</translation>
    </message>
    <message>
        <source>skład książkowy</source>
        <translation>skład książkowy</translation>
    </message>
    <message>
        <source>ekran konsoli</source>
        <translation>ekran konsoli</translation>
    </message>
    <message>
        <source>Ostatnie ▾</source>
        <translation>Ostatnie ▾</translation>
    </message>
    <message>
        <source>Podgląd</source>
        <translation>Podgląd</translation>
    </message>
    <message>
        <source>Otwórz folder</source>
        <translation>Otwórz folder</translation>
    </message>
</context>
<context>
    <name>RunReport</name>
    <message>
        <source>Książka nie ma ani jednej linii: nic nie zapisano w %1</source>
        <translation>Książka nie ma ani jednej linii: nic nie zapisano w %1</translation>
    </message>
    <message numerus="yes">
        <source>Zapisano %n plików GIF w: %1</source>
        <translation>
            <numerusform>Zapisano %n plik GIF w: %1</numerusform>
            <numerusform>Zapisano %n pliki GIF w: %1</numerusform>
            <numerusform>Zapisano %n plików GIF w: %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>; usunięto %n stron poprzedniej książki</source>
        <translation>
            <numerusform>; usunięto %n stronę poprzedniej książki</numerusform>
            <numerusform>; usunięto %n strony poprzedniej książki</numerusform>
            <numerusform>; usunięto %n stron poprzedniej książki</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>; nie udało się odczytać %n ilustracji</source>
        <translation>
            <numerusform>; nie udało się odczytać %n ilustracji</numerusform>
            <numerusform>; nie udało się odczytać %n ilustracji</numerusform>
            <numerusform>; nie udało się odczytać %n ilustracji</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 … %2 (%n folderów)</source>
        <translation>
            <numerusform>%1 … %2 (%n folder)</numerusform>
            <numerusform>%1 … %2 (%n foldery)</numerusform>
            <numerusform>%1 … %2 (%n folderów)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TFontDialog</name>
    <message>
        <source>Normalny</source>
        <translation>Normalny</translation>
    </message>
    <message>
        <source>Kursywa</source>
        <translation>Kursywa</translation>
    </message>
    <message>
        <source>Pogrubiony</source>
        <translation>Pogrubiony</translation>
    </message>
    <message>
        <source>Pogrubiona kursywa</source>
        <translation>Pogrubiona kursywa</translation>
    </message>
    <message>
        <source>Czarny</source>
        <translation>Czarny</translation>
    </message>
    <message>
        <source>Bordowy</source>
        <translation>Bordowy</translation>
    </message>
    <message>
        <source>Zielony</source>
        <translation>Zielony</translation>
    </message>
    <message>
        <source>Oliwkowy</source>
        <translation>Oliwkowy</translation>
    </message>
    <message>
        <source>Granatowy</source>
        <translation>Granatowy</translation>
    </message>
    <message>
        <source>Purpurowy</source>
        <translation>Purpurowy</translation>
    </message>
    <message>
        <source>Zielonomodry</source>
        <translation>Zielonomodry</translation>
    </message>
    <message>
        <source>Szary</source>
        <translation>Szary</translation>
    </message>
    <message>
        <source>Srebrny</source>
        <translation>Srebrny</translation>
    </message>
    <message>
        <source>Czerwony</source>
        <translation>Czerwony</translation>
    </message>
    <message>
        <source>Limonkowy</source>
        <translation>Limonkowy</translation>
    </message>
    <message>
        <source>Żółty</source>
        <translation>Żółty</translation>
    </message>
    <message>
        <source>Niebieski</source>
        <translation>Niebieski</translation>
    </message>
    <message>
        <source>Fuksja</source>
        <translation>Fuksja</translation>
    </message>
    <message>
        <source>Akwamaryna</source>
        <translation>Akwamaryna</translation>
    </message>
    <message>
        <source>Biały</source>
        <translation>Biały</translation>
    </message>
    <message>
        <source>Zachodnioeuropejski</source>
        <translation>Zachodnioeuropejski</translation>
    </message>
    <message>
        <source>Środkowoeuropejski</source>
        <translation>Środkowoeuropejski</translation>
    </message>
    <message>
        <source>Cyrylica</source>
        <translation>Cyrylica</translation>
    </message>
    <message>
        <source>Grecki</source>
        <translation>Grecki</translation>
    </message>
    <message>
        <source>Turecki</source>
        <translation>Turecki</translation>
    </message>
    <message>
        <source>Hebrajski</source>
        <translation>Hebrajski</translation>
    </message>
    <message>
        <source>Arabski</source>
        <translation>Arabski</translation>
    </message>
    <message>
        <source>Bałtycki</source>
        <translation>Bałtycki</translation>
    </message>
    <message>
        <source>Wietnamski</source>
        <translation>Wietnamski</translation>
    </message>
    <message>
        <source>Tajski</source>
        <translation>Tajski</translation>
    </message>
    <message>
        <source>UTF-8</source>
        <translation>UTF-8</translation>
    </message>
    <message>
        <source>Czcionka</source>
        <translation>Czcionka</translation>
    </message>
    <message>
        <source>Przekreślenie</source>
        <translation>Przekreślenie</translation>
    </message>
    <message>
        <source>Podkreślenie</source>
        <translation>Podkreślenie</translation>
    </message>
    <message>
        <source>Czcionka:</source>
        <translation>Czcionka:</translation>
    </message>
    <message>
        <source>Styl czcionki:</source>
        <translation>Styl czcionki:</translation>
    </message>
    <message>
        <source>Rozmiar:</source>
        <translation>Rozmiar:</translation>
    </message>
    <message>
        <source>Efekty</source>
        <translation>Efekty</translation>
    </message>
    <message>
        <source>Kolor:</source>
        <translation>Kolor:</translation>
    </message>
    <message>
        <source>Przykład</source>
        <translation>Przykład</translation>
    </message>
    <message>
        <source>Skrypt:</source>
        <translation>Skrypt:</translation>
    </message>
    <message>
        <source>Anuluj</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Niestandardowy</source>
        <translation>Niestandardowy</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>strona %1 z %2</source>
        <translation>strona %1 z %2</translation>
    </message>
    <message>
        <source>przerywanie...</source>
        <translation>przerywanie...</translation>
    </message>
    <message>
        <source>Kodowanie, w którym czytana jest książka</source>
        <translation>Kodowanie, w którym czytana jest książka</translation>
    </message>
    <message>
        <source>(brak)</source>
        <translation>(brak)</translation>
    </message>
</context>
<context>
    <name>TPreviewWindow</name>
    <message>
        <source>Podgląd</source>
        <translation>Podgląd</translation>
    </message>
    <message>
        <source>Strona</source>
        <translation>Strona</translation>
    </message>
    <message>
        <source>Powiększenie</source>
        <translation>Powiększenie</translation>
    </message>
    <message>
        <source>z %1</source>
        <translation>z %1</translation>
    </message>
</context>
<context>
    <name>TQtDialogs</name>
    <message>
        <source>Książki (*.txt *.epub *.fb2 *.fb2.zip *.html *.htm);;Wszystkie pliki (*)</source>
        <translation>Książki (*.txt *.epub *.fb2 *.fb2.zip *.html *.htm);;Wszystkie pliki (*)</translation>
    </message>
    <message>
        <source>W folderze %1 są strony innej książki: %2. Zastąpić je?</source>
        <translation>W folderze %1 są strony innej książki: %2. Zastąpić je?</translation>
    </message>
    <message>
        <source>Zastąp</source>
        <translation>Zastąp</translation>
    </message>
    <message>
        <source>Osobny folder</source>
        <translation>Osobny folder</translation>
    </message>
    <message>
        <source>Anuluj</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>pomoc</name>
    <message>
        <source>Pomoc</source>
        <translation>Pomoc</translation>
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
        <translation>Aby użyć programu należy przygotować książkę w postaci
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
&quot;Wyjdź&quot; kończy program, &quot;Help&quot; pokazuje tę pomoc.</translation>
    </message>
</context>
<context>
    <name>stronix-cli</name>
    <message>
        <source>gotowe...</source>
        <translation>gotowe...</translation>
    </message>
    <message>
        <source>The book holds no line: nothing was written to %1</source>
        <translation>Książka nie ma ani jednej linii: nic nie zapisano w %1</translation>
    </message>
    <message numerus="yes">
        <source>%1 ... %2 (%n folders)</source>
        <translation>
            <numerusform>%1 ... %2 (%n folder)</numerusform>
            <numerusform>%1 ... %2 (%n foldery)</numerusform>
            <numerusform>%1 ... %2 (%n folderów)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Wrote %n files to %1: the title page 0000.gif and pages 0001.gif to %2.gif</source>
        <translation>
            <numerusform>Zapisano %n plik w %1: stronę tytułową 0000.gif i strony od 0001.gif do %2.gif</numerusform>
            <numerusform>Zapisano %n pliki w %1: stronę tytułową 0000.gif i strony od 0001.gif do %2.gif</numerusform>
            <numerusform>Zapisano %n plików w %1: stronę tytułową 0000.gif i strony od 0001.gif do %2.gif</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n pictures could not be read</source>
        <translation>
            <numerusform>Nie udało się odczytać %n ilustracji</numerusform>
            <numerusform>Nie udało się odczytać %n ilustracji</numerusform>
            <numerusform>Nie udało się odczytać %n ilustracji</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>; removed %n pages of the earlier book</source>
        <translation>
            <numerusform>; usunięto %n stronę poprzedniej książki</numerusform>
            <numerusform>; usunięto %n strony poprzedniej książki</numerusform>
            <numerusform>; usunięto %n stron poprzedniej książki</numerusform>
        </translation>
    </message>
    <message>
        <source>warning: no font &quot;%1&quot;; using &quot;%2&quot;</source>
        <translation>ostrzeżenie: nie ma czcionki &quot;%1&quot;; użyto &quot;%2&quot;</translation>
    </message>
    <message>
        <source>cannot write the output</source>
        <translation>nie można zapisać wyniku</translation>
    </message>
    <message>
        <source>Try &apos;stronix-cli --help&apos;.</source>
        <translation>Więcej: &apos;stronix-cli --help&apos;.</translation>
    </message>
    <message>
        <source>pages</source>
        <translation>stron</translation>
    </message>
    <message>
        <source>Usage:</source>
        <translation>Użycie:</translation>
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
        <translation>pages wypisuje strony, które zapisałby convert --layout book z tymi samymi opcjami: z --json
jako JSON (tekst, miejsce, szerokość i krój każdej linii), bez niego jako tekst. Skład książkowy
(--layout book) układa książkę w ramie strony: marginesy (--margin PX, domyślnie 12),
linie wyjustowane (--no-justify) i dzielone (--no-hyphenate; --lang KOD dla książki bez
podanego języka), stopka z rozdziałem i stroną / liczbą stron (--no-footer) i spis treści
(--no-contents).
--screen WxH układa ją dla innego ekranu (960x544 dla większej konsoli, każdy bok od 64 do
4096; marginesy i pismo rosną ze stroną). --portrait[=left|right] składa
strony pionowe i obraca każdy GIF dla konsoli trzymanej bokiem, w prawo (zgodnie z ruchem
wskazówek zegara), jeśli nie podano inaczej.
Ilustracje książki stoją między akapitami albo na osobnej stronie, okładka na stronie tytułowej;
--no-pictures je pomija. Strona z ilustracją dostaje własną paletę (--picture-colors N, od 2 do
256, domyślnie 256; --picture-dither METODA, domyślnie floyd-steinberg).
</translation>
    </message>
    <message>
        <source>lines prints the lines the pages hold, as UTF-8 (--raw: the book&apos;s own bytes).
</source>
        <translation>lines wypisuje linie, które zmieszczą się na stronach, w UTF-8 (--raw: bajty samej książki).
</translation>
    </message>
    <message>
        <source>encode writes one PNG, BMP or PPM picture as a GIF; by default it is reduced to the
216-colour web cube, mapped to the nearest colour and LZW-compressed. Indexed pictures
keep their own colours.
</source>
        <translation>encode zapisuje jeden obraz PNG, BMP lub PPM jako GIF; domyślnie redukuje go do
216-kolorowego sześcianu webowego, z najbliższym kolorem i kompresją LZW. Obrazy
indeksowane zachowują własne kolory.
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
        <translation>Domyślny wygląd to Times New Roman, 12 pt (16 pikseli), czarne na białym; --colors wybiera
zestaw 1 białe na czarnym, 2 czarne na białym, 3 zielone na czarnym, 4 jasnozielone na
czarnym, a --text-color i --background go zmieniają. --script auto czyta książkę, która
jest poprawnym UTF-8 (albo UTF-16), jako UTF-8, każdą inną jako Windows-1250
(central-european). Skrypty: western, central-european, cyrillic, greek, turkish, hebrew,
arabic, baltic, vietnamese, thai, utf-8. Ciągi pustych linii stają się jedną, chyba że
podano --keep-blank-lines. Książki to zwykły tekst, EPUB, FB2 (także spakowany) lub HTML;
--chapter-pages zaczyna każdy rozdział (i linię ze znakiem nowej strony w tekście) na
nowej stronie. Pozycje książki EPUB spoza kolejności czytania (linear=&quot;no&quot;: przekłady,
przypisy) są pomijane, chyba że podano --all-items. BOOK - czyta standardowe wejście
(convert - wymaga -o albo --to-card).
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
        <translation>convert zapisuje stronę tytułową 0000.gif i strony 0001.gif, 0002.gif, ... o wymiarach
480 x 272 pikseli do katalogu DIR (domyślnie: katalogu książki; tworzy brakujący). Kilka
książek trafia każda do własnego katalogu DIR/NAZWA/. --to-card zapisuje do
PSP/PHOTO/NAZWA/ na zamontowanej karcie pamięci. Strony zastępują książkę w katalogu
naraz, a strony starszej, dłuższej książki znikają. Czasy plików rosną w kolejności
stron, co 2 s, dla przeglądarek sortujących według daty, chyba że podano --no-page-times.
--pages-per-folder K (10 lub więcej) dzieli książkę na sąsiednie katalogi &quot;NAZWA 01&quot;,
&quot;NAZWA 02&quot;, ... po K stron. --jobs N tworzy strony na N rdzeniach (domyślnie: wszystkich).
--compact zapisuje w tablicy kolorów każdej strony tylko użyte na niej kolory: te same
obrazy w mniejszych plikach.
</translation>
    </message>
    <message numerus="yes">
        <source>%1: the text ends at a NUL byte; %n bytes after it were left out</source>
        <translation>
            <numerusform>%1: tekst kończy się na bajcie NUL; pominięto %n bajt po nim</numerusform>
            <numerusform>%1: tekst kończy się na bajcie NUL; pominięto %n bajty po nim</numerusform>
            <numerusform>%1: tekst kończy się na bajcie NUL; pominięto %n bajtów po nim</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>not converted: %1; the other %n book(s) complete</source>
        <translation>
            <numerusform>nie przekonwertowano: %1; pozostała książka jest gotowa</numerusform>
            <numerusform>nie przekonwertowano: %1; pozostałe %n książki są gotowe</numerusform>
            <numerusform>nie przekonwertowano: %1; pozostałych %n książek jest gotowych</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 pages/s</source>
        <translation>%1 str./s</translation>
    </message>
    <message>
        <source>%1 left</source>
        <translation>zostało %1</translation>
    </message>
</context>
</TS>
