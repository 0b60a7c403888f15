#!/usr/bin/env python3
"""Old-program desk files (Vorlen.mdb) for the import tests, made with jet_writer.

Usage:
    python3 tests/support/vorlen_fixtures.py FOLDER          write the fixtures
    python3 tests/support/vorlen_fixtures.py --check FOLDER  read them back with mdbtools
    python3 tests/support/vorlen_fixtures.py --bench FOLDER  write FOLDER/bench.mdb:
                                                             50,000 titles, 2,000,000 issues

Fixtures, each FILE.mdb with FILE.expected.json beside it:
    desk.mdb        300 titles with their subscriptions, subjects, issues, publishers
                    and code tables: Thai and English text, empty and NULL values,
                    surrounding spaces, memos of up to 11,000 characters and every doubtful
                    row the import reports (see "doubtful" in the expected file)
    edited.mdb      the same desk after a year of use: deleted issues and a deleted
                    title, subscription rows an update moved to another page, and
                    issues moved and then deleted (which libmdb 1.0 returns as live)
    desk-jet3.mdb   the same desk as an Access 97 (Jet 3) file, text in code page 874
    types.mdb       one table of every column type the writer knows, for type tests
    no-tranfile.mdb the desk without its issue table
    not-a-database.mdb  a text file
    truncated.mdb   the start of desk.mdb: a Jet header, but no table can be read

An expected file holds, per table, "columns" (names by position) and "rows": the
live rows as the import should read them, in the file's page order, every value as
text and a NULL as empty text. Where libmdb 1.0 returns other rows (deleted rows
that come back), "libmdb_rows" lists what it returns. In the desk files "doubtful"
names the planted rows a clerk should look at (by table and pointer, or magno for
issues), "raised" the counter and key series the import must raise and to what,
and "spaced_keys" the title keys stored with a space.
"""

import csv
import io
import json
import os
import random
import subprocess
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from jet_writer import JetWriter, reading_order  # noqa: E402


def text_columns(*names, size=50):
    return [{"name": n, "type": "text", "size": size} for n in names]


CODE_TABLES = {
    "typemag": (("Type_Code", "Type_Thai_Descrition"),
                [["1", "วิทยาศาสตร์"], ["2", "สังคมศาสตร์"], ["3", "มนุษยศาสตร์"],
                 ["4", "บันเทิง"]]),
    "magtype": (("MagType_Code", "MagType_Thai_Des"),
                [["01", "รายวัน"], ["02", "รายสัปดาห์"], ["03", "รายปักษ์"], ["04", "รายเดือน"],
                 ["05", "ราย 3 เดือน"], ["06", "รายปี"]]),
    "maglang": (("Language_Code", "LangDesTh"),
                [["01", "ภาษาไทย"], ["02", "ภาษาอังกฤษ"], ["03", "ภาษาญี่ปุ่น"]]),
    "department": (("Department_Code", "Department_Thai_Des"),
                   [["01", "คณะวิทยาศาสตร์"], ["02", "คณะมนุษยศาสตร์"], ["03", "สำนักหอสมุด"],
                    ["04", "คณะแพทยศาสตร์"]]),
    "receives": (("receivestatus", "receivestatusdes"),
                 [["1", "บอกรับ"], ["2", "ให้เปล่า"], ["3", "แลกเปลี่ยน"]]),
    "currmony": (("Currency_Code", "Currency_Thai_Des"),
                 [["1", "บาท"], ["2", "ดอลลาร์สหรัฐ"], ["3", "เยน"]]),
    "statustype": (("status_Code", "Status_Thai_Descrition"),
                   [["1", "สมาชิกปัจจุบัน"], ["2", "หมดอายุ"], ["3", None]]),
    "bindcolor": (("BindType_Code", "BindColor_DesTh"),
                  [["1", "แดง"], ["2", "น้ำเงิน"], ["3", ""]]),
    "bindtype": (("BindType_Code", "BindType_Des"), [["1", "เย็บเล่ม"], ["2", "ไม่เย็บเล่ม"]]),
}

VORLEN1 = text_columns("pointer", size=10) + text_columns(
    "vorlen_name", "compare_name", "old_name", "shot_name", size=255) + \
    [{"name": "remark", "type": "memo"}] + text_columns(
        "First_year_printed", "issn", "language_code", "magtype_code", "number_per_volume",
        "volume_per_year", "publisher_code", size=20)
VORLEN = text_columns("pointer", size=10) + text_columns(
    "department_code", "bind_type_code", "Receive_Code", "bind_color_code", "copy_per_year",
    "price_per_year", "currency_code", "exchange_rate", "begin_period", "end_period",
    "order_date", "publisher_code", "status_code", size=20)
TYPECLASS = text_columns("pointer", "type_code", size=10)
RECSETUP = text_columns("setup_no", "next_key1", "next_key2", "next_key3", "next_key4", size=10)
DEALER = text_columns("Publisher_Code", size=10) + text_columns(
    "Publisher_Name", "Publisher_Abbrev", "Publisher_Address1", "Publisher_Address2",
    "Publisher_Phone", "Publisher_Fax", "Publisher_Email", "Contact_Name", size=255)
TRANFILE = text_columns("magno", size=10) + text_columns(
    "department_code", "pointer", "receivedate", "daily", "yearno", "issueno", size=20) + \
    text_columns("descriptionitem", size=255)
JOURCTRL = text_columns("nextmagno", size=10)

THAI_WORDS = ["วารสาร", "วิทยาศาสตร์", "การแพทย์", "เกษตร", "เศรษฐกิจ", "การศึกษา", "ภาษาไทย",
              "ข่าว", "ธุรกิจ", "สุขภาพ", "วัฒนธรรม", "กฎหมาย"]
ENGLISH_WORDS = ["Journal", "Review", "Applied", "Science", "Medicine", "Economics", "Letters",
                 "Quarterly", "Studies", "Bangkok", "Post", "Asian"]
# What the old window left in a publisher field when nothing was picked.
PLACEHOLDERS = ["ค้นหาสำนักพิมพ์", "Text6", "-"]
ORPHAN = "J000077"
SERIES = (("J", 120, "01"), ("I", 120, "02"), ("K", 30, "01"), ("L", 30, "03"))


def date(rng, year_from=1995, year_to=2025):
    return "%02d/%02d/%04d" % (rng.randint(1, 28), rng.randint(1, 12),
                               rng.randint(year_from, year_to))


def title_name(rng, thai):
    words = THAI_WORDS if thai else ENGLISH_WORDS
    return " ".join(rng.choice(words) for _ in range(rng.randint(2, 5)))


class Desk:
    """The tables of one desk as lists of rows, with the doubtful rows planted in them."""

    def __init__(self, seed=26):
        rng = random.Random(seed)
        self.doubtful = []
        self.tables = {}
        for name, (columns, rows) in CODE_TABLES.items():
            self.tables[name] = (text_columns(*columns), [list(r) for r in rows])
        self.dealers(rng)
        self.titles(rng)
        self.issues(rng)
        self.tables["recsetup"] = (RECSETUP, [["1", "J000100", "I000121", "K000031",
                                               "L000010"]])
        self.raised = {"recsetup": {"next_key1": "J000121", "next_key4": "L000031"},
                       "jourctrl": {"nextmagno": str(self.highest_magno + 1)}}

    def flag(self, reason, table, key):
        self.doubtful.append({"reason": reason, "table": table, "key": key})

    def dealers(self, rng):
        rows = []
        for code in range(1, 41):
            thai = code % 3 != 0
            rows.append([str(code), ("สำนักพิมพ์" if thai else "Press ") + title_name(rng, thai),
                         None, "%d ถนนพหลโยธิน" % code if code % 4 else "",
                         None if code % 5 == 0 else "กรุงเทพฯ 10900", None, None,
                         "p%d@example.org" % code if code % 6 == 0 else None,
                         "คุณ" + rng.choice(THAI_WORDS) if code % 2 else ""])
        rows[20][1] = "  ศูนย์หนังสือ จุฬาฯ  "
        self.tables["dealer"] = (DEALER, rows)

    def titles(self, rng):
        vorlen1, vorlen, typeclass = [], [], []
        self.keys = []
        long_memo = ("บันทึกการบอกรับ " + "Subscription note. " * 3) * 150
        for letter, count, language in SERIES:
            for n in range(1, count + 1):
                key = "%s%06d" % (letter, n)
                self.keys.append(key)
                thai = language == "01"
                i = len(self.keys)
                blank = "  " if i % 3 else (None if i % 2 else "")
                vorlen1.append([
                    key, title_name(rng, thai), blank, blank if i % 4 else title_name(rng, thai),
                    blank if i % 5 else key[:1] + str(n), None if i % 7 else "หมายเหตุ %d" % i,
                    date(rng), "%04d-%04d" % (rng.randint(0, 9999), i) if i % 6 else "",
                    language, "%02d" % rng.randint(1, 6), str(rng.randint(1, 12)),
                    str(rng.randint(1, 4)), str(rng.randint(1, 40))])
                vorlen.append([key, "%02d" % rng.randint(1, 4), str(rng.randint(1, 2)),
                               str(rng.randint(1, 3)), str(rng.randint(1, 3)), "1",
                               str(rng.randint(5, 500) * 10), str(rng.randint(1, 3)),
                               "1" if thai else "%.2f" % rng.uniform(1, 40),
                               date(rng, 2020, 2024), date(rng, 2025, 2027),
                               date(rng, 2019, 2024), str(rng.randint(1, 40)),
                               str(rng.randint(1, 2))])
                typeclass.append([key, str(rng.randint(1, 4))])
                if i % 25 == 0:  # a second faculty subscribes to the same title
                    second = list(vorlen[-1])
                    second[1] = "03"
                    vorlen.append(second)
        vorlen1[1][5] = long_memo
        vorlen1[2][5] = "x" * 4500  # compressed: 4,502 bytes, two long-value pages
        vorlen1[6][5] = "ข" * 1500  # 3,000 bytes: one long-value page
        vorlen1[7][5] = "ค" * 25000  # 75,000 bytes of UTF-8: more than a small read holds
        vorlen1[3][1] = "  The Bangkok Review  "
        # Keys stored with a space, as the title window writes them untrimmed.
        vorlen1[49][0] = "J000050 "
        vorlen1[129][0] = " I000010"
        self.spaced_keys = ["J000050 ", " I000010"]
        duplicate = list(vorlen1[4])
        duplicate[1] = "ชื่อซ้ำ " + duplicate[1]
        vorlen1.insert(5, duplicate)
        self.flag("title key with more than one title row", "vorlen1", "J000005")
        # A title deletion that stopped after the title row: its other rows stay.
        vorlen1.remove(next(r for r in vorlen1 if r[0] == ORPHAN))
        self.flag("subscription without a title", "vorlen", ORPHAN)
        self.flag("subject without a title", "typeclass", ORPHAN)
        for table, rows, index, column, value, reason in (
                ("vorlen1", vorlen1, 10, 8, "07", "language code no code table holds"),
                ("vorlen1", vorlen1, 11, 9, "99", "frequency code no code table holds"),
                ("vorlen", vorlen, 12, 1, "88", "department code no code table holds"),
                ("vorlen", vorlen, 13, 7, "9", "currency code no code table holds"),
                ("typeclass", typeclass, 14, 1, "Z", "subject code no code table holds"),
                ("vorlen1", vorlen1, 20, 12, PLACEHOLDERS[0], "publisher code not a number"),
                ("vorlen1", vorlen1, 21, 12, PLACEHOLDERS[1], "publisher code not a number"),
                ("vorlen1", vorlen1, 22, 12, "999", "publisher code names no publisher"),
                ("vorlen", vorlen, 23, 12, PLACEHOLDERS[2], "agent code not a number"),
                ("vorlen", vorlen, 24, 12, "", "agent code not a number"),
                ("vorlen1", vorlen1, 30, 6, "2003", "date not dd/mm/yyyy"),
                ("vorlen1", vorlen1, 31, 6, "  /  /    ", "date not dd/mm/yyyy"),
                ("vorlen", vorlen, 32, 10, "31/02/2026", "date not dd/mm/yyyy"),
                ("vorlen", vorlen, 33, 9, "1/2/2024", "date not dd/mm/yyyy"),
                ("vorlen", vorlen, 34, 11, "2024-05-01", "date not dd/mm/yyyy")):
            rows[index][column] = value
            self.flag(reason, table, rows[index][0])
        self.tables["vorlen1"] = (VORLEN1, vorlen1)
        self.tables["vorlen"] = (VORLEN, vorlen)
        self.tables["typeclass"] = (TYPECLASS, typeclass)

    def issues(self, rng):
        planted = {d["key"] for d in self.doubtful} | {ORPHAN}
        subscriptions = [r for r in self.tables["vorlen"][1] if r[0] not in planted]
        rows = []
        for magno in range(1, 3001):
            sub = subscriptions[rng.randrange(len(subscriptions))]
            thai = sub[0][0] in "JK"
            rows.append([str(magno), sub[1], sub[0], date(rng, 2015, 2026),
                         date(rng, 2015, 2026), str(rng.randint(1, 40)), str(rng.randint(1, 12)),
                         ("ฉบับที่ %d" % rng.randint(1, 99)) if thai else
                         "Vol. %d no. %d" % (rng.randint(1, 40), rng.randint(1, 12))])
        rows[6] = rows[6][:5] + [None, "", None]
        rows[76][0] = " 77"  # found by trim(magno)
        rows[100][2] = " K000003"
        rows[101][7] = "  ฉบับพิเศษ: 'ครบรอบ' \"50 ปี\"  "
        rows[102][7] = "ข" * 255
        for index, magno in ((1499, "1500"), (1999, "2000 ")):
            rows.append(list(rows[index]))
            rows[-1][0] = magno
            self.flag("registration number used twice", "tranfile", magno.strip())
        rows.append(["3001", "01", ORPHAN] + rows[0][3:])
        rows[1233][2] = ORPHAN
        for magno in ("1234", "3001"):
            self.flag("issue without a title", "tranfile", magno)
        rows[200][4] = "15/13/2004"
        self.flag("date not dd/mm/yyyy", "tranfile", "201")
        rows[201][3] = "32/01/2020"
        self.flag("date not dd/mm/yyyy", "tranfile", "202")
        self.highest_magno = 3001
        self.tables["tranfile"] = (TRANFILE, rows)
        # The counter fell behind the register: the import must raise it.
        self.tables["jourctrl"] = (JOURCTRL, [["2900"]])
        self.flag("counter raised", "jourctrl", "2900")
        self.flag("key series raised", "recsetup", "J000100")
        self.flag("key series raised", "recsetup", "L000010")


TABLE_ORDER = ["typemag", "magtype", "maglang", "department", "receives", "currmony",
               "statustype", "bindcolor", "bindtype", "dealer", "vorlen1", "vorlen", "typeclass",
               "recsetup", "tranfile", "jourctrl"]


def as_text(row):
    return ["" if v is None else v if isinstance(v, str) else str(v) for v in row]


def write_fixture(folder, name, tables, version=4, extra=None, typed=False):
    """tables: [(name, columns, rows, deleted, moved)]; writes NAME.mdb and NAME.expected.json.
    A typed fixture keeps its values as JSON numbers, booleans and nulls."""
    expected = {"file": name + ".mdb", "version": version, "typed": typed, "tables": {}}
    shown = (lambda r: r) if typed else as_text
    with JetWriter(os.path.join(folder, name + ".mdb"), version) as db:
        for table, columns, rows, deleted, moved in tables:
            db.add_table(table, columns, rows, deleted, moved)
            live, returned = reading_order(rows, deleted, moved)
            entry = {"columns": [c["name"] for c in columns], "rows": [shown(r) for r in live]}
            if typed:
                entry["types"] = [c["type"] for c in columns]
            if returned != live:
                entry["libmdb_rows"] = [shown(r) for r in returned]
            expected["tables"][table] = entry
    expected.update(extra or {})
    with open(os.path.join(folder, name + ".expected.json"), "w", encoding="utf-8") as f:
        json.dump(expected, f, ensure_ascii=False, indent=1)


def desk_tables(desk, skip=()):
    return [(t, desk.tables[t][0], desk.tables[t][1], (), ()) for t in TABLE_ORDER
            if t not in skip]


def edited_tables(desk):
    """A year of edits: deleted issues, a deleted title, rewritten (moved) subscriptions."""
    tables = []
    gone = desk.keys[2]  # the title window deleted J000003, leaving its issues
    for t, columns, rows, _, _ in desk_tables(desk):
        deleted, moved = set(), set()
        if t == "tranfile":
            deleted = set(range(5, len(rows) - 3, 50))
            moved = set(range(30, len(rows) - 3, 97)) | set(range(5, 1000, 250))
        elif t == "vorlen":
            moved = set(range(3, len(rows), 40))
        if t in ("vorlen1", "vorlen", "typeclass"):
            deleted |= {i for i, r in enumerate(rows) if r[0] == gone}
        tables.append((t, columns, rows, deleted, moved))
    return tables


def too_long_tables(desk):
    """The desk with one issue whose title key is longer than the store's keys take."""
    tables = []
    for t, columns, rows, deleted, moved in desk_tables(desk):
        if t == "tranfile":
            columns = [dict(c, size=40) if c["name"] == "pointer" else c for c in columns]
            rows = [list(r) for r in rows]
            rows[-1][2] = "J" + "0" * 24
        tables.append((t, columns, rows, deleted, moved))
    return tables


def types_table():
    columns = [{"name": "t_text", "type": "text", "size": 40},
               {"name": "t_plain", "type": "text", "size": 40, "compress": False},
               {"name": "t_memo", "type": "memo"}, {"name": "t_long", "type": "long"},
               {"name": "t_int", "type": "int"}, {"name": "t_byte", "type": "byte"},
               {"name": "t_double", "type": "double"}, {"name": "t_date", "type": "datetime"},
               {"name": "t_bool", "type": "bool"}]
    rows = [["ascii", "ascii", "สั้น", 2147483647, -32768, 255, 1.5, "2003-01-31 10:20:30", True],
            ["ไทย", "ไทย", "ก" * 5000, -2147483648, 32767, 0, -0.25, "1999-12-31 00:00:00",
             False],
            ["", "", "", 0, 0, 0, 0.0, "1899-12-30 00:00:00", True],
            [None] * 8 + [False]]
    rows += [["row %d" % i, "แถว %d" % i, None, i, i % 100, i % 256, i / 4.0,
              "2020-02-29 12:00:00", i % 2 == 0] for i in range(600)]
    return ("every_type", columns, rows, {4, 5, 600}, {6, 7, 600})


def write_all(folder):
    os.makedirs(folder, exist_ok=True)
    desk = Desk()
    extra = {"doubtful": desk.doubtful, "raised": desk.raised, "spaced_keys": desk.spaced_keys}
    write_fixture(folder, "desk", desk_tables(desk), 4, extra)
    write_fixture(folder, "edited", edited_tables(desk), 4,
                  {"raised": desk.raised, "deleted_title": desk.keys[2]})
    write_fixture(folder, "desk-jet3", desk_tables(desk), 3, extra)
    write_fixture(folder, "no-tranfile", desk_tables(desk, skip=("tranfile",)), 4,
                  {"missing_table": "tranfile"})
    write_fixture(folder, "types", [types_table()], 4, typed=True)
    write_fixture(folder, "too-long", too_long_tables(desk), 4)
    with open(os.path.join(folder, "not-a-database.mdb"), "w", encoding="utf-8") as f:
        f.write("นี่ไม่ใช่ฐานข้อมูล: a text file renamed .mdb\n" * 200)
    # A copy cut short: the header reads, the catalogue (written last) does not.
    with open(os.path.join(folder, "desk.mdb"), "rb") as f:
        start = f.read(300000)
    with open(os.path.join(folder, "truncated.mdb"), "wb") as f:
        f.write(start)
    for name in ("not-a-database", "truncated"):
        with open(os.path.join(folder, name + ".expected.json"), "w", encoding="utf-8") as f:
            json.dump({"file": name + ".mdb", "unreadable": True, "tables": {}}, f)


def export_value(kind, value):
    """A value as mdb-export prints it with the options `check` uses."""
    if value is None or value == "":
        return ""
    if kind == "bool":
        return "1" if value else "0"
    if kind == "double":
        return "%.16g" % value
    if kind == "datetime":
        return value if value >= "1899-12-30" else "1900-01-00 00:00:00"  # libmdb 1.0
    return str(value)


def check(folder):
    """Compares mdb-export and mdb-count with each expected file; returns the mismatches."""
    failures = []
    for name in sorted(os.listdir(folder)):
        if not name.endswith(".expected.json"):
            continue
        with open(os.path.join(folder, name), encoding="utf-8") as f:
            expected = json.load(f)
        path = os.path.join(folder, expected["file"])
        env = dict(os.environ, MDB_JET3_CHARSET="CP874", MDBICONV="UTF-8")
        listed = subprocess.run(["mdb-tables", "-1", path], capture_output=True, text=True,
                                env=env).stdout.split()
        if expected.get("unreadable") and listed:
            failures.append("%s: mdb-tables lists %s" % (expected["file"], listed))
        for table, entry in expected["tables"].items():
            where = "%s %s" % (expected["file"], table)
            if table not in listed:
                failures.append("%s: not listed by mdb-tables" % where)
                continue
            out = subprocess.run(["mdb-export", "-T", "%Y-%m-%d %H:%M:%S", path, table],
                                 capture_output=True, text=True, env=env)
            got = list(csv.reader(io.StringIO(out.stdout, newline="")))
            count = subprocess.run(["mdb-count", path, table], capture_output=True, text=True,
                                   env=env).stdout.strip()
            # libmdb 1.0 returns moved-then-deleted rows as live; its count is right.
            returned = entry.get("libmdb_rows", entry["rows"])
            kinds = entry.get("types", ["text"] * len(entry["columns"]))
            want = [[export_value(k, v) for k, v in zip(kinds, r)] for r in returned]
            if got[:1] != [entry["columns"]]:
                failures.append("%s: columns %s" % (where, got[:1]))
            elif got[1:] != want:
                bad = next(i for i, (a, b) in enumerate(zip(got[1:] + [None] * len(want), want))
                           if a != b)
                failures.append("%s: %d rows exported for %d, first difference at row %d" %
                                (where, len(got) - 1, len(want), bad))
            if count != str(len(entry["rows"])):
                failures.append("%s: mdb-count %s for %d live rows" %
                                (where, count, len(entry["rows"])))
            if "libmdb_rows" in entry:
                print("%s: mdb-export returns %d rows, %d are live" %
                      (where, len(returned), len(entry["rows"])))
    return failures


def bench_rows(titles, issues):
    rng = random.Random(50000)
    days = [date(rng, 2000, 2026) for _ in range(997)]  # a pool: quicker than a draw a cell
    keys = ["%s%06d" % ("JIKL"[i % 4], i // 4 + 1) for i in range(titles)]
    vorlen1 = ([k, title_name(rng, i % 2 == 0), "  ", "  ", "  ", None, days[i % 997],
                "1234-5678", "01" if i % 2 == 0 else "02", "04", "12", "1", str(i % 40 + 1)]
               for i, k in enumerate(keys))
    vorlen = ([k, "%02d" % (i % 4 + 1), "1", "1", "1", "1", "1200", "1", "1", days[i % 997],
               date(rng, 2025, 2027), days[i % 991], str(i % 40 + 1), "1"]
              for i, k in enumerate(keys))
    typeclass = ([k, str(i % 4 + 1)] for i, k in enumerate(keys))
    tranfile = ([str(n + 1), "%02d" % (n % 4 + 1), keys[n % titles], days[n % 997],
                 days[n % 991], str(n % 40 + 1), str(n % 12 + 1), "ฉบับที่ %d" % (n % 99 + 1)]
                for n in range(issues))
    return {"vorlen1": vorlen1, "vorlen": vorlen, "typeclass": typeclass, "tranfile": tranfile,
            "jourctrl": [[str(issues + 1)]],
            "recsetup": [["1"] + ["%s%06d" % (letter, titles // 4 + 1) for letter in "JIKL"]]}


def write_bench(folder, titles=50000, issues=2000000):
    os.makedirs(folder, exist_ok=True)
    desk = Desk()
    generated = bench_rows(titles, issues)
    with JetWriter(os.path.join(folder, "bench.mdb")) as db:
        for t in TABLE_ORDER:
            db.add_table(t, desk.tables[t][0], generated.get(t, desk.tables[t][1]))


def main(argv):
    if len(argv) == 2 and not argv[1].startswith("-"):
        write_all(argv[1])
        return 0
    if len(argv) == 3 and argv[1] == "--bench":
        write_bench(argv[2])
        return 0
    if len(argv) == 3 and argv[1] == "--check":
        failures = check(argv[2])
        for failure in failures:
            print("FAIL", failure)
        return 1 if failures else 0
    sys.stderr.write(__doc__)
    return 2


if __name__ == "__main__":
    sys.exit(main(sys.argv))
