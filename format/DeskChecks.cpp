#include "format/DeskChecks.h"

#include <QDate>
#include <algorithm>

#include "data/LeadingNumber.h"
#include "data/Schema.h"

namespace format {

namespace {

bool allDigits(const QString& text) {
    return !text.isEmpty() &&
           std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

// The number of a key series value or title key: its last six characters.
qint64 keyNumber(const QString& key) {
    return data::leadingNumber(QStringView(key).right(6));
}

// The windows write every date as dd/mm/yyyy; an empty one is a date missing.
bool readsAsDate(const QString& value) {
    const QStringView text = QStringView(value).trimmed();
    if (text.size() != 10)
        return false;
    for (qsizetype i = 0; i < text.size(); ++i)
        if (i == 2 || i == 5 ? text[i] != u'/' : text[i] < u'0' || text[i] > u'9')
            return false;
    const auto number = [&](qsizetype from, qsizetype length) {
        int n = 0;
        for (qsizetype i = from; i < from + length; ++i)
            n = n * 10 + (text[i].unicode() - u'0');
        return n;
    };
    return QDate(number(6, 4), number(3, 2), number(0, 2)).isValid();
}

}  // namespace

void DeskChecks::doubt(const QString& table, qint64 row, const QString& key, const QString& column,
                       const QString& value, const QString& reason) {
    doubts_.push_back({table, row, key, column, value, reason});
}

void DeskChecks::checkCode(const QString& table, qint64 row, const QStringList& values, int column,
                           const QString& codeTable) {
    const QString code = values.at(column).trimmed();
    const auto known = codes_.constFind(codeTable);
    if (!code.isEmpty() && (known == codes_.constEnd() || !known->contains(code)))
        doubt(table, row, values.at(0), data::columnNames(table).at(column), values.at(column),
              QStringLiteral("รหัสนี้ไม่มีในตาราง %1").arg(codeTable));
}

void DeskChecks::checkDate(const QString& table, qint64 row, const QStringList& values,
                           int column) {
    const QString& value = values.at(column);
    if (!readsAsDate(value))
        doubt(table, row, values.at(kind_ == Kind::Issue ? data::tranfile::magno : 0),
              data::columnNames(table).at(column), value,
              QStringLiteral("อ่านเป็นวันที่ วว/ดด/ปปปป ไม่ได้"));
}

void DeskChecks::checkPublisher(const QString& table, qint64 row, const QStringList& values,
                                int column) {
    const QString code = values.at(column).trimmed();
    const auto doubtCode = [&](const QString& reason) {
        doubt(table, row, values.at(0), data::columnNames(table).at(column), values.at(column),
              reason);
    };
    if (!allDigits(code))
        doubtCode(QStringLiteral("รหัสสำนักพิมพ์ไม่ใช่ตัวเลข"));
    else if (!publishers_.contains(code))
        doubtCode(QStringLiteral("ไม่มีสำนักพิมพ์รหัสนี้ในตาราง dealer"));
}

void DeskChecks::checkTitle(const QString& table, qint64 row, const QStringList& values,
                            int column) {
    const QString key = values.at(column).trimmed();
    if (!known_.contains(key))
        doubt(table, row, values.at(0), QStringLiteral("pointer"), values.at(column),
              QStringLiteral("ไม่มีวารสารเลขทะเบียนนี้ในตาราง vorlen1"));
}

void DeskChecks::noteKey(const QString& pointer) {
    const QString key = pointer.trimmed();
    if (key.isEmpty())
        return;
    qint64& highest = highestKey_[key.at(0)];
    highest = std::max(highest, keyNumber(key));
}

void DeskChecks::noteIssue(qint64 row, const QString& magno) {
    const QString number = magno.trimmed();
    highestIssue_ = std::max(highestIssue_, data::leadingNumber(number));
    // Digits alone fit a number (and take far less room than their text).
    if (allDigits(number) && number.size() <= 18)
        issueNumbers_.emplace_back(number.toLongLong(), row);
    else
        otherIssueNumbers_[number].push_back(row);
}

DeskChecks::Kind DeskChecks::kindOf(const QString& table) {
    static const QSet<QString> codeTables = {
        QStringLiteral("typemag"),    QStringLiteral("magtype"),   QStringLiteral("maglang"),
        QStringLiteral("department"), QStringLiteral("receives"),  QStringLiteral("currmony"),
        QStringLiteral("statustype"), QStringLiteral("bindcolor"), QStringLiteral("bindtype")};
    if (codeTables.contains(table))
        return Kind::Code;
    if (table == u"dealer")
        return Kind::Publisher;
    if (table == u"vorlen1")
        return Kind::Title;
    if (table == u"vorlen")
        return Kind::Subscription;
    if (table == u"typeclass")
        return Kind::TitleKind;
    if (table == u"tranfile")
        return Kind::Issue;
    return Kind::Other;
}

void DeskChecks::begin(const QString& table) {
    table_ = table;
    kind_ = kindOf(table);
}

void DeskChecks::check(qint64 row, const QStringList& values) {
    using namespace data;
    const QString& table = table_;
    if (kind_ == Kind::Code) {
        codes_[table].insert(values.at(codetable::code).trimmed());
    } else if (kind_ == Kind::Publisher) {
        publishers_.insert(values.at(dealer::Publisher_Code).trimmed());
    } else if (kind_ == Kind::Title) {
        const QString key = values.at(vorlen1::pointer).trimmed();
        if (const auto first = titles_.constFind(key); first != titles_.constEnd()) {
            const QString reason = QStringLiteral("เลขทะเบียนนี้มีแถวชื่อวารสารมากกว่าหนึ่งแถว");
            if (!reportedTitles_.contains(key)) {
                reportedTitles_.insert(key);
                doubt(table, *first, values.at(0), QStringLiteral("pointer"), values.at(0), reason);
            }
            doubt(table, row, values.at(0), QStringLiteral("pointer"), values.at(0), reason);
        } else {
            titles_.insert(key, row);
            known_.insert(key);
        }
        noteKey(values.at(vorlen1::pointer));
        checkDate(table, row, values, vorlen1::First_year_printed);
        checkCode(table, row, values, vorlen1::language_code, QStringLiteral("maglang"));
        checkCode(table, row, values, vorlen1::magtype_code, QStringLiteral("magtype"));
        checkPublisher(table, row, values, vorlen1::publisher_code);
    } else if (kind_ == Kind::Subscription) {
        noteKey(values.at(vorlen::pointer));
        checkTitle(table, row, values, vorlen::pointer);
        checkCode(table, row, values, vorlen::department_code, QStringLiteral("department"));
        checkCode(table, row, values, vorlen::bind_type_code, QStringLiteral("bindtype"));
        checkCode(table, row, values, vorlen::Receive_Code, QStringLiteral("receives"));
        checkCode(table, row, values, vorlen::bind_color_code, QStringLiteral("bindcolor"));
        checkCode(table, row, values, vorlen::currency_code, QStringLiteral("currmony"));
        checkCode(table, row, values, vorlen::status_code, QStringLiteral("statustype"));
        for (int date : {vorlen::begin_period, vorlen::end_period, vorlen::order_date})
            checkDate(table, row, values, date);
        checkPublisher(table, row, values, vorlen::publisher_code);
    } else if (kind_ == Kind::TitleKind) {
        noteKey(values.at(typeclass::pointer));
        checkTitle(table, row, values, typeclass::pointer);
        checkCode(table, row, values, typeclass::type_code, QStringLiteral("typemag"));
    } else if (kind_ == Kind::Issue) {
        noteKey(values.at(tranfile::pointer));
        noteIssue(row, values.at(tranfile::magno));
        checkTitle(table, row, values, tranfile::pointer);
        checkCode(table, row, values, tranfile::department_code, QStringLiteral("department"));
        checkDate(table, row, values, tranfile::receivedate);
        checkDate(table, row, values, tranfile::daily);
    }
}

void DeskChecks::raiseSeries(QStringList& series) {
    for (int position = data::recsetup::next_key1; position <= data::recsetup::next_key4;
         ++position) {
        const QString value = series.at(position).trimmed();
        if (value.isEmpty() || !highestKey_.contains(value.at(0)))
            continue;
        const qint64 highest = highestKey_.value(value.at(0));
        if (keyNumber(value) > highest)
            continue;
        const QString raised =
            value.at(0) + QStringLiteral("%1").arg(highest + 1, 6, 10, QChar(u'0'));
        doubt(QStringLiteral("recsetup"), 1, series.at(position),
              data::columnNames(QStringLiteral("recsetup")).at(position), series.at(position),
              QStringLiteral("เลขถัดไปของชุดนี้ใช้ไปแล้ว (สูงสุด %1%2) จึงปรับเป็น %3")
                  .arg(value.at(0))
                  .arg(highest, 6, 10, QChar(u'0'))
                  .arg(raised));
        series[position] = raised;
    }
}

void DeskChecks::raiseCounter(QStringList& counter) {
    const QString next = counter.at(data::jourctrl::nextmagno);
    if (data::leadingNumber(next) > highestIssue_)
        return;
    const QString raised = QString::number(highestIssue_ + 1);
    doubt(QStringLiteral("jourctrl"), 1, next, QStringLiteral("nextmagno"), next,
          QStringLiteral("เลขลงทะเบียนถัดไปใช้ไปแล้ว (สูงสุด %1) จึงปรับเป็น %2")
              .arg(highestIssue_)
              .arg(raised));
    counter[data::jourctrl::nextmagno] = raised;
}

void DeskChecks::finish() {
    const QString table = QStringLiteral("tranfile"), column = QStringLiteral("magno");
    const QString reason = QStringLiteral("เลขลงทะเบียนนี้ใช้มากกว่าหนึ่งครั้ง");
    std::sort(issueNumbers_.begin(), issueNumbers_.end());
    for (std::size_t i = 0; i < issueNumbers_.size();) {
        std::size_t end = i + 1;
        while (end < issueNumbers_.size() && issueNumbers_[end].first == issueNumbers_[i].first)
            ++end;
        if (end - i > 1)
            for (std::size_t k = i; k < end; ++k)
                doubt(table, issueNumbers_[k].second, QString::number(issueNumbers_[k].first),
                      column, QString::number(issueNumbers_[k].first), reason);
        i = end;
    }
    for (auto it = otherIssueNumbers_.cbegin(); it != otherIssueNumbers_.cend(); ++it)
        if (it->size() > 1)
            for (qint64 row : *it)
                doubt(table, row, it.key(), column, it.key(), reason);
    issueNumbers_ = {};
}

}  // namespace format
