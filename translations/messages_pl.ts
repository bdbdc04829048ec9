<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL" sourcelanguage="en_US">
<context>
    <name>Message</name>
    <message>
        <source>Text exceeds memo capacity</source>
        <translation>Tekst przekracza pojemność pola tekstowego</translation>
    </message>
    <message>
        <source>the archive holds no FB2 book</source>
        <translation>archiwum nie zawiera książki FB2</translation>
    </message>
    <message>
        <source>the book is protected (DRM) and cannot be read</source>
        <translation>książka jest zabezpieczona (DRM) i nie można jej odczytać</translation>
    </message>
    <message>
        <source>the EPUB book has no META-INF/container.xml</source>
        <translation>książka EPUB nie ma pliku META-INF/container.xml</translation>
    </message>
    <message>
        <source>the EPUB book's container names no package document</source>
        <translation>kontener książki EPUB nie wskazuje dokumentu pakietu</translation>
    </message>
    <message>
        <source>the EPUB book has no package document %s</source>
        <translation>książka EPUB nie ma dokumentu pakietu %s</translation>
    </message>
    <message>
        <source>the EPUB book's package document has no spine</source>
        <translation>dokument pakietu książki EPUB nie ma spisu kolejności (spine)</translation>
    </message>
    <message>
        <source>the EPUB book's spine names %s, which its manifest lacks</source>
        <translation>spis kolejności książki EPUB wymienia %s, którego brak w manifeście</translation>
    </message>
    <message>
        <source>the EPUB book's spine item %s is missing from the archive</source>
        <translation>w archiwum brak pozycji %s ze spisu kolejności książki EPUB</translation>
    </message>
    <message>
        <source>the FB2 book has no FictionBook element</source>
        <translation>książka FB2 nie ma elementu FictionBook</translation>
    </message>
    <message>
        <source>%s is not well-formed XML</source>
        <translation>%s nie jest poprawnym dokumentem XML</translation>
    </message>
    <message>
        <source>the book is not a valid ZIP archive</source>
        <translation>książka nie jest poprawnym archiwum ZIP</translation>
    </message>
    <message>
        <source>the archive holds an entry outside itself (&quot;..&quot;): %s</source>
        <translation>archiwum zawiera pozycję spoza siebie (&quot;..&quot;): %s</translation>
    </message>
    <message>
        <source>the archive's entry %s is damaged</source>
        <translation>pozycja archiwum %s jest uszkodzona</translation>
    </message>
    <message>
        <source>the archive would unpack to more than %s bytes</source>
        <translation>archiwum po rozpakowaniu miałoby ponad %s bajtów</translation>
    </message>
    <message>
        <source>the archive's entry %s unpacks more than %s times its size (a ZIP bomb)</source>
        <translation>pozycja archiwum %s rozpakowuje się do ponad %s-krotności swojego rozmiaru (bomba ZIP)</translation>
    </message>
    <message>
        <source>the archive's entry %s is encrypted</source>
        <translation>pozycja archiwum %s jest zaszyfrowana</translation>
    </message>
    <message>
        <source>the archive's entry %s would unpack to more than %s bytes</source>
        <translation>pozycja archiwum %s po rozpakowaniu miałaby ponad %s bajtów</translation>
    </message>
    <message>
        <source>the archive's entry %s cannot be unpacked</source>
        <translation>nie można rozpakować pozycji archiwum %s</translation>
    </message>
    <message>
        <source>Czcionka jest za duża: na stronie nie mieści się ani jedna linia. Wybierz mniejszą czcionkę.</source>
        <translation>Czcionka jest za duża: na stronie nie mieści się ani jedna linia. Wybierz mniejszą czcionkę.</translation>
    </message>
    <message>
        <source>More than one memory card: %s; choose one with -o</source>
        <translation>Więcej niż jedna karta pamięci: %s; wybierz jedną opcją -o</translation>
    </message>
    <message>
        <source>No memory card found: no mounted volume holds a PSP/PHOTO folder (looked at: %s)</source>
        <translation>Nie znaleziono karty pamięci: żaden zamontowany wolumin nie ma folderu PSP/PHOTO (sprawdzono: %s)</translation>
    </message>
    <message>
        <source>Not enough space in %s: the book needs about %s, %s are free</source>
        <translation>Za mało miejsca w %s: książka potrzebuje około %s, wolne jest %s</translation>
    </message>
    <message>
        <source>Cannot set the time of %s</source>
        <translation>Nie można ustawić czasu pliku %s</translation>
    </message>
    <message>
        <source>There is no colour set %s; the sets are 1 to 4</source>
        <translation>Nie ma zestawu kolorów %s; zestawy to 1 do 4</translation>
    </message>
    <message>
        <source>Pages per folder must be at least %s, not %s</source>
        <translation>Stron w folderze musi być co najmniej %s, nie %s</translation>
    </message>
    <message>
        <source>Czcionka jest za mała: układ strony potrzebuje co najmniej %s pikseli wysokości (%s pkt). Wybierz większą czcionkę.</source>
        <translation>Czcionka jest za mała: układ strony potrzebuje co najmniej %s pikseli wysokości (%s pkt). Wybierz większą czcionkę.</translation>
    </message>
    <message>
        <source>Przerwano: poprzednie strony zostały bez zmian.</source>
        <translation>Przerwano: poprzednie strony zostały bez zmian.</translation>
    </message>
    <message>
        <source>%s is not a text file: it holds NUL bytes</source>
        <translation>%s nie jest plikiem tekstowym: zawiera bajty NUL</translation>
    </message>
    <message>
        <source>The picture in %s is empty</source>
        <translation>Obraz w %s jest pusty</translation>
    </message>
    <message>
        <source>Cannot read a picture from %s: the file is cut short</source>
        <translation>Nie można odczytać obrazu z %s: plik jest ucięty</translation>
    </message>
    <message>
        <source>Cannot read a picture from %s: %s</source>
        <translation>Nie można odczytać obrazu z %s: %s</translation>
    </message>
    <message>
        <source>Failed to allocate memory for GIF DIB</source>
        <translation>Nie udało się przydzielić pamięci na obraz GIF (DIB)</translation>
    </message>
    <message>
        <source>Scan line index out of range</source>
        <translation>Numer wiersza obrazu poza zakresem</translation>
    </message>
    <message>
        <source>A GIF picture is at most 65535 pixels wide and high, not %s x %s</source>
        <translation>Obraz GIF ma najwyżej 65535 pikseli szerokości i wysokości, nie %s x %s</translation>
    </message>
    <message>
        <source>Out of system resources</source>
        <translation>Brak zasobów systemowych</translation>
    </message>
    <message>
        <source>Bitmap image is not valid</source>
        <translation>Obraz bitmapy jest niepoprawny</translation>
    </message>
    <message>
        <source>Cannot assign a %s to a %s</source>
        <translation>Nie można przypisać %s do %s</translation>
    </message>
    <message>
        <source>Cannot create file %s</source>
        <translation>Nie można utworzyć pliku %s</translation>
    </message>
    <message>
        <source>Cannot open file %s</source>
        <translation>Nie można otworzyć pliku %s</translation>
    </message>
    <message>
        <source>Stream write error</source>
        <translation>Błąd zapisu strumienia</translation>
    </message>
    <message>
        <source>Stream read error</source>
        <translation>Błąd odczytu strumienia</translation>
    </message>
    <message>
        <source>Another conversion is writing into %s; try again when it has finished</source>
        <translation>Inna konwersja zapisuje do %s; spróbuj ponownie, gdy się skończy</translation>
    </message>
    <message>
        <source>Invalid stream operation</source>
        <translation>Niedozwolona operacja na strumieniu</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Brak pamięci</translation>
    </message>
    <message>
        <source>Color table overflow</source>
        <translation>Przepełnienie tablicy kolorów</translation>
    </message>
    <message>
        <source>Image is empty</source>
        <translation>Obraz jest pusty</translation>
    </message>
    <message>
        <source>Invalid pixel coordinates</source>
        <translation>Niepoprawne współrzędne piksela</translation>
    </message>
    <message>
        <source>Unsupported GIF version</source>
        <translation>Nieobsługiwana wersja GIF</translation>
    </message>
    <message>
        <source>Color reduction produced no image</source>
        <translation>Redukcja kolorów nie dała obrazu</translation>
    </message>
    <message>
        <source>Invalid color index</source>
        <translation>Niepoprawny indeks koloru</translation>
    </message>
    <message>
        <source>Color table is empty</source>
        <translation>Tablica kolorów jest pusta</translation>
    </message>
    <message>
        <source>Color not in color table</source>
        <translation>Koloru nie ma w tablicy kolorów</translation>
    </message>
    <message>
        <source>Object type not supported for operation</source>
        <translation>Ten rodzaj obiektu nie obsługuje tej operacji</translation>
    </message>
    <message>
        <source>No global or local color table defined</source>
        <translation>Brak globalnej i lokalnej tablicy kolorów</translation>
    </message>
    <message>
        <source>Image width too small for contained frames</source>
        <translation>Szerokość obrazu za mała dla jego klatek</translation>
    </message>
    <message>
        <source>Image height too small for contained frames</source>
        <translation>Wysokość obrazu za mała dla jego klatek</translation>
    </message>
    <message>
        <source>Unsupported PixelFormat</source>
        <translation>Nieobsługiwany format pikseli (PixelFormat)</translation>
    </message>
    <message>
        <source>Invalid image dimensions</source>
        <translation>Niepoprawne wymiary obrazu</translation>
    </message>
    <message>
        <source>Image has no DIB</source>
        <translation>Obraz nie ma bitmapy DIB</translation>
    </message>
    <message>
        <source>Palette bits out of range</source>
        <translation>Liczba bitów palety poza zakresem</translation>
    </message>
    <message>
        <source>%s takes a whole number from %s to %s, not &quot;%s&quot;</source>
        <translation>%s przyjmuje liczbę całkowitą od %s do %s, nie &quot;%s&quot;</translation>
    </message>
    <message>
        <source>--size takes a size in points from %s up to %s, not &quot;%s&quot;</source>
        <translation>--size przyjmuje rozmiar w punktach od %s do %s, nie &quot;%s&quot;</translation>
    </message>
    <message>
        <source>%s takes a colour as RRGGBB in hexadecimal, not &quot;%s&quot;</source>
        <translation>%s przyjmuje kolor szesnastkowo jako RRGGBB, nie &quot;%s&quot;</translation>
    </message>
    <message>
        <source>--script takes auto or one of %s, not &quot;%s&quot;</source>
        <translation>--script przyjmuje auto albo jedno z: %s, nie &quot;%s&quot;</translation>
    </message>
    <message>
        <source>unknown command &quot;%s&quot;; the commands are %s and %s</source>
        <translation>nieznane polecenie &quot;%s&quot;; polecenia to %s i %s</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>nie podano polecenia</translation>
    </message>
    <message>
        <source>--layout takes book or classic, not &quot;%s&quot;</source>
        <translation>--layout przyjmuje book albo classic, nie &quot;%s&quot;</translation>
    </message>
    <message>
        <source>--screen takes a size WxH, each side from %s to %s (480x272, 960x544), not &quot;%s&quot;</source>
        <translation>--screen przyjmuje rozmiar SxW, każdy bok od %s do %s (480x272, 960x544), nie &quot;%s&quot;</translation>
    </message>
    <message>
        <source>--portrait takes left or right, not &quot;%s&quot;</source>
        <translation>--portrait przyjmuje left albo right, nie &quot;%s&quot;</translation>
    </message>
    <message>
        <source>--screen and --portrait set the pages of the book layout; the classic layout&apos;s are 480 x 272</source>
        <translation>--screen i --portrait ustawiają strony składu książkowego; strony klasyczne mają 480 x 272</translation>
    </message>
    <message>
        <source>pages takes one book: &quot;%s&quot; is one too many</source>
        <translation>pages przyjmuje jedną książkę: &quot;%s&quot; jest o jedną za dużo</translation>
    </message>
    <message>
        <source>lines takes one book: &quot;%s&quot; is one too many</source>
        <translation>lines przyjmuje jedną książkę: &quot;%s&quot; jest o jedną za dużo</translation>
    </message>
    <message>
        <source>unknown option %s</source>
        <translation>nieznana opcja %s</translation>
    </message>
    <message>
        <source>%s does not apply to %s</source>
        <translation>%s nie dotyczy polecenia %s</translation>
    </message>
    <message>
        <source>%s takes no value</source>
        <translation>%s nie przyjmuje wartości</translation>
    </message>
    <message>
        <source>%s needs a value</source>
        <translation>%s wymaga wartości</translation>
    </message>
    <message>
        <source>give either --size or --pixel-height, not both</source>
        <translation>podaj --size albo --pixel-height, nie oba naraz</translation>
    </message>
    <message>
        <source>give either -o or --to-card, not both</source>
        <translation>podaj -o albo --to-card, nie oba naraz</translation>
    </message>
    <message>
        <source>%s needs a book</source>
        <translation>%s wymaga książki</translation>
    </message>
    <message>
        <source>%s takes one of %s, not &quot;%s&quot;</source>
        <translation>%s przyjmuje jedno z: %s, nie &quot;%s&quot;</translation>
    </message>
    <message>
        <source>encode takes a picture file and an output GIF file</source>
        <translation>encode przyjmuje plik obrazu i wyjściowy plik GIF</translation>
    </message>
    <message>
        <source>%s is %s, not a regular file</source>
        <translation>%s nie jest zwykłym plikiem (%s)</translation>
    </message>
    <message>
        <source>%s is %s, not a regular file; to pipe a book in, give - as its path</source>
        <translation>%s nie jest zwykłym plikiem (%s); aby podać książkę przez potok, wpisz - jako jej ścieżkę</translation>
    </message>
    <message>
        <source>%s is a link; Stronix does not write through links</source>
        <translation>%s jest dowiązaniem; Stronix nie zapisuje przez dowiązania</translation>
    </message>
    <message>
        <source>%s nests its elements more than 256 deep</source>
        <translation>%s zagnieżdża elementy na ponad 256 poziomów</translation>
    </message>
    <message>
        <source>the FB2 book is not well-formed XML</source>
        <translation>książka FB2 nie jest poprawnym dokumentem XML</translation>
    </message>
    <message>
        <source>the book's entities expand without end (an entity bomb)</source>
        <translation>encje książki rozwijają się bez końca (bomba encji)</translation>
    </message>
    <message>
        <source>the book's own entities make more than 16 MiB of text (an entity bomb)</source>
        <translation>własne encje książki dają ponad 16 MiB tekstu (bomba encji)</translation>
    </message>
    <message>
        <source>the page cannot be read to its end: %s</source>
        <translation>nie można odczytać strony do końca: %s</translation>
    </message>
    <message>
        <source>the EPUB book's spine names more than %s items</source>
        <translation>spis kolejności książki EPUB wymienia ponad %s pozycji</translation>
    </message>
    <message>
        <source>Cannot write %s</source>
        <translation>Nie można zapisać pliku %s</translation>
    </message>
    <message>
        <source>Finished an interrupted conversion of %s</source>
        <translation>Dokończono przerwaną konwersję książki %s</translation>
    </message>
    <message>
        <source>%s is a folder named like a page; move it away and try again</source>
        <translation>%s to folder o nazwie strony; przenieś go w inne miejsce i spróbuj ponownie</translation>
    </message>
    <message>
        <source>Set aside a damaged commit journal in %s</source>
        <translation>Odłożono uszkodzony dziennik zapisu w %s</translation>
    </message>
    <message>
        <source>Cannot list the folder %s</source>
        <translation>Nie można odczytać zawartości folderu %s</translation>
    </message>
    <message>
        <source>-o needs a folder, not an empty name</source>
        <translation>-o wymaga katalogu, a nie pustej nazwy</translation>
    </message>
    <message>
        <source>a book's path is empty</source>
        <translation>ścieżka książki jest pusta</translation>
    </message>
    <message>
        <source>- (standard input) can be read once only</source>
        <translation>- (standardowe wejście) można odczytać tylko raz</translation>
    </message>
    <message>
        <source>convert - needs -o DIR or --to-card: standard input has no folder</source>
        <translation>convert - wymaga -o DIR albo --to-card: standardowe wejście nie ma katalogu</translation>
    </message>
</context>
<context>
    <name>Reason</name>
    <message>
        <source>Permission denied</source>
        <translation>Brak dostępu</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>Nie ma takiego pliku ani katalogu</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation>Brak miejsca na urządzeniu</translation>
    </message>
    <message>
        <source>Read-only file system</source>
        <translation>System plików tylko do odczytu</translation>
    </message>
    <message>
        <source>File exists</source>
        <translation>Plik istnieje</translation>
    </message>
    <message>
        <source>Is a directory</source>
        <translation>Jest katalogiem</translation>
    </message>
    <message>
        <source>Not a directory</source>
        <translation>Nie jest katalogiem</translation>
    </message>
    <message>
        <source>Input/output error</source>
        <translation>Błąd wejścia/wyjścia</translation>
    </message>
    <message>
        <source>Disk quota exceeded</source>
        <translation>Przekroczony limit dyskowy</translation>
    </message>
    <message>
        <source>File name too long</source>
        <translation>Za długa nazwa pliku</translation>
    </message>
    <message>
        <source>Device or resource busy</source>
        <translation>Urządzenie lub zasoby zajęte</translation>
    </message>
    <message>
        <source>Too many levels of symbolic links</source>
        <translation>Za dużo poziomów dowiązań symbolicznych</translation>
    </message>
    <message>
        <source>Too many open files</source>
        <translation>Za dużo otwartych plików</translation>
    </message>
    <message>
        <source>Operation not permitted</source>
        <translation>Operacja niedozwolona</translation>
    </message>
    <message>
        <source>File too large</source>
        <translation>Plik jest za duży</translation>
    </message>
    <message>
        <source>Cannot allocate memory</source>
        <translation>Nie można przydzielić pamięci</translation>
    </message>
    <message>
        <source>Broken pipe</source>
        <translation>Przerwany potok</translation>
    </message>
    <message>
        <source>Invalid cross-device link</source>
        <translation>Niepoprawne dowiązanie między urządzeniami</translation>
    </message>
    <message>
        <source>Directory not empty</source>
        <translation>Katalog nie jest pusty</translation>
    </message>
    <message>
        <source>Invalid argument</source>
        <translation>Niepoprawny argument</translation>
    </message>
    <message>
        <source>No such device</source>
        <translation>Nie ma takiego urządzenia</translation>
    </message>
    <message>
        <source>No such device or address</source>
        <translation>Nie ma takiego urządzenia ani adresu</translation>
    </message>
    <message>
        <source>Resource temporarily unavailable</source>
        <translation>Zasoby chwilowo niedostępne</translation>
    </message>
    <message>
        <source>Text file busy</source>
        <translation>Plik wykonywalny jest zajęty</translation>
    </message>
    <message>
        <source>Stale file handle</source>
        <translation>Nieaktualny uchwyt pliku</translation>
    </message>
    <message>
        <source>Transport endpoint is not connected</source>
        <translation>Punkt końcowy nie jest połączony</translation>
    </message>
</context>
</TS>
