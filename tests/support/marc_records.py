#!/usr/bin/env python3
"""Writes MARC 21 records in ISO 2709 for the tests: serials and books, Thai
and English, as a library catalogue's export would hold them.

Usage: marc_records.py OUT.mrc

The serials, the books and what the tests expect of them are listed below; a
record of each kind repeats an earlier one so that skipping can be seen.
"""
import sys

FT, RT, SF = b"\x1e", b"\x1d", b"\x1f"

# (title, ISSN, language, newspaper, frequency)
SERIALS = [
    ("วารสารวิทยาศาสตร์เกษตร", "0125-0001", "tha", False, "รายเดือน"),
    ("วารสารคณิตศาสตร์ไทย", "0125-0002", "tha", False, "รายสามเดือน"),
    ("ไทยรัฐ", "0125-0003", "tha", True, "รายวัน"),
    ("มติชนสุดสัปดาห์", "0125-0004", "tha", False, "รายสัปดาห์"),
    ("วารสารประวัติศาสตร์ล้านนา", "", "tha", False, "รายปี"),
    ("Journal of Tropical Ecology", "0266-4674", "eng", False, "รายสองเดือน"),
    ("Bangkok Post", "0125-0005", "eng", True, "รายวัน"),
    ("Asian Journal of Mathematics", "1093-6106", "eng", False, "รายสามเดือน"),
    ("Library Trends", "0024-2594", "eng", False, "รายสามเดือน"),
    ("Japan Quarterly", "0021-4590", "jpn", False, "รายสามเดือน"),
    # the same ISSN again: one title only
    ("Library Trends (Online)", "0024-2594", "eng", False, "รายสามเดือน"),
]

# (title, author, subject, ISBN, language)
BOOKS = [
    ("การปลูกข้าวในภาคเหนือ", "สมชาย ใจดี", "ข้าว", "9789740000011", "tha"),
    ("คณิตศาสตร์เบื้องต้น", "สมหญิง รักเรียน", "คณิตศาสตร์", "9789740000028", "tha"),
    ("ประวัติศาสตร์ล้านนา", "สรัสวดี อ๋องสกุล", "ล้านนา -- ประวัติศาสตร์", "9789740000035", "tha"),
    ("Tropical Ecology", "Smith, John", "Ecology -- Tropics", "9780000000019", "eng"),
    ("Topics in Mathematics", "Brown, Alice", "Mathematics", "9780000000026", "eng"),
    ("Libraries in Asia", "Tanaka, Hiroshi", "Libraries -- Asia", "9780000000033", "eng"),
    ("Rice Farming Today", "Smith, John", "Rice", "9780000000040", "eng"),
]


def field(tag, data):
    return tag, data + FT


def datafield(tag, ind, subfields):
    body = ind.encode()
    for code, text in subfields:
        body += SF + code.encode() + text.encode("utf-8")
    return field(tag, body)


def record(kind_level, fields):
    directory = b""
    data = b""
    for tag, body in fields:
        directory += tag.encode() + b"%04d%05d" % (len(body), len(data))
        data += body
    directory += FT
    base = 24 + len(directory)
    length = base + len(data) + 1
    leader = b"%05dn%s a22%05d i 4500" % (length, kind_level.encode(), base)
    assert len(leader) == 24
    return leader + directory + data + RT


FREQ = {"รายวัน": "d", "รายสัปดาห์": "w", "รายเดือน": "m", "รายสองเดือน": "b",
        "รายสามเดือน": "q", "รายปี": "a"}


def serial(n, title, issn, lang, newspaper, frequency):
    fixed = "260101c2000" + "9999xx " + FREQ[frequency] + "r" + " " + ("n" if newspaper else "p")
    fixed = fixed.ljust(35) + lang + " d"
    fields = [field("001", b"lib-s%03d" % n), field("008", fixed.encode())]
    if issn:
        fields.append(datafield("022", "  ", [("a", issn)]))
    fields.append(datafield("245", "00", [("a", title + " /")]))
    fields.append(datafield("310", "  ", [("a", frequency)]))
    return record("as", fields)


def book(n, title, author, subject, isbn, lang):
    fixed = ("260101s2020    xx            000 0 " + lang + " d").encode()
    return record("am", [
        field("001", b"lib-b%03d" % n),
        field("008", fixed),
        datafield("020", "  ", [("a", isbn)]),
        datafield("100", "1 ", [("a", author)]),
        datafield("245", "10", [("a", title), ("c", author)]),
        datafield("650", " 4", [("a", subject)]),
    ])


def main():
    out = b""
    books = iter(enumerate(BOOKS))
    for n, s in enumerate(SERIALS):
        out += serial(n, *s)
        nxt = next(books, None)
        if nxt:
            out += book(nxt[0], *nxt[1])
    with open(sys.argv[1], "wb") as f:
        f.write(out)


if __name__ == "__main__":
    main()
