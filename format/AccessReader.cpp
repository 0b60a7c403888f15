#include "format/AccessReader.h"

#include <mdbtools.h>
#include <unistd.h>

#include <QFile>
#include <QSet>
#include <memory>
#include <vector>

#include "format/ImportError.h"

namespace format {

namespace {

// libmdb writes each value into a buffer of the bind size and cuts what does
// not fit, so a memo longer than the largest fails the read instead of
// arriving short. It also allocates that size for every text value it
// converts, so each table is read with the smallest size its memos fit.
constexpr size_t kSmallBindSize = size_t{1} << 14;
constexpr size_t kLargeBindSize = size_t{1} << 22;

constexpr unsigned kDeleted = 0x8000, kPointer = 0x4000;

unsigned u16(const unsigned char* page, int at) {
    return page[at] | unsigned(page[at + 1] << 8);
}

quint32 u32(const unsigned char* page, int at) {
    return quint32(page[at]) | quint32(page[at + 1]) << 8 | quint32(page[at + 2]) << 16 |
           quint32(page[at + 3]) << 24;
}

struct TableDef {
    explicit TableDef(MdbCatalogEntry* entry) : def(mdb_read_table(entry)) {
        if (def)
            mdb_read_columns(def);
    }
    ~TableDef() {
        if (def)
            mdb_free_tabledef(def);
    }
    TableDef(const TableDef&) = delete;
    TableDef& operator=(const TableDef&) = delete;
    MdbTableDef* def;
};

MdbCatalogEntry* entryNamed(MdbHandle* mdb, const QString& name) {
    for (unsigned i = 0; i < mdb->num_catalog; ++i) {
        auto* entry = static_cast<MdbCatalogEntry*>(g_ptr_array_index(mdb->catalog, i));
        if (mdb_is_user_table(entry) &&
            QString::fromUtf8(entry->object_name).compare(name, Qt::CaseInsensitive) == 0)
            return entry;
    }
    return nullptr;
}

// Page `pg` of the file as it lies there, read at once: libmdb asks the
// file's size and seeks before each page it reads. False when it cannot be read.
bool readPage(MdbHandle* mdb, quint32 pg, std::vector<unsigned char>& page) {
    const auto size = size_t(mdb->fmt->pg_size);
    page.resize(size);
    return pread(fileno(mdb->f->stream), page.data(), size, off_t(pg) * off_t(size)) ==
           ssize_t(size);
}

// The pages the table's usage map lists, in the order libmdb reads them (it
// never reads page 0 for a table), each page of a large table's map read once:
// libmdb reads it again for every page it lists. False where libmdb reads the
// pages some other way: a map of another kind, or an encrypted file.
bool usedPages(MdbTableDef* table, std::vector<quint32>& pages) {
    MdbHandle* mdb = table->entry->mdb;
    const unsigned char* map = table->usage_map;
    const size_t size = table->map_sz;
    if (!map || size < 5 || mdb->f->db_key != 0)
        return false;
    const auto listed = [&](const unsigned char* bits, size_t count, quint32 first) {
        for (size_t i = 0; i < count; ++i)
            if ((bits[i / 8] >> (i % 8) & 1) && first + i > 0)
                pages.push_back(quint32(first + i));
    };
    if (map[0] == 0) {
        listed(map + 5, (size - 5) * 8, u32(map, 1));
        return true;
    }
    if (map[0] != 1)
        return false;
    // Each entry names a page whose bits, after four bytes, stand for the
    // next run of pages of the file.
    const size_t run = size_t(mdb->fmt->pg_size - 4) * 8;
    std::vector<unsigned char> mapPage;
    for (size_t entry = 0; entry < (size - 1) / 4; ++entry) {
        const quint32 at = u32(map, int(1 + 4 * entry));
        if (at == 0)
            continue;
        if (!readPage(mdb, at, mapPage))
            return false;
        listed(mapPage.data() + 4, run, quint32(entry * run));
    }
    return true;
}

// libmdb 1.0 reads the two flags of a row slot the wrong way round: it skips
// the live pointers to moved rows and returns slots marked deleted. A moved
// row's new slot is marked deleted too, so a slot marked deleted is live
// only when a pointer names it. The rows to leave out, as page << 8 | row.
QSet<quint64> deletedRows(MdbTableDef* table) {
    MdbHandle* mdb = table->entry->mdb;
    const int countAt = mdb->fmt->row_count_offset;
    QSet<quint64> marked, moved;
    const auto scan = [&](quint32 pg, const unsigned char* page) {
        const unsigned rows = u16(page, countAt);
        for (unsigned row = 0; row < rows; ++row) {
            const unsigned slot = u16(page, countAt + 2 + 2 * int(row));
            const unsigned flags = slot & (kDeleted | kPointer);
            const int start = int(slot & 0x1fff);
            if (flags == kPointer && start + 4 <= mdb->fmt->pg_size)
                moved.insert(u32(page, start));
            else if (flags == kDeleted)
                marked.insert(quint64(pg) << 8 | row);
        }
    };
    std::vector<quint32> pages;
    if (usedPages(table, pages)) {
        // As libmdb does: the pages of another table or of no data are passed
        // over, and the reading ends at a page that cannot be read.
        std::vector<unsigned char> page;
        for (const quint32 pg : pages) {
            if (!readPage(mdb, pg, page))
                break;
            if (page[0] == 0x01 && u32(page.data(), 4) == quint32(table->entry->table_pg))
                scan(pg, page.data());
        }
    } else {
        mdb_rewind_table(table);
        while (mdb_read_next_dpg(table))
            scan(quint32(table->cur_phys_pg), mdb->pg_buf);
    }
    return marked.subtract(moved);
}

bool cut(int length, size_t bindSize) {
    return size_t(length) + 1 >= bindSize;
}

// A Jet 4 text value as libmdb 1.0 converts it: UTF-16LE, or after FF FE
// one byte a character with a zero byte switching to two bytes and back.
// Its conversion turns a surrogate into '?' and its copy ends the text at a
// zero character. The text is written over `out`, which keeps its buffer.
void jet4Text(const unsigned char* at, int length, QString& out) {
    out.resize(length);
    char16_t* to = reinterpret_cast<char16_t*>(out.data());
    qsizetype n = 0;
    const auto put = [&](char16_t unit) {
        if (unit == 0)
            return false;
        to[n++] = unit >= 0xD800 && unit < 0xE000 ? u'?' : unit;
        return true;
    };
    if (length >= 2 && at[0] == 0xFF && at[1] == 0xFE) {
        bool compressed = true;
        for (int i = 2; i < length;) {
            if (at[i] == 0) {
                compressed = !compressed;
                ++i;
            } else if (compressed) {
                put(at[i++]);
            } else if (i + 1 < length) {
                if (!put(char16_t(at[i] | at[i + 1] << 8)))
                    break;
                i += 2;
            } else {
                break;
            }
        }
    } else {
        for (int i = 0; i + 1 < length; i += 2)
            if (!put(char16_t(at[i] | at[i + 1] << 8)))
                break;
    }
    out.resize(n);
}

// The bind size the table's longest memo needs, from one pass that converts
// its memo columns only: the small size, or a power of two up to the largest.
size_t bindSizeFor(MdbTableDef* table) {
    std::vector<MdbColumn*> memos;
    for (unsigned i = 0; i < table->num_cols; ++i) {
        auto* column = static_cast<MdbColumn*>(g_ptr_array_index(table->columns, i));
        if (column->col_type == MDB_MEMO)
            memos.push_back(column);
    }
    if (memos.empty())
        return kSmallBindSize;
    mdb_set_bind_size(table->entry->mdb, kLargeBindSize);
    const auto buffer = std::make_unique<char[]>(kLargeBindSize);
    std::vector<int> lengths(memos.size());
    for (size_t m = 0; m < memos.size(); ++m) {
        memos[m]->bind_ptr = buffer.get();
        memos[m]->len_ptr = &lengths[m];
    }
    mdb_rewind_table(table);
    size_t size = kSmallBindSize;
    while (size < kLargeBindSize && mdb_fetch_row(table))
        for (const int length : lengths)
            while (cut(length, size) && size < kLargeBindSize)
                size *= 2;
    for (MdbColumn* column : memos) {
        column->bind_ptr = nullptr;
        column->len_ptr = nullptr;
    }
    return size;
}

}  // namespace

struct AccessReader::File {
    explicit File(MdbHandle* handle) : mdb(handle) {}
    ~File() { mdb_close(mdb); }
    File(const File&) = delete;
    File& operator=(const File&) = delete;
    MdbHandle* mdb;
};

AccessReader::AccessReader(const QString& path) : path_(path) {
    // libmdb converts text into the encoding this names.
    if (qEnvironmentVariableIsSet("MDBICONV"))
        qputenv("MDBICONV", "UTF-8");
    // Jet 3 keeps text in the code page of the Windows that wrote it: the old
    // program ran on Thai Windows.
    if (!qEnvironmentVariableIsSet("MDB_JET3_CHARSET"))
        qputenv("MDB_JET3_CHARSET", "CP874");
    const QString notJet =
        QStringLiteral("แฟ้ม %1 ไม่ใช่ฐานข้อมูล Access (Jet 3 หรือ Jet 4) หรือแฟ้มเสียหาย").arg(path);
    if (!QFile::exists(path))
        throw ImportError(QStringLiteral("ไม่พบแฟ้ม %1").arg(path));
    MdbHandle* mdb = mdb_open(QFile::encodeName(path).constData(), MDB_NOFLAGS);
    if (!mdb)
        throw ImportError(notJet);
    file_ = std::make_unique<File>(mdb);
    if ((mdb->f->jet_version != MDB_VER_JET3 && mdb->f->jet_version != MDB_VER_JET4) ||
        !mdb_read_catalog(mdb, MDB_TABLE))
        throw ImportError(notJet);
    // A file cut short still has its header, but no table to read.
    if (tableNames().isEmpty())
        throw ImportError(notJet);
    // Date columns come as the day-first text the program stores.
    mdb_set_date_fmt(mdb, "%d/%m/%Y");
}

AccessReader::~AccessReader() = default;

int AccessReader::jetVersion() const {
    return file_->mdb->f->jet_version == MDB_VER_JET3 ? 3 : 4;
}

QStringList AccessReader::tableNames() const {
    QStringList names;
    for (unsigned i = 0; i < file_->mdb->num_catalog; ++i) {
        auto* entry = static_cast<MdbCatalogEntry*>(g_ptr_array_index(file_->mdb->catalog, i));
        if (mdb_is_user_table(entry))
            names << QString::fromUtf8(entry->object_name);
    }
    return names;
}

bool AccessReader::findTable(const QString& name, AccessTable& table) const {
    MdbCatalogEntry* entry = entryNamed(file_->mdb, name);
    if (!entry)
        return false;
    TableDef t(entry);
    if (!t.def)
        return false;
    table.name = QString::fromUtf8(entry->object_name);
    table.columns.clear();
    for (unsigned i = 0; i < t.def->num_cols; ++i)
        table.columns << QString::fromUtf8(
            static_cast<MdbColumn*>(g_ptr_array_index(t.def->columns, i))->name);
    table.declaredRows = t.def->num_rows;
    return true;
}

TableRead AccessReader::readRows(const QString& name, const std::vector<int>& positions,
                                 const std::function<void(const QStringList&)>& each) const {
    const QString unreadable = QStringLiteral("อ่านตาราง %1 ในแฟ้ม %2 ไม่ได้").arg(name, path_);
    MdbCatalogEntry* entry = entryNamed(file_->mdb, name);
    if (!entry)
        throw ImportError(unreadable);
    TableDef t(entry);
    if (!t.def)
        throw ImportError(unreadable);
    MdbHandle* mdb = file_->mdb;
    const QSet<quint64> deleted = deletedRows(t.def);
    const size_t bindSize = bindSizeFor(t.def);
    mdb_set_bind_size(mdb, bindSize);
    // Text of a Jet 4 file is read where it lies on the page; libmdb
    // converts every other value into a bound buffer.
    const bool jet4 = mdb->f->jet_version == MDB_VER_JET4;
    struct Cell {
        MdbColumn* column;
        std::unique_ptr<char[]> buffer;
        int length = 0;
    };
    std::vector<Cell> cells(positions.size());
    for (size_t i = 0; i < positions.size(); ++i) {
        auto* column = static_cast<MdbColumn*>(g_ptr_array_index(t.def->columns, positions[i]));
        cells[i].column = column;
        if (jet4 && column->col_type == MDB_TEXT)
            continue;
        cells[i].buffer.reset(new char[bindSize]);
        cells[i].buffer[0] = '\0';
        mdb_bind_column(t.def, positions[i] + 1, cells[i].buffer.get(), &cells[i].length);
    }
    QStringList values(qsizetype(cells.size()));
    mdb_rewind_table(t.def);
    TableRead read{0, t.def->num_rows};
    while (mdb_fetch_row(t.def)) {
        if (deleted.contains(quint64(t.def->cur_phys_pg) << 8 | (t.def->cur_row - 1)))
            continue;
        for (size_t i = 0; i < cells.size(); ++i) {
            const Cell& cell = cells[i];
            if (!cell.buffer) {
                jet4Text(mdb->pg_buf + cell.column->cur_value_start, cell.column->cur_value_len,
                         values[qsizetype(i)]);
                continue;
            }
            if (cut(cell.length, bindSize))
                throw ImportError(QStringLiteral("ตาราง %1 มีข้อความยาวเกินกว่าที่อ่านได้ (แถวที่ %2)")
                                      .arg(name, QString::number(read.rows + 1)));
            values[qsizetype(i)] = QString::fromUtf8(cell.buffer.get(), cell.length);
        }
        ++read.rows;
        each(values);
    }
    return read;
}

}  // namespace format
