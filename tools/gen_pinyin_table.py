#!/usr/bin/env python3
"""Generate src/common/pinyinTable.inc, the initials table behind pos::getPinyinCode().

For every CJK Unified Ideograph from U+4E00 to U+9FA5 (20,902 characters) the
table holds three lower-case letters: the distinct initial letters of the
character's Mandarin readings, most common reading first, padded with blanks.
A character with no known reading gets three blanks.  getPinyinCode() uses only
the first letter of each entry.

Readings come from the Unihan database (Unihan_Readings.txt):
  * kMandarin gives the most common reading(s) and always comes first;
  * the other reading fields add further readings, in this order:
    kHanyuPinlu (ordered by frequency), kHanyuPinyin, kXHC1983, kTGHZ2013.
    For a character without kMandarin they supply every reading.
Tone marks are stripped to get the initial letter (zhòng -> z).
A short list in FIRST_READING_OVERRIDES puts the letter the terminal's users
expect first where Unihan's most common reading differs from it.

Regenerate (from the repository root) after a Unihan update:

    python3 tools/gen_pinyin_table.py                 # Debian's unicode-data
    python3 tools/gen_pinyin_table.py PATH [-o OUT]

PATH may be Unihan_Readings.txt, the same file compressed (.bz2/.gz), a
Unihan.zip, or a directory holding one of these.  The default is
/usr/share/unicode/Unihan_Readings.txt.bz2 from the Debian package
`unicode-data`.  The default output is src/common/pinyinTable.inc next to this
script's repository.  Commit the regenerated file; the build does not run this
script.  Only the Python 3 standard library is needed.
"""

import argparse
import bz2
import gzip
import io
import os
import sys
import unicodedata
import zipfile

FIRST = 0x4E00
LAST = 0x9FA5
COUNT = LAST - FIRST + 1  # 20902
WIDTH = 3  # letters per character

DEFAULT_SOURCE = "/usr/share/unicode/Unihan_Readings.txt.bz2"
REPO_ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
DEFAULT_OUTPUT = os.path.join(REPO_ROOT, "src", "common", "pinyinTable.inc")

# Field order: kMandarin first (most common reading), then the other sources.
FIELDS = ("kMandarin", "kHanyuPinlu", "kHanyuPinyin", "kXHC1983", "kTGHZ2013")

# Characters whose letter code starts with a reading other than Unihan's first
# one.  长 is coded C (cháng, as in 长期, 长度 and the surname) although
# kMandarin lists zhǎng.
FIRST_READING_OVERRIDES = {
    0x957F: "cháng",  # 长
}

CHARS_PER_LINE = 96  # table letters per string-literal line (32 characters)


def open_readings(path):
    """Return a text stream over Unihan_Readings.txt found at *path*."""
    if os.path.isdir(path):
        for name in ("Unihan_Readings.txt", "Unihan_Readings.txt.bz2",
                     "Unihan_Readings.txt.gz", "Unihan.zip"):
            candidate = os.path.join(path, name)
            if os.path.exists(candidate):
                return open_readings(candidate)
        sys.exit(f"error: no Unihan readings file in {path}")
    if path.endswith(".zip"):
        archive = zipfile.ZipFile(path)
        data = archive.read("Unihan_Readings.txt")
        return io.StringIO(data.decode("utf-8"))
    if path.endswith(".bz2"):
        return bz2.open(path, "rt", encoding="utf-8")
    if path.endswith(".gz"):
        return gzip.open(path, "rt", encoding="utf-8")
    return open(path, "r", encoding="utf-8")


def split_readings(field, value):
    """Split one Unihan field value into its readings, in the listed order.

    kMandarin: "zhòng"                   kHanyuPinlu: "xíng(2943) háng(218)"
    kHanyuPinyin: "20811.060:háng,xìng"  kXHC1983 / kTGHZ2013: "0442.080:háng 0443.050:hàng"
    """
    readings = []
    for token in value.split():
        if field == "kHanyuPinlu":
            token = token.split("(", 1)[0]
        elif ":" in token:
            token = token.split(":", 1)[1]
        readings.extend(r for r in token.split(",") if r)
    return readings


def initial(reading):
    """First letter of a reading with tone marks removed (ǚ -> u, ḿ -> m)."""
    base = "".join(c for c in unicodedata.normalize("NFD", reading)
                   if not unicodedata.combining(c)).lower()
    letter = base[:1]
    if not ("a" <= letter <= "z"):
        raise ValueError(f"reading {reading!r} does not start with a letter")
    return letter


def load_readings(stream):
    """Map code point -> {field: [readings]} for the table's range."""
    table = {}
    for line in stream:
        if not line.startswith("U+"):
            continue
        parts = line.rstrip("\n").split("\t")
        if len(parts) < 3 or parts[1] not in FIELDS:
            continue
        code = int(parts[0][2:], 16)
        if FIRST <= code <= LAST:
            table.setdefault(code, {})[parts[1]] = split_readings(parts[1], parts[2])
    return table


def initials_for(code, fields):
    """Up to WIDTH distinct initials, most common reading first."""
    readings = []
    if code in FIRST_READING_OVERRIDES:
        readings.append(FIRST_READING_OVERRIDES[code])
    for field in FIELDS:
        readings.extend(fields.get(field, ()))
    letters = []
    for reading in readings:
        letter = initial(reading)
        if letter not in letters:
            letters.append(letter)
    return "".join(letters[:WIDTH])


def build_table(readings_by_code):
    entries = []
    for code in range(FIRST, LAST + 1):
        entries.append(initials_for(code, readings_by_code.get(code, {})).ljust(WIDTH))
    return "".join(entries)


def render(table):
    lines = [
        "// Generated by tools/gen_pinyin_table.py from Unihan kMandarin; do not edit.",
        f"static constexpr char kPinyinInitials[{COUNT} * {WIDTH} + 1] =",
    ]
    for start in range(0, len(table), CHARS_PER_LINE):
        lines.append(f'    "{table[start:start + CHARS_PER_LINE]}"')
    lines[-1] += ";"
    return "\n".join(lines) + "\n"


def main(argv=None):
    parser = argparse.ArgumentParser(description=__doc__.split("\n", 1)[0])
    parser.add_argument("source", nargs="?", default=DEFAULT_SOURCE,
                        help=f"Unihan readings file, zip or directory (default {DEFAULT_SOURCE})")
    parser.add_argument("-o", "--output", default=DEFAULT_OUTPUT,
                        help="output file (default src/common/pinyinTable.inc)")
    args = parser.parse_args(argv)

    with open_readings(args.source) as stream:
        readings_by_code = load_readings(stream)
    table = build_table(readings_by_code)
    assert len(table) == COUNT * WIDTH

    with open(args.output, "w", encoding="ascii", newline="\n") as out:
        out.write(render(table))

    entries = [table[i:i + WIDTH].strip() for i in range(0, len(table), WIDTH)]
    print(f"wrote {args.output}: {COUNT} characters; "
          f"{sum(1 for e in entries if not e)} without reading, "
          f"{sum(1 for e in entries if len(e) == 1)} with one initial, "
          f"{sum(1 for e in entries if len(e) == 2)} with two, "
          f"{sum(1 for e in entries if len(e) == 3)} with three")
    return 0


if __name__ == "__main__":
    sys.exit(main())
