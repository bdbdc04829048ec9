<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="en_US">
<context>
    <name>Message</name>
    <message>
        <source>Text exceeds memo capacity</source>
        <translation>Text exceeds memo capacity</translation>
    </message>
    <message>
        <source>the archive holds no FB2 book</source>
        <translation>the archive holds no FB2 book</translation>
    </message>
    <message>
        <source>the book is protected (DRM) and cannot be read</source>
        <translation>the book is protected (DRM) and cannot be read</translation>
    </message>
    <message>
        <source>the EPUB book has no META-INF/container.xml</source>
        <translation>the EPUB book has no META-INF/container.xml</translation>
    </message>
    <message>
        <source>the EPUB book's container names no package document</source>
        <translation>the EPUB book's container names no package document</translation>
    </message>
    <message>
        <source>the EPUB book has no package document %s</source>
        <translation>the EPUB book has no package document %s</translation>
    </message>
    <message>
        <source>the EPUB book's package document has no spine</source>
        <translation>the EPUB book's package document has no spine</translation>
    </message>
    <message>
        <source>the EPUB book's spine names %s, which its manifest lacks</source>
        <translation>the EPUB book's spine names %s, which its manifest lacks</translation>
    </message>
    <message>
        <source>the EPUB book's spine item %s is missing from the archive</source>
        <translation>the EPUB book's spine item %s is missing from the archive</translation>
    </message>
    <message>
        <source>the FB2 book has no FictionBook element</source>
        <translation>the FB2 book has no FictionBook element</translation>
    </message>
    <message>
        <source>%s is not well-formed XML</source>
        <translation>%s is not well-formed XML</translation>
    </message>
    <message>
        <source>the book is not a valid ZIP archive</source>
        <translation>the book is not a valid ZIP archive</translation>
    </message>
    <message>
        <source>the archive holds an entry outside itself (&quot;..&quot;): %s</source>
        <translation>the archive holds an entry outside itself (&quot;..&quot;): %s</translation>
    </message>
    <message>
        <source>the archive's entry %s is damaged</source>
        <translation>the archive's entry %s is damaged</translation>
    </message>
    <message>
        <source>the archive would unpack to more than %s bytes</source>
        <translation>the archive would unpack to more than %s bytes</translation>
    </message>
    <message>
        <source>the archive's entry %s unpacks more than %s times its size (a ZIP bomb)</source>
        <translation>the archive's entry %s unpacks more than %s times its size (a ZIP bomb)</translation>
    </message>
    <message>
        <source>the archive's entry %s is encrypted</source>
        <translation>the archive's entry %s is encrypted</translation>
    </message>
    <message>
        <source>the archive's entry %s would unpack to more than %s bytes</source>
        <translation>the archive's entry %s would unpack to more than %s bytes</translation>
    </message>
    <message>
        <source>the archive's entry %s cannot be unpacked</source>
        <translation>the archive's entry %s cannot be unpacked</translation>
    </message>
    <message>
        <source>Czcionka jest za duża: na stronie nie mieści się ani jedna linia. Wybierz mniejszą czcionkę.</source>
        <translation>The font is too large: not one line fits on a page. Choose a smaller font.</translation>
    </message>
    <message>
        <source>More than one memory card: %s; choose one with -o</source>
        <translation>More than one memory card: %s; choose one with -o</translation>
    </message>
    <message>
        <source>No memory card found: no mounted volume holds a PSP/PHOTO folder (looked at: %s)</source>
        <translation>No memory card found: no mounted volume holds a PSP/PHOTO folder (looked at: %s)</translation>
    </message>
    <message>
        <source>Not enough space in %s: the book needs about %s, %s are free</source>
        <translation>Not enough space in %s: the book needs about %s, %s are free</translation>
    </message>
    <message>
        <source>Cannot set the time of %s</source>
        <translation>Cannot set the time of %s</translation>
    </message>
    <message>
        <source>There is no colour set %s; the sets are 1 to 4</source>
        <translation>There is no colour set %s; the sets are 1 to 4</translation>
    </message>
    <message>
        <source>Pages per folder must be at least %s, not %s</source>
        <translation>Pages per folder must be at least %s, not %s</translation>
    </message>
    <message>
        <source>Czcionka jest za mała: układ strony potrzebuje co najmniej %s pikseli wysokości (%s pkt). Wybierz większą czcionkę.</source>
        <translation>The font is too small: the page layout needs a height of at least %s pixels (%s pt). Choose a larger font.</translation>
    </message>
    <message>
        <source>Przerwano: poprzednie strony zostały bez zmian.</source>
        <translation>Stopped: the earlier pages were left as they were.</translation>
    </message>
    <message>
        <source>%s is not a text file: it holds NUL bytes</source>
        <translation>%s is not a text file: it holds NUL bytes</translation>
    </message>
    <message>
        <source>The picture in %s is empty</source>
        <translation>The picture in %s is empty</translation>
    </message>
    <message>
        <source>Cannot read a picture from %s: the file is cut short</source>
        <translation>Cannot read a picture from %s: the file is cut short</translation>
    </message>
    <message>
        <source>Cannot read a picture from %s: %s</source>
        <translation>Cannot read a picture from %s: %s</translation>
    </message>
    <message>
        <source>Failed to allocate memory for GIF DIB</source>
        <translation>Failed to allocate memory for GIF DIB</translation>
    </message>
    <message>
        <source>Scan line index out of range</source>
        <translation>Scan line index out of range</translation>
    </message>
    <message>
        <source>A GIF picture is at most 65535 pixels wide and high, not %s x %s</source>
        <translation>A GIF picture is at most 65535 pixels wide and high, not %s x %s</translation>
    </message>
    <message>
        <source>Out of system resources</source>
        <translation>Out of system resources</translation>
    </message>
    <message>
        <source>Bitmap image is not valid</source>
        <translation>Bitmap image is not valid</translation>
    </message>
    <message>
        <source>Cannot assign a %s to a %s</source>
        <translation>Cannot assign a %s to a %s</translation>
    </message>
    <message>
        <source>Cannot create file %s</source>
        <translation>Cannot create file %s</translation>
    </message>
    <message>
        <source>Cannot open file %s</source>
        <translation>Cannot open file %s</translation>
    </message>
    <message>
        <source>Stream write error</source>
        <translation>Stream write error</translation>
    </message>
    <message>
        <source>Stream read error</source>
        <translation>Stream read error</translation>
    </message>
    <message>
        <source>Another conversion is writing into %s; try again when it has finished</source>
        <translation>Another conversion is writing into %s; try again when it has finished</translation>
    </message>
    <message>
        <source>Invalid stream operation</source>
        <translation>Invalid stream operation</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Out of memory</translation>
    </message>
    <message>
        <source>Color table overflow</source>
        <translation>Color table overflow</translation>
    </message>
    <message>
        <source>Image is empty</source>
        <translation>Image is empty</translation>
    </message>
    <message>
        <source>Invalid pixel coordinates</source>
        <translation>Invalid pixel coordinates</translation>
    </message>
    <message>
        <source>Unsupported GIF version</source>
        <translation>Unsupported GIF version</translation>
    </message>
    <message>
        <source>Color reduction produced no image</source>
        <translation>Color reduction produced no image</translation>
    </message>
    <message>
        <source>Invalid color index</source>
        <translation>Invalid color index</translation>
    </message>
    <message>
        <source>Color table is empty</source>
        <translation>Color table is empty</translation>
    </message>
    <message>
        <source>Color not in color table</source>
        <translation>Color not in color table</translation>
    </message>
    <message>
        <source>Object type not supported for operation</source>
        <translation>Object type not supported for operation</translation>
    </message>
    <message>
        <source>No global or local color table defined</source>
        <translation>No global or local color table defined</translation>
    </message>
    <message>
        <source>Image width too small for contained frames</source>
        <translation>Image width too small for contained frames</translation>
    </message>
    <message>
        <source>Image height too small for contained frames</source>
        <translation>Image height too small for contained frames</translation>
    </message>
    <message>
        <source>Unsupported PixelFormat</source>
        <translation>Unsupported PixelFormat</translation>
    </message>
    <message>
        <source>Invalid image dimensions</source>
        <translation>Invalid image dimensions</translation>
    </message>
    <message>
        <source>Image has no DIB</source>
        <translation>Image has no DIB</translation>
    </message>
    <message>
        <source>Palette bits out of range</source>
        <translation>Palette bits out of range</translation>
    </message>
    <message>
        <source>%s takes a whole number from %s to %s, not &quot;%s&quot;</source>
        <translation>%s takes a whole number from %s to %s, not &quot;%s&quot;</translation>
    </message>
    <message>
        <source>--size takes a size in points from %s up to %s, not &quot;%s&quot;</source>
        <translation>--size takes a size in points from %s up to %s, not &quot;%s&quot;</translation>
    </message>
    <message>
        <source>%s takes a colour as RRGGBB in hexadecimal, not &quot;%s&quot;</source>
        <translation>%s takes a colour as RRGGBB in hexadecimal, not &quot;%s&quot;</translation>
    </message>
    <message>
        <source>--script takes auto or one of %s, not &quot;%s&quot;</source>
        <translation>--script takes auto or one of %s, not &quot;%s&quot;</translation>
    </message>
    <message>
        <source>unknown command &quot;%s&quot;; the commands are %s and %s</source>
        <translation>unknown command &quot;%s&quot;; the commands are %s and %s</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>no command given</translation>
    </message>
    <message>
        <source>--layout takes book or classic, not &quot;%s&quot;</source>
        <translation>--layout takes book or classic, not &quot;%s&quot;</translation>
    </message>
    <message>
        <source>--screen takes a size WxH, each side from %s to %s (480x272, 960x544), not &quot;%s&quot;</source>
        <translation>--screen takes a size WxH, each side from %s to %s (480x272, 960x544), not &quot;%s&quot;</translation>
    </message>
    <message>
        <source>--portrait takes left or right, not &quot;%s&quot;</source>
        <translation>--portrait takes left or right, not &quot;%s&quot;</translation>
    </message>
    <message>
        <source>--screen and --portrait set the pages of the book layout; the classic layout&apos;s are 480 x 272</source>
        <translation>--screen and --portrait set the pages of the book layout; the classic layout&apos;s are 480 x 272</translation>
    </message>
    <message>
        <source>pages takes one book: &quot;%s&quot; is one too many</source>
        <translation>pages takes one book: &quot;%s&quot; is one too many</translation>
    </message>
    <message>
        <source>lines takes one book: &quot;%s&quot; is one too many</source>
        <translation>lines takes one book: &quot;%s&quot; is one too many</translation>
    </message>
    <message>
        <source>unknown option %s</source>
        <translation>unknown option %s</translation>
    </message>
    <message>
        <source>%s does not apply to %s</source>
        <translation>%s does not apply to %s</translation>
    </message>
    <message>
        <source>%s takes no value</source>
        <translation>%s takes no value</translation>
    </message>
    <message>
        <source>%s needs a value</source>
        <translation>%s needs a value</translation>
    </message>
    <message>
        <source>give either --size or --pixel-height, not both</source>
        <translation>give either --size or --pixel-height, not both</translation>
    </message>
    <message>
        <source>give either -o or --to-card, not both</source>
        <translation>give either -o or --to-card, not both</translation>
    </message>
    <message>
        <source>%s needs a book</source>
        <translation>%s needs a book</translation>
    </message>
    <message>
        <source>%s takes one of %s, not &quot;%s&quot;</source>
        <translation>%s takes one of %s, not &quot;%s&quot;</translation>
    </message>
    <message>
        <source>encode takes a picture file and an output GIF file</source>
        <translation>encode takes a picture file and an output GIF file</translation>
    </message>
    <message>
        <source>%s is %s, not a regular file</source>
        <translation>%s is %s, not a regular file</translation>
    </message>
    <message>
        <source>%s is %s, not a regular file; to pipe a book in, give - as its path</source>
        <translation>%s is %s, not a regular file; to pipe a book in, give - as its path</translation>
    </message>
    <message>
        <source>%s is a link; Stronix does not write through links</source>
        <translation>%s is a link; Stronix does not write through links</translation>
    </message>
    <message>
        <source>%s nests its elements more than 256 deep</source>
        <translation>%s nests its elements more than 256 deep</translation>
    </message>
    <message>
        <source>the FB2 book is not well-formed XML</source>
        <translation>the FB2 book is not well-formed XML</translation>
    </message>
    <message>
        <source>the book's entities expand without end (an entity bomb)</source>
        <translation>the book's entities expand without end (an entity bomb)</translation>
    </message>
    <message>
        <source>the book's own entities make more than 16 MiB of text (an entity bomb)</source>
        <translation>the book's own entities make more than 16 MiB of text (an entity bomb)</translation>
    </message>
    <message>
        <source>the page cannot be read to its end: %s</source>
        <translation>the page cannot be read to its end: %s</translation>
    </message>
    <message>
        <source>the EPUB book's spine names more than %s items</source>
        <translation>the EPUB book's spine names more than %s items</translation>
    </message>
    <message>
        <source>Cannot write %s</source>
        <translation>Cannot write %s</translation>
    </message>
    <message>
        <source>Finished an interrupted conversion of %s</source>
        <translation>Finished an interrupted conversion of %s</translation>
    </message>
    <message>
        <source>%s is a folder named like a page; move it away and try again</source>
        <translation>%s is a folder named like a page; move it away and try again</translation>
    </message>
    <message>
        <source>Set aside a damaged commit journal in %s</source>
        <translation>Set aside a damaged commit journal in %s</translation>
    </message>
    <message>
        <source>Cannot list the folder %s</source>
        <translation>Cannot list the folder %s</translation>
    </message>
    <message>
        <source>-o needs a folder, not an empty name</source>
        <translation>-o needs a folder, not an empty name</translation>
    </message>
    <message>
        <source>a book's path is empty</source>
        <translation>a book's path is empty</translation>
    </message>
    <message>
        <source>- (standard input) can be read once only</source>
        <translation>- (standard input) can be read once only</translation>
    </message>
    <message>
        <source>convert - needs -o DIR or --to-card: standard input has no folder</source>
        <translation>convert - needs -o DIR or --to-card: standard input has no folder</translation>
    </message>
</context>
<context>
    <name>Reason</name>
    <message>
        <source>Permission denied</source>
        <translation>Permission denied</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>No such file or directory</translation>
    </message>
    <message>
        <source>No space left on device</source>
        <translation>No space left on device</translation>
    </message>
    <message>
        <source>Read-only file system</source>
        <translation>Read-only file system</translation>
    </message>
    <message>
        <source>File exists</source>
        <translation>File exists</translation>
    </message>
    <message>
        <source>Is a directory</source>
        <translation>Is a directory</translation>
    </message>
    <message>
        <source>Not a directory</source>
        <translation>Not a directory</translation>
    </message>
    <message>
        <source>Input/output error</source>
        <translation>Input/output error</translation>
    </message>
    <message>
        <source>Disk quota exceeded</source>
        <translation>Disk quota exceeded</translation>
    </message>
    <message>
        <source>File name too long</source>
        <translation>File name too long</translation>
    </message>
    <message>
        <source>Device or resource busy</source>
        <translation>Device or resource busy</translation>
    </message>
    <message>
        <source>Too many levels of symbolic links</source>
        <translation>Too many levels of symbolic links</translation>
    </message>
    <message>
        <source>Too many open files</source>
        <translation>Too many open files</translation>
    </message>
    <message>
        <source>Operation not permitted</source>
        <translation>Operation not permitted</translation>
    </message>
    <message>
        <source>File too large</source>
        <translation>File too large</translation>
    </message>
    <message>
        <source>Cannot allocate memory</source>
        <translation>Cannot allocate memory</translation>
    </message>
    <message>
        <source>Broken pipe</source>
        <translation>Broken pipe</translation>
    </message>
    <message>
        <source>Invalid cross-device link</source>
        <translation>Invalid cross-device link</translation>
    </message>
    <message>
        <source>Directory not empty</source>
        <translation>Directory not empty</translation>
    </message>
    <message>
        <source>Invalid argument</source>
        <translation>Invalid argument</translation>
    </message>
    <message>
        <source>No such device</source>
        <translation>No such device</translation>
    </message>
    <message>
        <source>No such device or address</source>
        <translation>No such device or address</translation>
    </message>
    <message>
        <source>Resource temporarily unavailable</source>
        <translation>Resource temporarily unavailable</translation>
    </message>
    <message>
        <source>Text file busy</source>
        <translation>Text file busy</translation>
    </message>
    <message>
        <source>Stale file handle</source>
        <translation>Stale file handle</translation>
    </message>
    <message>
        <source>Transport endpoint is not connected</source>
        <translation>Transport endpoint is not connected</translation>
    </message>
</context>
</TS>
