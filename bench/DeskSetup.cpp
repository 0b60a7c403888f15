#include "bench/DeskSetup.h"

#include <QDate>
#include <QRandomGenerator>

#include "bench/PlainSqlite.h"
#include "data/Database.h"
#include "data/DateText.h"
#include "data/Issn.h"
#include "data/SortableDate.h"

const QString kBenchTitle = QStringLiteral("วารสารทดสอบความเร็วของโปรแกรม");

QString prepareBenchTitle(data::Database& db) {
    if (const auto row =
            db.first("SELECT pointer FROM vorlen1 WHERE vorlen_name = ?", {kBenchTitle}))
        return row->text(0);
    const auto row = db.first(
        "SELECT vorlen1.pointer, vorlen.department_code FROM vorlen1 JOIN vorlen"
        " ON vorlen1.pointer = vorlen.pointer WHERE vorlen1.pointer LIKE 'J%' LIMIT 1");
    QString key = row->text(0);
    const QString department = row->text(1);
    data::Transaction tx(db);
    db.exec("UPDATE vorlen1 SET vorlen_name = ? WHERE pointer = ?", {kBenchTitle, key});
    const int first = db.first("SELECT nextmagno FROM jourctrl")->value(0).toInt();
    for (int i = 0; i < 500; ++i) {
        const QString day = data::writeDate(QDate(2000, 1, 1).addDays(qint64(i) * 9));
        db.exec(
            "INSERT INTO tranfile (magno, department_code, pointer, receivedate, daily, yearno,"
            " issueno, descriptionitem) VALUES (?,?,?,?,?,?,?,?)",
            {QString::number(first + i), department, key, day, day, QStringLiteral("1"),
             QString::number(i), QStringLiteral("ฉบับทดสอบ %1").arg(i)});
    }
    db.exec("UPDATE jourctrl SET nextmagno = ?", {QString::number(first + 500)});
    tx.commit();
    return key;
}

QString rangeEndForThousand(PlainSqlite& plain, const QString& from) {
    QDate end = data::readDate(from)->addDays(1);
    const QByteArray sql =
        "SELECT count(*) FROM vorlen WHERE Receive_Code = '1' AND (substr(pointer,1,1)"
        " IN ('I','J')) AND " +
        data::sortableDate("end_period") + " BETWEEN ? AND ?";
    while (plain.count(sql.constData(), {data::readDate(from)->toString(Qt::ISODate),
                                         end.toString(Qt::ISODate)}) < 1250)
        end = end.addDays(1);
    return data::writeDate(end);
}

Inputs benchInputs(data::Database& db, int count) {
    QRandomGenerator random(8122026);
    const qint64 titles = db.first("SELECT max(rowid) FROM vorlen1")->value(0).toLongLong();
    Inputs in;
    while (in.words.size() < count) {
        const auto row = db.first("SELECT vorlen_name, issn FROM vorlen1 WHERE rowid = ?",
                                  {random.bounded(qint64(1), titles + 1)});
        if (!row)
            continue;
        const QString name = row->text(0);
        const QString word = name.left(name.lastIndexOf(u' ')).trimmed();
        const auto issn = data::issnDigits(row->text(1));
        if (word.isEmpty() || in.words.contains(word) || !issn)
            continue;
        in.words << word;
        in.issns << issn->left(4) + u'-' + issn->mid(4);
        QString code = QStringLiteral("977") + issn->left(7) + QStringLiteral("00");
        int sum = 0;
        for (int i = 0; i < 12; ++i)
            sum += code.at(i).digitValue() * (i % 2 ? 3 : 1);
        in.barcodes << code + QString::number((10 - sum % 10) % 10);
    }
    return in;
}
