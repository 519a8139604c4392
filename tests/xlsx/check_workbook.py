#!/usr/bin/env python3
"""Reads an .xlsx file written by the export back and compares it with the rows expected.

usage: check_workbook.py WORKBOOK.xlsx EXPECTED.tsv

EXPECTED.tsv is UTF-8 text, one sheet row a line, cells separated by tabs. Besides the
cell texts it checks what the export promises of the sheet's look: the number formats
of the columns (text in B..F and I..K, yy/mm/dd in G and hh:mm in H from row 2), the
header row centred with a medium top and a thin bottom border, the last row's medium
bottom border and the table's medium left and right edges. Exits 0 when all hold, else
prints what differs and exits 1.
"""
import re
import sys
import zipfile
import xml.etree.ElementTree as ET

NS = {"m": "http://schemas.openxmlformats.org/spreadsheetml/2006/main"}
BUILT_IN_FORMATS = {0: "General", 49: "@"}


def column_number(letters):
    number = 0
    for letter in letters:
        number = number * 26 + ord(letter) - ord("A") + 1
    return number


def read_workbook(path):
    with zipfile.ZipFile(path) as book:
        strings = []
        if "xl/sharedStrings.xml" in book.namelist():
            for item in ET.fromstring(book.read("xl/sharedStrings.xml")).findall("m:si", NS):
                strings.append("".join(t.text or "" for t in item.iter("{%s}t" % NS["m"])))
        styles = ET.fromstring(book.read("xl/styles.xml"))
        sheet = ET.fromstring(book.read("xl/worksheets/sheet1.xml"))
    formats = dict(BUILT_IN_FORMATS)
    for fmt in styles.findall("m:numFmts/m:numFmt", NS):
        formats[int(fmt.get("numFmtId"))] = fmt.get("formatCode")
    borders = []
    for border in styles.findall("m:borders/m:border", NS):
        borders.append({side: (border.find("m:" + side, NS).get("style") if border.find("m:" + side, NS) is not None else None)
                        for side in ("left", "right", "top", "bottom")})
    xfs = []
    for xf in styles.findall("m:cellXfs/m:xf", NS):
        alignment = xf.find("m:alignment", NS)
        xfs.append({"format": formats.get(int(xf.get("numFmtId", "0")), "?"),
                    "border": borders[int(xf.get("borderId", "0"))],
                    "horizontal": alignment.get("horizontal") if alignment is not None else None,
                    "vertical": alignment.get("vertical") if alignment is not None else None})
    cells = {}
    for cell in sheet.iter("{%s}c" % NS["m"]):
        letters, row = re.match(r"([A-Z]+)(\d+)", cell.get("r")).groups()
        value = cell.find("m:v", NS)
        text = ""
        if cell.get("t") == "s" and value is not None:
            text = strings[int(value.text)]
        elif cell.get("t") == "inlineStr":
            text = "".join(t.text or "" for t in cell.iter("{%s}t" % NS["m"]))
        elif value is not None:
            text = value.text
        cells[(int(row), column_number(letters))] = (text, xfs[int(cell.get("s", "0"))])
    return cells


def expected_format(row, column):
    if 2 <= column <= 6 or 9 <= column <= 11:
        return "@"
    if column == 7 and row >= 2:
        return "yy/mm/dd"
    if column == 8 and row >= 2:
        return "hh:mm"
    return "General"


def main():
    workbook, expected_file = sys.argv[1], sys.argv[2]
    with open(expected_file, encoding="utf-8") as source:
        rows = [line.rstrip("\n").split("\t") for line in source if line.rstrip("\n") != ""]
    cells = read_workbook(workbook)
    problems = []
    widest = max(len(row) for row in rows)
    for r, row in enumerate(rows, start=1):
        for c in range(1, widest + 1):
            want = row[c - 1] if c <= len(row) else ""
            text, style = cells.get((r, c), ("", None))
            if text != want:
                problems.append("%d,%d: %r, expected %r" % (r, c, text, want))
            if style is None:
                problems.append("%d,%d: no cell (the table's borders need one)" % (r, c))
                continue
            if style["format"] != expected_format(r, c):
                problems.append("%d,%d: format %r" % (r, c, style["format"]))
            if style["vertical"] != "center":
                problems.append("%d,%d: not centred vertically" % (r, c))
            border = style["border"]
            if r == 1 and (style["horizontal"] != "center" or border["top"] != "medium" or
                           (len(rows) > 1 and border["bottom"] != "thin")):
                problems.append("%d,%d: header look %r" % (r, c, style))
            if r == len(rows) and border["bottom"] != "medium":
                problems.append("%d,%d: last row without its medium bottom" % (r, c))
            if (c == 1 and border["left"] != "medium") or (c == widest and border["right"] != "medium"):
                problems.append("%d,%d: table edge %r" % (r, c, border))
    extra = [key for key in cells if key[0] > len(rows) or key[1] > widest]
    if extra:
        problems.append("cells outside the table: %r" % sorted(extra)[:5])
    for problem in problems[:20]:
        print(problem)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
