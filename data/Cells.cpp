#include "data/Cells.h"

#include <sqlite3.h>

#include <vector>

#include "data/Database.h"
#include "data/Statement.h"

namespace data {

namespace {

// SQLite's cells, read from the statement's current row.
class StatementCells : public Cells {
  public:
    explicit StatementCells(sqlite3_stmt* stmt) : stmt_(stmt) {}
    QByteArrayView bytes(int pos) const override {
        const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt_, pos));
        return text ? QByteArrayView(text, sqlite3_column_bytes(stmt_, pos)) : QByteArrayView();
    }
    qint64 integer(int pos) const override { return sqlite3_column_int64(stmt_, pos); }

  private:
    sqlite3_stmt* stmt_;
};

// A row already read (the server's), seen as cells.
class RowCells : public Cells {
  public:
    explicit RowCells(const Row& row) : row_(row) {
        for (int i = 0; i < row.size(); ++i)
            utf8_.push_back(row.text(i).toUtf8());
    }
    QByteArrayView bytes(int pos) const override { return utf8_.at(std::size_t(pos)); }
    qint64 integer(int pos) const override { return row_.value(pos).toLongLong(); }

  private:
    const Row& row_;
    std::vector<QByteArray> utf8_;
};

}  // namespace

void forEachCells(const Database& db, const char* sql, const QVariantList& params,
                  const std::function<void(const Cells&)>& each) {
    if (db.isPostgres()) {
        db.forEach(sql, params, [&](Row&& row) { each(RowCells(row)); });
        return;
    }
    Statement st(db.handle(), sql);
    st.bindAll(params);
    const StatementCells cells(st.handle());
    while (st.step())
        each(cells);
}

}  // namespace data
