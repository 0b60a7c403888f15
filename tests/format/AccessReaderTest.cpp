#include <gtest/gtest.h>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "format/AccessReader.h"

namespace {

QString text(const QJsonValue& value) {
    if (value.isDouble())
        return QString::number(value.toInteger());
    return value.toString();  // NULL as empty text
}

// Text read where it lies on the page, compressed and plain, beside a memo
// and a number that libmdb converts in the same read, and the columns asked
// for in an order of their own.
TEST(AccessReader, ReadsTextInBothFormsBesideTheValuesLibmdbConverts) {
    QFile file(QStringLiteral(VORLEN_FIXTURES_DIR "/types.expected.json"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QJsonArray rows = QJsonDocument::fromJson(file.readAll())
                                .object()[QStringLiteral("tables")][QStringLiteral("every_type")]
                                         [QStringLiteral("rows")]
                                .toArray();
    const std::vector<int> positions = {3, 1, 2, 0};  // t_long, t_plain, t_memo, t_text
    std::vector<QStringList> want;
    for (const QJsonValue& row : rows) {
        QStringList values;
        for (int at : positions)
            values << text(row[at]);
        want.push_back(values);
    }
    ASSERT_GT(want.size(), 600u);

    const format::AccessReader reader(QStringLiteral(VORLEN_FIXTURES_DIR "/types.mdb"));
    std::vector<QStringList> got;
    const format::TableRead read =
        reader.readRows(QStringLiteral("every_type"), positions,
                        [&](const QStringList& values) { got.push_back(values); });
    EXPECT_EQ(got, want);
    EXPECT_EQ(read.rows, qint64(want.size()));
}

}  // namespace
