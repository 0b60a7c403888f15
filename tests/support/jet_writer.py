#!/usr/bin/env python3
"""Writes Access (.mdb) files for tests, in the form libmdb (mdbtools) reads.

Usage:
    python3 tests/support/jet_writer.py SPEC.json OUT.mdb

SPEC.json:
    {"version": 4,                      4: Jet 4 (Access 2000), 3: Jet 3 (Access 97)
     "tables": [
       {"name": "tranfile",
        "columns": [{"name": "magno", "type": "text", "size": 10}, ...],
        "rows": [["125", "01", null, ...], ...],
        "deleted": [3, 7],
        "moved": [5, 7]}]}

Column types: text (size in characters, default 255; "compress": false keeps
plain UTF-16 where compressed Unicode would be shorter), memo (any length:
inline, one long-value page or a chain of them), long, int, byte, double,
datetime (a number of days since 1899-12-30 or the text "YYYY-MM-DD HH:MM:SS"),
bool (true/false). A value of null is a NULL.

"deleted" rows are written and then flagged deleted (0xC000), as Jet leaves
them. "moved" rows stand for rows an update rewrote elsewhere: their old slot
(0x4000) holds a pointer to the row, now on a later page and flagged 0x8000.
A row in both lists was moved and then deleted: its old slot is flagged
0xC000 and the moved row keeps its 0x8000 flag, which libmdb 1.0 reads as
live. `reading_order` gives the rows a correct reader returns and those
libmdb 1.0 returns, in page order.

As a library:
    with JetWriter("out.mdb", version=4) as db:
        db.add_table("jourctrl", [{"name": "nextmagno", "type": "text"}], [["126"]])
`add_table` takes any iterable of rows and keeps only one page of them in
memory, so large files are written with bounded memory.

Jet 3 text is stored in the Windows code page given as `codepage` ("codepage"
in SPEC.json; default 874, Thai), which the header also names. libmdb 1.0
decodes Jet 3 text by that header field unless MDB_JET3_CHARSET names another.
"""

import datetime
import json
import re
import struct
import sys

TYPE_CODES = {"bool": 0x01, "byte": 0x02, "int": 0x03, "long": 0x04, "double": 0x07,
              "datetime": 0x08, "text": 0x0A, "ole": 0x0B, "memo": 0x0C}
FIXED_SIZES = {"bool": 0, "byte": 1, "int": 2, "long": 4, "double": 8, "datetime": 8}
FIXED_FORMATS = {"byte": "<B", "int": "<h", "long": "<i", "double": "<d", "datetime": "<d"}

DELETED, OVERFLOW, LOOKUP = 0xC000, 0x4000, 0x8000
EPOCH = datetime.datetime(1899, 12, 30)


class Format:
    """The layout constants that differ between Jet 3 and Jet 4."""

    def __init__(self, version):
        self.jet4 = version == 4
        if version not in (3, 4):
            raise ValueError("version must be 3 or 4, not %r" % version)
        self.page = 4096 if self.jet4 else 2048
        self.row_count = 12 if self.jet4 else 8  # data page: u16 row count
        self.first_offset = self.row_count + 2
        self.max_row = self.page - self.first_offset - 2
        self.lval_piece = self.max_row - 4  # bytes of a chained long value
        self.col_entry = 25 if self.jet4 else 18
        # tdef: num_rows, type, max_cols, num_var_cols, num_cols, num_idx,
        # num_real_idx, used map, free map, first column entry
        self.tdef = ((16, 40, 41, 43, 45, 47, 51, 55, 59, 63) if self.jet4 else
                     (12, 20, 21, 23, 25, 27, 31, 35, 39, 43))
        self.tdef_continued = 8  # data of a continuation tdef page starts here


def rc4(key, data):
    s = list(range(256))
    j = 0
    for i in range(256):
        j = (j + s[i] + key[i % len(key)]) & 0xFF
        s[i], s[j] = s[j], s[i]
    out = bytearray(data)
    i = j = 0
    for n in range(len(out)):
        i = (i + 1) & 0xFF
        j = (j + s[i]) & 0xFF
        s[i], s[j] = s[j], s[i]
        out[n] ^= s[(s[i] + s[j]) & 0xFF]
    return bytes(out)


WIDE_RUNS = re.compile("([^\x01-\xff]+)")


def compress_unicode(text):
    """Jet 4 compressed form (FF FE, one byte a character, 00 toggles to and
    from two-byte units), or None where a character cannot be written so."""
    out = [b"\xff\xfe"]
    for i, part in enumerate(WIDE_RUNS.split(text)):
        if i % 2 == 0:
            out.append(part.encode("latin-1"))
            continue
        wide = part.encode("utf-16-le")
        if len(wide) != 2 * len(part) or 0 in wide[0::2]:
            return None  # a unit with low byte 0 would read as a toggle
        out += (b"\0", wide, b"\0")
    return b"".join(out)


def encode_text(fmt, text, compress, codepage):
    if not fmt.jet4:
        return text.encode("cp%d" % codepage)
    if compress and len(text) > 2 and text.isascii() and "\0" not in text:
        return b"\xff\xfe" + text.encode("ascii")  # the common case, quickly
    plain = text.encode("utf-16-le")
    packed = compress_unicode(text) if (compress or plain[:2] == b"\xff\xfe") else None
    if packed is not None and (len(packed) < len(plain) or plain[:2] == b"\xff\xfe"):
        return packed
    if plain[:2] == b"\xff\xfe":
        raise ValueError("text starting with U+FEFF that cannot be compressed: %r" % text)
    return plain


def to_days(value):
    if isinstance(value, (int, float)):
        return float(value)
    moment = datetime.datetime.fromisoformat(value)
    day = (moment.date() - EPOCH.date()).days
    fraction = (moment - datetime.datetime.combine(moment.date(), datetime.time())).seconds / 86400
    # Before the epoch the time of day still counts away from zero.
    return day + fraction if day >= 0 else day - fraction


class Column:
    def __init__(self, spec, position, fmt):
        self.name = spec["name"]
        self.kind = spec["type"]
        if self.kind not in TYPE_CODES:
            raise ValueError("unknown column type %r" % self.kind)
        self.position = position
        self.fixed = self.kind in FIXED_SIZES
        self.compress = spec.get("compress", True)
        self.chars = spec.get("size", 255) if self.kind == "text" else 0
        if self.kind == "text":
            self.size = self.chars * 2 if fmt.jet4 else self.chars
        else:
            self.size = FIXED_SIZES.get(self.kind, 0)
        self.offset = 0  # in the fixed area, or index among the var columns


class Table:
    def __init__(self, name, specs, fmt, system=False):
        self.name = name
        self.system = system
        self.columns = [Column(c, i, fmt) for i, c in enumerate(specs)]
        if not 0 < len(self.columns) <= 255:
            raise ValueError("%s: 1 to 255 columns" % name)
        fixed_at = var_at = 0
        for col in self.columns:
            if col.fixed:
                col.offset, fixed_at = fixed_at, fixed_at + col.size
            else:
                col.offset, var_at = var_at, var_at + 1
        self.fixed_size = fixed_at
        self.var_columns = [c for c in self.columns if not c.fixed]
        self.num_rows = 0
        self.tdef_page = 0
        self.used_map = self.free_map = 0


class PageFiller:
    """Packs rows into data pages from the end of each page, at most 255 a page."""

    def __init__(self, writer, owner):
        self.writer = writer
        self.owner = owner
        self.page = None
        self.rows = []
        self.used = 0
        self.pages = []

    def fits(self, size):
        fmt = self.writer.fmt
        return (self.page is not None and len(self.rows) < 255 and
                fmt.first_offset + 2 * (len(self.rows) + 1) + self.used + size <= fmt.page)

    def add(self, data, flag=0):
        if len(data) > self.writer.fmt.max_row:
            raise ValueError("row of %d bytes does not fit a page" % len(data))
        if not self.fits(len(data)):
            self.flush()
            self.page = self.writer.allocate()
        self.rows.append([bytes(data), flag])
        self.used += len(data)
        return self.page << 8 | (len(self.rows) - 1)

    def flush(self):
        if self.page is None:
            return
        fmt = self.writer.fmt
        buf = bytearray(fmt.page)
        buf[0:2] = b"\x01\x01"
        buf[4:8] = self.owner if isinstance(self.owner, bytes) else struct.pack("<I", self.owner)
        end = fmt.page
        offsets = []
        for data, flag in self.rows:
            start = end - len(data)
            buf[start:end] = data
            offsets.append(start | flag)
            end = start
        struct.pack_into("<H", buf, 2, end - fmt.first_offset - 2 * len(self.rows))
        struct.pack_into("<H", buf, fmt.row_count, len(self.rows))
        struct.pack_into("<%dH" % len(offsets), buf, fmt.first_offset, *offsets)
        self.writer.write_page(self.page, buf)
        self.pages.append(self.page)
        self.page, self.rows, self.used = None, [], 0


class JetWriter:
    def __init__(self, path, version=4, codepage=874):
        self.fmt = Format(version)
        self.codepage = codepage
        self.file = open(path, "w+b")
        self.next_page = 3  # 0 header, 1 global usage map, 2 MSysObjects
        self.tables = []
        self.lval = PageFiller(self, b"LVAL")
        self.maps = PageFiller(self, 0)

    def __enter__(self):
        return self

    def __exit__(self, kind, value, trace):
        if kind is None:
            self.close()
        else:
            self.file.close()

    def allocate(self):
        self.next_page += 1
        return self.next_page - 1

    def write_page(self, number, data):
        assert len(data) == self.fmt.page
        self.file.seek(number * self.fmt.page)
        self.file.write(data)

    def add_table(self, name, columns, rows, deleted=(), moved=(), system=False):
        """Writes the table's rows now and its definition once they are all down."""
        table = Table(name, columns, self.fmt, system)
        table.tdef_page = self.allocate()
        deleted, moved = set(deleted), set(moved)
        data = PageFiller(self, table.tdef_page)
        pointers = []  # (old pg_row, encoded row) of each moved row
        for index, values in enumerate(rows):
            if len(values) != len(table.columns):
                raise ValueError("%s row %d: %d values for %d columns" %
                                 (name, index, len(values), len(table.columns)))
            row = self.encode_row(table, values)
            if index in moved:
                pg_row = data.add(b"\0\0\0\0", DELETED if index in deleted else OVERFLOW)
                pointers.append((pg_row, row))
            else:
                data.add(row, DELETED if index in deleted else 0)
            if index not in deleted:
                table.num_rows += 1
        data.flush()  # moved rows land on later pages than their old slots
        for old, row in pointers:
            new = data.add(row, LOOKUP)
            self.patch_pointer(old, new)
        data.flush()
        self.write_maps(table, data.pages)
        self.tables.append(table)
        self.write_tdef(table)
        return table

    def patch_pointer(self, old, new):
        page, slot = old >> 8, old & 0xFF
        self.file.seek(page * self.fmt.page + self.fmt.first_offset + 2 * slot)
        offset = struct.unpack("<H", self.file.read(2))[0] & 0x1FFF
        self.file.seek(page * self.fmt.page + offset)
        self.file.write(struct.pack("<I", new))

    def encode_value(self, col, value):
        if col.kind in ("text", "memo"):
            if not isinstance(value, str):
                raise ValueError("%s: text expected, not %r" % (col.name, value))
            if col.kind == "text" and len(value) > col.chars:
                raise ValueError("%s: %d characters for a size of %d" %
                                 (col.name, len(value), col.chars))
            return encode_text(self.fmt, value, col.compress, self.codepage)
        if col.kind == "ole":
            return bytes(value)
        if col.kind == "datetime":
            return struct.pack("<d", to_days(value))
        return struct.pack(FIXED_FORMATS[col.kind], value)

    def long_value(self, data, inline):
        """The 12-byte field of a memo: inline, on one LVAL row or chained."""
        if inline:
            return struct.pack("<III", len(data) | 0x80000000, 0, 0) + data
        if len(data) <= self.fmt.lval_piece:
            return struct.pack("<III", len(data) | 0x40000000, self.lval.add(data), 0)
        piece = self.fmt.lval_piece
        pieces = [data[i:i + piece] for i in range(0, len(data), piece)]
        following = 0
        for chunk in reversed(pieces):
            following = self.lval.add(struct.pack("<I", following) + chunk)
        return struct.pack("<III", len(data), following, 0)

    def encode_row(self, table, values):
        fixed = bytearray(table.fixed_size)
        mask = bytearray((len(table.columns) + 7) // 8)
        var = []  # [column, field bytes, long-value data or None]
        for col, value in zip(table.columns, values):
            if col.kind == "bool":
                if value:
                    mask[col.position // 8] |= 1 << (col.position % 8)
                continue
            if value is None:
                if not col.fixed:
                    var.append([col, b"", None])
                continue
            mask[col.position // 8] |= 1 << (col.position % 8)
            data = self.encode_value(col, value)
            if col.fixed:
                fixed[col.offset:col.offset + col.size] = data
            elif col.kind in ("memo", "ole"):
                # Short memos stay in the row, long ones go to LVAL pages.
                inline = col.kind == "ole" or len(data) <= 1024
                var.append([col, self.long_value(data, inline), data])
            else:
                var.append([col, data, None])
        while self.row_size(table, var) > self.fmt.max_row:
            inline = [i for i in var if i[2] is not None and i[1][3] & 0x80]
            if not inline:
                raise ValueError("%s: row too long for a page" % table.name)
            biggest = max(inline, key=lambda i: len(i[2]))
            biggest[1] = self.long_value(biggest[2], False)
        return self.assemble(table, fixed, [i[1] for i in var], mask)

    def row_size(self, table, var):
        if not self.fmt.jet4:
            return len(self.assemble_jet3(table, bytes(table.fixed_size), [i[1] for i in var],
                                          bytes((len(table.columns) + 7) // 8)))
        tail = 2 + 2 * len(var) + 2 if var else 0
        return (2 + table.fixed_size + sum(len(i[1]) for i in var) + tail +
                (len(table.columns) + 7) // 8)

    def assemble(self, table, fixed, var, mask):
        if self.fmt.jet4:
            row = bytearray(struct.pack("<H", len(table.columns))) + fixed
            offsets = []
            for data in var:
                offsets.append(len(row))
                row += data
            if var:
                row += struct.pack("<H", len(row))
                row += struct.pack("<%dH" % len(var), *reversed(offsets))
                row += struct.pack("<H", len(var))
            return bytes(row + mask)
        return self.assemble_jet3(table, fixed, var, mask)

    def assemble_jet3(self, table, fixed, var, mask):
        """Jet 3 keeps one-byte var offsets; a jump table, read backwards before
        the var count, names the first offset past each 256-byte boundary."""
        row = bytearray([len(table.columns)]) + fixed
        if not var:
            return bytes(row + mask)
        offsets = []
        for data in var:
            offsets.append(len(row))
            row += data
        offsets.append(len(row))  # the end of the var data
        base = len(row) + len(offsets) + 1 + len(mask)
        jumps = 0
        while (base + jumps - 1) // 256 > jumps:
            jumps += 1
        jumps_at = [next((i for i, o in enumerate(offsets) if o >= 256 * (j + 1)), 255)
                  for j in range(jumps)]
        row += bytes(o & 0xFF for o in reversed(offsets))
        row += bytes(reversed(jumps_at))
        row.append(len(var))
        return bytes(row + mask)

    def write_maps(self, table, pages):
        """A type 0 map when the pages fit 512 of them, else type 1 with 0x05 pages."""
        start = min(pages) if pages else 0
        if not pages or max(pages) - start < 512:
            bitmap = bytearray(64)
            for p in pages:
                bitmap[(p - start) // 8] |= 1 << ((p - start) % 8)
            used = b"\x00" + struct.pack("<I", start) + bytes(bitmap)
        else:
            span = (self.fmt.page - 4) * 8
            blocks = {}
            for p in pages:
                blocks.setdefault(p // span, bytearray(self.fmt.page - 4))
                bitmap = blocks[p // span]
                bitmap[(p % span) // 8] |= 1 << (p % 8)
            if max(blocks) >= 17:
                raise ValueError("%s: file too large for a usage map" % table.name)
            pointers = [0] * 17
            for block, bitmap in blocks.items():
                pointers[block] = self.allocate()
                self.write_page(pointers[block], b"\x05\x01\x00\x00" + bytes(bitmap))
            used = b"\x01" + struct.pack("<17I", *pointers)
        table.used_map = self.maps.add(used)
        table.free_map = self.maps.add(b"\x00" + bytes(68))

    def tdef_bytes(self, table):
        fmt = self.fmt
        num_rows, kind, max_cols, num_var, num_cols, num_idx, num_real, used, free, first = \
            fmt.tdef
        head = bytearray(first)
        head[0:2] = b"\x02\x01"
        struct.pack_into("<I", head, num_rows, table.num_rows)
        head[kind] = 0x53 if table.system else 0x4E
        struct.pack_into("<H", head, max_cols, len(table.columns))
        struct.pack_into("<H", head, num_var, len(table.var_columns))
        struct.pack_into("<H", head, num_cols, len(table.columns))
        struct.pack_into("<II", head, num_idx, 0, 0)
        struct.pack_into("<II", head, used, table.used_map, table.free_map)
        body = bytearray()
        for col in table.columns:
            entry = bytearray(fmt.col_entry)
            entry[0] = TYPE_CODES[col.kind]
            var_index = 0 if col.fixed else col.offset
            flags = (0x01 if col.fixed else 0) | 0x02
            if fmt.jet4:
                struct.pack_into("<HHH", entry, 5, col.position, var_index, col.position)
                if col.kind in ("text", "memo"):
                    struct.pack_into("<H", entry, 11, 0x409)
                entry[15] = flags
                entry[16] = 1 if col.kind in ("text", "memo") and col.compress else 0
                struct.pack_into("<HH", entry, 21, col.offset if col.fixed else 0, col.size)
            else:
                entry[1] = col.position
                struct.pack_into("<HH", entry, 3, var_index, col.position)
                if col.kind in ("text", "memo"):
                    struct.pack_into("<H", entry, 9, 0x409)
                entry[13] = flags
                struct.pack_into("<HH", entry, 14, col.offset if col.fixed else 0, col.size)
            body += entry
        for col in table.columns:
            if fmt.jet4:
                name = col.name.encode("utf-16-le")
                body += struct.pack("<H", len(name)) + name
            else:
                name = col.name.encode("cp%d" % self.codepage)
                body += bytes([len(name)]) + name
        for col in table.columns:
            if col.kind in ("memo", "ole") and fmt.jet4:
                body += struct.pack("<HII", col.position, 0, 0)
        body += b"\xff\xff"
        block = head + body
        struct.pack_into("<I", block, 8, len(block) - 8)
        return block

    def write_tdef(self, table):
        """The definition, continued on further pages when longer than one."""
        block = self.tdef_bytes(table)
        page = table.tdef_page
        size = self.fmt.page
        chunks = [block[:size]]
        rest = block[size:]
        while rest:
            room = size - self.fmt.tdef_continued
            chunks.append(b"\x02\x01\x00\x00\x00\x00\x00\x00" + rest[:room])
            rest = rest[room:]
        pages = [page] + [self.allocate() for _ in chunks[1:]]
        for i, chunk in enumerate(chunks):
            buf = bytearray(size)
            buf[:len(chunk)] = chunk
            struct.pack_into("<I", buf, 4, pages[i + 1] if i + 1 < len(pages) else 0)
            self.write_page(pages[i], buf)

    def close(self):
        created = (datetime.datetime(2020, 1, 1) - EPOCH).days
        catalog = [[2, 0x0F000001, "MSysObjects", 1, created, created, -2147483646]]
        for t in self.tables:
            catalog.append([t.tdef_page, 0x0F000001, t.name, 1, created, created, 0])
        columns = [("Id", "long"), ("ParentId", "long"), ("Name", "text"), ("Type", "int"),
                   ("DateCreate", "datetime"), ("DateUpdate", "datetime"), ("Owner", "ole"),
                   ("Flags", "long"), ("Database", "memo"), ("Connect", "memo"),
                   ("ForeignName", "text"), ("RmtInfoShort", "ole"), ("RmtInfoLong", "ole"),
                   ("Lv", "ole"), ("LvProp", "ole"), ("LvModule", "ole"), ("LvExtra", "ole")]
        specs = [{"name": n, "type": k, "size": 128} for n, k in columns]
        rows = [r[:6] + [None, r[6]] + [None] * 9 for r in catalog]
        msys = Table("MSysObjects", specs, self.fmt, system=True)
        data = PageFiller(self, 2)
        for r in rows:
            data.add(self.encode_row(msys, r))
            msys.num_rows += 1
        data.flush()
        self.write_maps(msys, data.pages)
        self.maps.flush()
        self.lval.flush()
        msys.tdef_page = 2
        self.write_tdef(msys)
        self.write_header()
        self.write_page(1, bytes(self.fmt.page))
        self.file.seek(0, 2)
        if self.file.tell() < self.next_page * self.fmt.page:
            self.write_page(self.next_page - 1, bytes(self.fmt.page))
        self.file.close()

    def write_header(self):
        page = bytearray(self.fmt.page)
        page[0:4] = b"\x00\x01\x00\x00"
        page[4:20] = b"Standard Jet DB\x00"
        struct.pack_into("<I", page, 0x14, 1 if self.fmt.jet4 else 0)
        plain = bytearray(128)  # 0x18 to 0x97; db_key (0x3E) stays 0: no page is encrypted
        struct.pack_into("<H", plain, 0x3C - 0x18, self.codepage)
        struct.pack_into("<I", plain, 0x6E - 0x18, 0x409)
        struct.pack_into("<d", plain, 0x72 - 0x18, 43831.0)
        masked = rc4(b"\xc7\xda\x39\x6b", plain if self.fmt.jet4 else plain[:126])
        page[0x18:0x18 + len(masked)] = masked
        self.write_page(0, page)


def reading_order(rows, deleted=(), moved=()):
    """(live rows, rows libmdb 1.0 returns), both in the page order written."""
    deleted, moved = set(deleted), set(moved)
    staying = [r for i, r in enumerate(rows) if i not in deleted and i not in moved]
    live = staying + [r for i, r in enumerate(rows) if i in moved and i not in deleted]
    returned = staying + [r for i, r in enumerate(rows) if i in moved]
    return live, returned


def write_spec(spec, path):
    with JetWriter(path, spec.get("version", 4), spec.get("codepage", 874)) as db:
        for t in spec["tables"]:
            db.add_table(t["name"], t["columns"], t.get("rows", []), t.get("deleted", ()),
                         t.get("moved", ()))


def main(argv):
    if len(argv) != 3:
        sys.stderr.write(__doc__)
        return 2
    with open(argv[1], encoding="utf-8") as f:
        write_spec(json.load(f), argv[2])
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
