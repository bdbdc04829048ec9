#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Peak resident memory of reading the largest books: a text of 250 chapters of 1 MB, the
# same as an EPUB (one XHTML file a chapter), as an EPUB whose chapters are tag soup (read
# by the HTML parser), as an FB2, a zipped FB2 and one HTML page, each shown by `lines`; then
# texts of another shape: 25 MB and 250 MB of nothing but line breaks and one line of 25 MB
# of spaces, each shown by `lines` and converted in the classic and the book layout.
# The goal is 30 MB + 2 x the text's size. Usage: bench/book_memory.sh [stronix-cli] [scratch]
set -euo pipefail
cli=${1:-build/cli/stronix-cli}
scratch=${2:-$(mktemp -d)}
mkdir -p "$scratch"

python3 - "$scratch" <<'PY'
import os, sys, zipfile
out = sys.argv[1]
line = ("The clock-maker wound forty clocks every morning and listened to them every evening. " * 8).strip()
chapter_paras = [line] * (1_000_000 // (len(line) + 2))
text = open(os.path.join(out, "book.txt"), "w")
fb2 = open(os.path.join(out, "book.fb2"), "w")
html = open(os.path.join(out, "book.html"), "w")
html.write("<!DOCTYPE html><html><head><title>Big</title></head><body>")
fb2.write('<?xml version="1.0" encoding="UTF-8"?><FictionBook xmlns="http://www.gribuser.ru/xml/fictionbook/2.0">'
          '<description><title-info><book-title>Big</book-title></title-info></description><body>')
def epub(name):
    z = zipfile.ZipFile(os.path.join(out, name), "w", zipfile.ZIP_DEFLATED)
    z.writestr(zipfile.ZipInfo("mimetype"), "application/epub+zip")
    z.writestr("META-INF/container.xml", '<?xml version="1.0"?><container version="1.0" xmlns="urn:oasis:names:tc:opendocument:xmlns:container"><rootfiles><rootfile full-path="content.opf" media-type="application/oebps-package+xml"/></rootfiles></container>')
    items = "".join(f'<item id="c{k}" href="c{k}.xhtml" media-type="application/xhtml+xml"/>' for k in range(250))
    spine = "".join(f'<itemref idref="c{k}"/>' for k in range(250))
    z.writestr("content.opf", f'<?xml version="1.0"?><package xmlns="http://www.idpf.org/2007/opf" version="2.0"><metadata xmlns:dc="http://purl.org/dc/elements/1.1/"><dc:title>Big</dc:title></metadata><manifest>{items}</manifest><spine>{spine}</spine></package>')
    return z
with epub("book.epub") as z, epub("soup.epub") as soup:
    for k in range(250):
        text.write(f"Chapter {k}\n\n" + "\n\n".join(chapter_paras) + "\n\n")
        body = "".join(f"<p>{p}</p>\n" for p in chapter_paras)
        z.writestr(f"c{k}.xhtml", f'<?xml version="1.0"?><html xmlns="http://www.w3.org/1999/xhtml"><head><title>c</title></head><body><h1>Chapter {k}</h1>{body}</body></html>')
        soup.writestr(f"c{k}.xhtml", f'<html><body><h1>Chapter {k}</h1>' + "".join(f"<p>{p}\n" for p in chapter_paras))
        fb2.write(f"<section><title><p>Chapter {k}</p></title>" + "".join(f"<p>{p}</p>" for p in chapter_paras) + "</section>")
        html.write(f"<h1>Chapter {k}</h1>" + "".join(f"<p>{p}</p>\n" for p in chapter_paras))
fb2.write("</body></FictionBook>")
fb2.close()
html.write("</body></html>")
# Stored, not deflated: this text packs past the unpacking limit's ratio.
with zipfile.ZipFile(os.path.join(out, "book.fb2.zip"), "w", zipfile.ZIP_STORED) as z:
    z.write(os.path.join(out, "book.fb2"), "book.fb2")
PY

head -c 25000000 /dev/zero | tr '\0' '\n' > "$scratch/newlines-25.txt"
head -c 250000000 /dev/zero | tr '\0' '\n' > "$scratch/newlines-250.txt"
head -c 25000000 /dev/zero | tr '\0' ' ' > "$scratch/spaces-25.txt"

# Peak resident memory of one command: "LABEL: SIZE bytes, peak N MB (goal G MB), WALL".
measure() {
  local label=$1 book=$2
  shift 2
  /usr/bin/time -v -o "$scratch/time.txt" env QT_QPA_PLATFORM=offscreen "$cli" "$@" > /dev/null || true
  local size peak_kb wall
  size=$(stat -c %s "$book")
  peak_kb=$(awk -F': ' '/Maximum resident/ {print $2}' "$scratch/time.txt")
  wall=$(awk -F': ' '/Elapsed/ {print $2}' "$scratch/time.txt")
  echo "$label: $size bytes, peak $(( peak_kb / 1000 )) MB (goal $(( 30 + 2 * size / 1000000 )) MB), $wall"
}

for book in book.txt book.epub soup.epub book.fb2 book.fb2.zip book.html; do
  measure "$book" "$scratch/$book" lines "$scratch/$book"
done
for book in newlines-25.txt newlines-250.txt spaces-25.txt; do
  measure "$book lines" "$scratch/$book" lines "$scratch/$book"
  for layout in classic book; do
    rm -rf "$scratch/pages"
    measure "$book convert --layout $layout" "$scratch/$book" convert "$scratch/$book" -o "$scratch/pages" \
      --layout "$layout" --no-page-times
  done
done
rm -rf "$scratch/pages"

# The same books in the classic layout (`--layout classic`: the reading and the lines, without
# typesetting the whole book), and an EPUB whose one chapter of 250 MB is not well-formed XML,
# read under `ulimit -v` (MARKUP_LIMIT_KB, 730 MB to begin with): it must end in "Out of
# memory" or read, never crash.
for book in book.epub soup.epub book.fb2 book.fb2.zip book.html; do
  measure "$book lines --layout classic" "$scratch/$book" lines --layout classic "$scratch/$book"
done
python3 - "$scratch" <<'PY'
import os, sys, zipfile
line = ("The clock-maker wound forty clocks every morning and listened to them every evening. " * 8).strip()
body = "".join(f"<p>{line}</p>\n" for _ in range(250_000_000 // (len(line) + 8)))
with zipfile.ZipFile(os.path.join(sys.argv[1], "broken.epub"), "w", zipfile.ZIP_STORED) as z:
    z.writestr(zipfile.ZipInfo("mimetype"), "application/epub+zip")
    z.writestr("META-INF/container.xml", '<?xml version="1.0"?><container version="1.0" xmlns="urn:oasis:names:tc:opendocument:xmlns:container"><rootfiles><rootfile full-path="content.opf" media-type="application/oebps-package+xml"/></rootfiles></container>')
    z.writestr("content.opf", '<?xml version="1.0"?><package xmlns="http://www.idpf.org/2007/opf" version="2.0"><metadata xmlns:dc="http://purl.org/dc/elements/1.1/"><dc:title>Big</dc:title></metadata><manifest><item id="c0" href="c0.xhtml" media-type="application/xhtml+xml"/></manifest><spine><itemref idref="c0"/></spine></package>')
    z.writestr("c0.xhtml", '<?xml version="1.0"?><html xmlns="http://www.w3.org/1999/xhtml"><body>' + body + "<p>open</body></html>")
PY
status=0
(ulimit -v "${MARKUP_LIMIT_KB:-730000}"; env QT_QPA_PLATFORM=offscreen "$cli" lines --layout classic "$scratch/broken.epub" > /dev/null 2> "$scratch/err.txt") || status=$?
echo "broken.epub under ${MARKUP_LIMIT_KB:-730000} KB: exit $status ($( tr -d '\n' < "$scratch/err.txt"))"
if (( status > 128 )); then echo "broken.epub crashed"; exit 1; fi
