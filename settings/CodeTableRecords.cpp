#include "settings/CodeTableRecords.h"

#include <QByteArray>

#include "data/Database.h"

namespace settings {

namespace {

struct Use {
    const char* table;
    const char* column;
};

struct Shape {
    const char* table;
    const char* code;
    const char* description;
    const char16_t* label;
    std::vector<Use> uses;
};

const Shape& shape(CodeKind kind) {
    static const Shape shapes[] = {
        {"typemag", "Type_Code", "Type_Thai_Descrition", u"ชนิด", {{"typeclass", "type_code"}}},
        {"magtype", "MagType_Code", "MagType_Thai_Des", u"กำหนดออก", {{"vorlen1", "magtype_code"}}},
        {"maglang", "Language_Code", "LangDesTh", u"ภาษา", {{"vorlen1", "language_code"}}},
        {"department",
         "Department_Code",
         "Department_Thai_Des",
         u"คณะ/หน่วยงานที่บอกรับ",
         {{"vorlen", "department_code"}, {"tranfile", "department_code"}}},
        {"receives",
         "receivestatus",
         "receivestatusdes",
         u"สถานภาพการบอกรับ",
         {{"vorlen", "Receive_Code"}}},
        {"currmony",
         "Currency_Code",
         "Currency_Thai_Des",
         u"สกุลเงิน",
         {{"vorlen", "currency_code"}}},
        {"statustype",
         "status_Code",
         "Status_Thai_Descrition",
         u"สถานภาพสมาชิก",
         {{"vorlen", "status_code"}}},
        {"bindcolor", "BindType_Code", "BindColor_DesTh", u"สีปก", {{"vorlen", "bind_color_code"}}},
        {"bindtype",
         "BindType_Code",
         "BindType_Des",
         u"สภาพการเก็บ",
         {{"vorlen", "bind_type_code"}}},
    };
    return shapes[int(kind)];
}

// Table and column names come from the list above, never from the user.
QByteArray sql(const char* pattern, const Shape& s) {
    return QByteArray(pattern)
        .replace("{table}", s.table)
        .replace("{code}", s.code)
        .replace("{description}", s.description);
}

}  // namespace

CodeColumns columnsOf(CodeKind kind) {
    const Shape& s = shape(kind);
    return {s.table, s.code, s.description};
}

QString kindLabel(CodeKind kind) {
    return QString::fromUtf16(shape(kind).label);
}

QString kindName(CodeKind kind) {
    return QString::fromLatin1(shape(kind).table);
}

std::vector<ui::PickRow> CodeTableRecords::rows() const {
    return catalogue::readCodeTable(db_, kind_);
}

int CodeTableRecords::titlesUsing(const QString& code) const {
    QByteArray pointers;
    for (const Use& use : shape(kind_).uses) {
        if (!pointers.isEmpty())
            pointers += " UNION ";
        pointers +=
            QByteArray("SELECT pointer FROM ") + use.table + " WHERE trim(" + use.column + ") = ?1";
    }
    return db_
        .first(("SELECT count(DISTINCT pointer) FROM (" + pointers + ") AS used").constData(),
               {code.trimmed()})
        ->value(0)
        .toInt();
}

bool CodeTableRecords::meaningful(CodeKind kind, const QString& code) {
    return (kind == CodeKind::maglang && code.trimmed() == u"01") ||
           (kind == CodeKind::receives && code.trimmed() == u"1");
}

bool CodeTableRecords::has(const QString& code) const {
    return db_
        .first(
            sql("SELECT 1 FROM {table} WHERE trim({code}) = ? LIMIT 1", shape(kind_)).constData(),
            {code.trimmed()})
        .has_value();
}

QString CodeTableRecords::describedAs(const QString& description, const QString& except) const {
    const QString wanted = description.trimmed().toCaseFolded();
    for (const ui::PickRow& row : rows())
        if (row.code.trimmed() != except.trimmed() &&
            row.description.trimmed().toCaseFolded() == wanted)
            return row.code.trimmed();
    return {};
}

CodeTableRecords::Result CodeTableRecords::add(const QString& code, const QString& description) {
    if (code.trimmed().isEmpty())
        return {Outcome::EmptyCode};
    if (description.trimmed().isEmpty())
        return {Outcome::EmptyDescription};
    data::Transaction tx(db_);
    if (has(code))
        return {Outcome::DuplicateCode};
    if (const QString other = describedAs(description, code); !other.isEmpty())
        return {Outcome::DuplicateDescription, 0, other};
    db_.exec(
        sql("INSERT INTO {table} ({code}, {description}) VALUES (?, ?)", shape(kind_)).constData(),
        {code.trimmed(), description.trimmed()});
    tx.commit();
    return {Outcome::Done};
}

CodeTableRecords::Result CodeTableRecords::describe(const QString& code,
                                                    const QString& description) {
    if (code.trimmed().isEmpty())
        return {Outcome::EmptyCode};
    if (description.trimmed().isEmpty())
        return {Outcome::EmptyDescription};
    data::Transaction tx(db_);
    if (!has(code))
        return {Outcome::Missing};
    if (const QString other = describedAs(description, code); !other.isEmpty())
        return {Outcome::DuplicateDescription, 0, other};
    db_.exec(sql("UPDATE {table} SET {description} = ? WHERE trim({code}) = ?", shape(kind_))
                 .constData(),
             {description.trimmed(), code.trimmed()});
    tx.commit();
    return {Outcome::Done};
}

CodeTableRecords::Result CodeTableRecords::remove(const QString& code) {
    if (meaningful(kind_, code))
        return {Outcome::Meaningful};
    // The use is counted under the write lock, so no title takes the code
    // between the count and the delete.
    data::Transaction tx(db_);
    if (!has(code))
        return {Outcome::Missing};
    if (const int titles = titlesUsing(code); titles > 0)
        return {Outcome::InUse, titles};
    db_.exec(sql("DELETE FROM {table} WHERE trim({code}) = ?", shape(kind_)).constData(),
             {code.trimmed()});
    // A frequency added again later under this code starts without an interval.
    if (kind_ == CodeKind::magtype)
        db_.exec("DELETE FROM magtype_interval WHERE trim(MagType_Code) = ?", {code.trimmed()});
    tx.commit();
    return {Outcome::Done};
}

}  // namespace settings
