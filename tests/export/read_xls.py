"""Reads an .xls file with xlrd and prints what a test compares, as UTF-8 lines.

    warning <text>            anything xlrd complained about while opening the file
    sheets <count>
    sheet <name>
    size <rows> <columns>
    row <cell>\t<cell>...     every cell escaped (\\ \t \n \r), one line per row
    not-text <row> <column>   a cell that is not a text cell
    sst <total> <unique>      the shared string table's counts from the stream itself
    labelsst <count>          the cells that name a shared string
    extsst <ok|bad: why>      whether every lookup entry points at the string it should
"""
import io
import struct
import sys

import xlrd
from xlrd import compdoc


def escape(text):
    return (text.replace("\\", "\\\\").replace("\t", "\\t")
            .replace("\n", "\\n").replace("\r", "\\r"))


def records(stream):
    pos = 0
    while pos + 4 <= len(stream):
        kind, length = struct.unpack_from("<HH", stream, pos)
        yield pos, kind, stream[pos + 4:pos + 4 + length]
        pos += 4 + length


def check_lookup(stream, strings):
    """Follows each EXTSST entry into the SST and compares the string it finds there."""
    sst = extsst = None
    for pos, kind, data in records(stream):
        if kind == 0x00FC and sst is None:
            sst = pos
        if kind == 0x00FF:
            extsst = data
            break
    if extsst is None:
        return "bad: no EXTSST"
    per_set = struct.unpack_from("<H", extsst, 0)[0]
    expected_sets = (len(strings) + per_set - 1) // per_set
    if per_set < 8 or per_set != max(len(strings) // 128 + 1, 8):
        return "bad: %d strings per set" % per_set
    if (len(extsst) - 2) // 8 != expected_sets:
        return "bad: %d sets for %d strings" % ((len(extsst) - 2) // 8, len(strings))
    for k in range(expected_sets):
        ib, cb = struct.unpack_from("<IH", extsst, 2 + 8 * k)
        header = ib - cb
        kind = struct.unpack_from("<H", stream, header)[0]
        if kind not in (0x00FC, 0x003C) or header < sst:
            return "bad: set %d does not point into the table" % k
        cch, flags = struct.unpack_from("<HB", stream, ib)
        text = strings[k * per_set]
        if cch != len(text.encode("utf-16-le")) // 2:
            return "bad: set %d starts at a string of %d characters" % (k, cch)
        width = 2 if flags & 1 else 1
        record_end = header + 4 + struct.unpack_from("<H", stream, header + 2)[0]
        in_record = (record_end - (ib + 3)) // width
        if cch > 0 and in_record < 1:
            return "bad: set %d starts with a string header alone" % k
        shown = stream[ib + 3:ib + 3 + min(cch, 8, in_record) * width]
        prefix = shown.decode("utf-16-le" if width == 2 else "latin-1")
        if not text.startswith(prefix):
            return "bad: set %d starts at %r" % (k, prefix)
    return "ok"


def main(path):
    log = io.StringIO()
    book = xlrd.open_workbook(path, logfile=log, verbosity=0, on_demand=True)
    for line in log.getvalue().splitlines():
        if line.strip():
            print("warning", line.strip())
    print("sheets", book.nsheets)
    for sheet in book.sheets():
        print("sheet", sheet.name)
        print("size", sheet.nrows, sheet.ncols)
        for r in range(sheet.nrows):
            cells = sheet.row(r)
            for c, cell in enumerate(cells):
                if cell.ctype != xlrd.XL_CELL_TEXT:
                    print("not-text", r, c)
            print("row", "\t".join(escape(cell.value) for cell in cells))

    with open(path, "rb") as f:
        stream = compdoc.CompDoc(f.read(), logfile=log).get_named_stream("Workbook")
    labels = sum(1 for _, kind, _ in records(stream) if kind == 0x00FD)
    for _, kind, data in records(stream):
        if kind == 0x00FC:
            print("sst", *struct.unpack_from("<II", data, 0))
            break
    print("labelsst", labels)
    print("extsst", check_lookup(stream, book._sharedstrings))


if __name__ == "__main__":
    sys.stdout.reconfigure(encoding="utf-8")
    main(sys.argv[1])
