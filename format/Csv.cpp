#include "format/Csv.h"

#include "format/ImportError.h"

namespace format {

namespace {

QString quoted(const QString& field) {
    if (!field.contains(u',') && !field.contains(u'"') && !field.contains(u'\n') &&
        !field.contains(u'\r'))
        return field;
    QString doubled = field;
    doubled.replace(u'"', QStringLiteral("\"\""));
    return u'"' + doubled + u'"';
}

}  // namespace

CsvFile::CsvFile(const QString& path) : file_(path) {
    if (!file_.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw ImportError(QStringLiteral("สร้างแฟ้ม %1 ไม่ได้: %2").arg(path, file_.errorString()));
    file_.write("\xEF\xBB\xBF");
}

void CsvFile::writeLine(const QStringList& fields) {
    QStringList line;
    line.reserve(fields.size());
    for (const QString& field : fields)
        line << quoted(field);
    file_.write((line.join(u',') + QStringLiteral("\r\n")).toUtf8());
}

void CsvFile::close() {
    const bool written = file_.error() == QFileDevice::NoError && file_.flush();
    file_.close();
    if (!written)
        throw ImportError(
            QStringLiteral("เขียนแฟ้ม %1 ไม่ครบ: %2").arg(file_.fileName(), file_.errorString()));
}

}  // namespace format
