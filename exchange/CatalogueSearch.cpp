#include "exchange/CatalogueSearch.h"

#include <yaz/zoom.h>

#include <QRegularExpression>
#include <algorithm>

#include "exchange/ExchangeError.h"
#include "exchange/MarcReader.h"

namespace exchange {

namespace {

constexpr int kMostRecords = 50;

// A word as a PQF term: quoted, with the quote and backslash escaped.
QString term(const QString& word) {
    QString t = word;
    t.replace(u'\\', QStringLiteral("\\\\")).replace(u'"', QStringLiteral("\\\""));
    return u'"' + t + u'"';
}

void addWords(QStringList& parts, int use, const QString& text) {
    for (const QString& w : text.split(u' ', Qt::SkipEmptyParts))
        parts << QStringLiteral("@attr 1=%1 @attr 5=3 %2").arg(use).arg(term(w));
}

// A word as a CQL term: its quote, backslash and masking characters escaped,
// with a star on each side when it may match in part.
QString contextTerm(const QString& word, bool inPart) {
    QString t;
    for (QChar c : word) {
        if (c == u'"' || c == u'\\' || c == u'*' || c == u'?' || c == u'^')
            t += u'\\';
        t += c;
    }
    return inPart ? QStringLiteral("\"*%1*\"").arg(t) : u'"' + t + u'"';
}

void addContextWords(QStringList& parts, const char* index, const QString& text) {
    for (const QString& w : text.split(u' ', Qt::SkipEmptyParts))
        parts << QLatin1String(index) + u'=' + contextTerm(w, true);
}

// The ISSN with its hyphen, as catalogues store it, or the ISBN; empty when
// the query has no number.
QString printedNumber(const CatalogueQuery& q) {
    const QString number = bareNumber(q.number);
    return number.size() == 8 ? number.left(4) + u'-' + number.mid(4) : number;
}

bool isSru(const QString& server) {
    return server.startsWith(QStringLiteral("http://")) ||
           server.startsWith(QStringLiteral("https://"));
}

struct ZoomQuery {
    ZOOM_query query = ZOOM_query_create();
    ZoomQuery() = default;
    ZoomQuery(const ZoomQuery&) = delete;
    ZoomQuery& operator=(const ZoomQuery&) = delete;
    ~ZoomQuery() { ZOOM_query_destroy(query); }
};

QString joined(const MarcField* f, const QString& codes) {
    if (!f)
        return {};
    QStringList parts;
    for (const auto& [code, text] : f->subfields)
        if (codes.contains(code))
            parts << text.trimmed();
    QString all = parts.join(u' ');
    // Cataloguing punctuation at the end of the last part goes.
    static const QRegularExpression trailing(QStringLiteral("[\\s/:;,=.]+$"));
    return all.remove(trailing);
}

CatalogueHit hitOf(const MarcRecord& r) {
    CatalogueHit h;
    h.title = joined(r.field("245"), QStringLiteral("abnp"));
    for (const char* tag : {"100", "110", "111", "700", "710"})
        if (h.author.isEmpty())
            h.author = joined(r.field(QLatin1String(tag)), QStringLiteral("a"));
    h.issn = joined(r.field("022"), QStringLiteral("a"));
    h.isbn = joined(r.field("020"), QStringLiteral("a"));
    const QString fixed = r.control("008");
    if (fixed.size() >= 11)
        h.year = fixed.mid(7, 4).trimmed();
    h.serial = r.isSerial();
    return h;
}

QString problemOf(ZOOM_connection c, const QString& server, int timeout) {
    const char* message = nullptr;
    const char* extra = nullptr;
    const int code = ZOOM_connection_error(c, &message, &extra);
    if (code == ZOOM_ERROR_TIMEOUT)
        return QStringLiteral("เครื่องบริการ %1 ไม่ตอบภายใน %2 วินาที")
            .arg(server, QString::number(timeout));
    if (code == ZOOM_ERROR_CONNECT || code == ZOOM_ERROR_CONNECTION_LOST)
        return QStringLiteral("ติดต่อเครื่องบริการ %1 ไม่ได้").arg(server);
    return QStringLiteral("เครื่องบริการ %1 ตอบว่าค้นไม่ได้ (%2 %3)")
        .arg(server, QString::fromUtf8(message ? message : ""),
             QString::fromUtf8(extra ? extra : ""))
        .trimmed();
}

}  // namespace

QString prefixQuery(const CatalogueQuery& q) {
    QStringList parts;
    addWords(parts, 4, q.words);
    addWords(parts, 1003, q.author);
    addWords(parts, 21, q.subject);
    const QString number = printedNumber(q);
    if (!number.isEmpty())
        parts << QStringLiteral("@attr 1=%1 %2").arg(number.size() == 9 ? 8 : 7).arg(term(number));
    QString query;
    for (int i = 1; i < parts.size(); ++i)
        query += QStringLiteral("@and ");
    return query + parts.join(u' ');
}

QString contextQuery(const CatalogueQuery& q) {
    QStringList parts;
    addContextWords(parts, "dc.title", q.words);
    addContextWords(parts, "dc.creator", q.author);
    addContextWords(parts, "dc.subject", q.subject);
    const QString number = printedNumber(q);
    if (!number.isEmpty())
        parts << QLatin1String(number.size() == 9 ? "bath.issn=" : "bath.isbn=") +
                     contextTerm(number, false);
    return parts.join(QStringLiteral(" and "));
}

QString bareNumber(const QString& number) {
    QString bare;
    for (QChar c : number)
        if (c.isDigit() || c == u'x' || c == u'X')
            bare += c.toUpper();
    return bare;
}

std::vector<ServerAnswer> askCatalogues(const QStringList& servers, const CatalogueQuery& q,
                                        int timeoutSeconds) {
    std::vector<ServerAnswer> answers;
    const QString pqf = prefixQuery(q);
    if (servers.isEmpty() || pqf.isEmpty())
        return answers;
    // Z39.50 targets take the prefix form; SRU servers take CQL, which they
    // map to their own indexes.
    ZoomQuery prefix, context;
    ZOOM_query_prefix(prefix.query, pqf.toUtf8().constData());
    ZOOM_query_cql(context.query, contextQuery(q).toUtf8().constData());

    std::vector<ZOOM_connection> connections;
    std::vector<ZOOM_resultset> sets;
    const QByteArray timeout = QByteArray::number(timeoutSeconds);
    for (const QString& server : servers) {
        answers.push_back({server, {}, {}});
        ZOOM_options o = ZOOM_options_create();
        ZOOM_options_set(o, "async", "1");
        ZOOM_options_set(o, "timeout", timeout.constData());
        ZOOM_options_set(o, "preferredRecordSyntax", "usmarc");
        ZOOM_options_set(o, "count", QByteArray::number(kMostRecords).constData());
        const bool sru = isSru(server);
        if (sru) {
            ZOOM_options_set(o, "sru", "get");
            ZOOM_options_set(o, "schema", "marcxml");
        }
        ZOOM_connection c = ZOOM_connection_create(o);
        ZOOM_options_destroy(o);
        ZOOM_connection_connect(c, server.toUtf8().constData(), 0);
        connections.push_back(c);
        sets.push_back(ZOOM_connection_search(c, sru ? context.query : prefix.query));
    }
    // Every connection works until it has its records, an error or the
    // timeout; ZOOM_event returns 0 when none has anything left to do.
    while (ZOOM_event(static_cast<int>(connections.size()), connections.data()) > 0) {
    }
    for (std::size_t i = 0; i < connections.size(); ++i) {
        ServerAnswer& a = answers[i];
        if (ZOOM_connection_error(connections[i], nullptr, nullptr) != ZOOM_ERROR_NONE) {
            a.problem = problemOf(connections[i], a.server, timeoutSeconds);
        } else {
            const std::size_t size =
                std::min<std::size_t>(ZOOM_resultset_size(sets[i]), kMostRecords);
            for (std::size_t n = 0; n < size; ++n) {
                ZOOM_record rec = ZOOM_resultset_record_immediate(sets[i], n);
                int length = 0;
                const char* raw = rec ? ZOOM_record_get(rec, "raw", &length) : nullptr;
                if (!raw || length <= 0)
                    continue;
                try {
                    for (const MarcRecord& r : readMarc(QByteArray(raw, length)))
                        a.hits.push_back(hitOf(r));
                } catch (const ExchangeError&) {
                    // A record the server sent broken is left out of the list.
                }
            }
        }
        ZOOM_resultset_destroy(sets[i]);
        ZOOM_connection_destroy(connections[i]);
    }
    return answers;
}

}  // namespace exchange
