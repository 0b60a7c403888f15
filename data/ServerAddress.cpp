#include "data/ServerAddress.h"

#include <libpq-fe.h>

#include <QStringList>

namespace data {

namespace {

// libpq's reading of the address: its options, or null when it cannot read it.
PQconninfoOption* parsed(const QString& uri) {
    char* error = nullptr;
    PQconninfoOption* options = PQconninfoParse(uri.toUtf8().constData(), &error);
    PQfreemem(error);
    return options;
}

bool parsedPassword(const QString& uri) {
    PQconninfoOption* options = parsed(uri);
    bool found = false;
    for (PQconninfoOption* o = options; o && o->keyword; ++o)
        found = found || (qstrcmp(o->keyword, "password") == 0 && o->val && *o->val);
    PQconninfoFree(options);
    return found;
}

// Where the user part ends: libpq takes the first '@' before any '/', other
// readers the last one; the last one is taken, so that no reading of a
// mistyped address finds a piece of the password left. -1 when there is none.
qsizetype userPartEnd(const QString& rest) {
    const qsizetype slash = rest.indexOf(u'/');
    if (slash == 0)
        return -1;
    return rest.lastIndexOf(u'@', slash < 0 ? -1 : slash - 1);
}

QString withoutUserPassword(const QString& rest) {
    const qsizetype at = userPartEnd(rest);
    const qsizetype colon = at < 0 ? -1 : rest.left(at).indexOf(u':');
    return colon < 0 ? rest : rest.left(colon) + rest.mid(at);
}

QString withoutPasswordParameter(const QString& rest) {
    const qsizetype question = rest.indexOf(u'?', userPartEnd(rest) + 1);
    if (question < 0)
        return rest;
    QStringList kept;
    for (const QString& item : rest.mid(question + 1).split(u'&')) {
        const QByteArray name = QByteArray::fromPercentEncoding(item.section(u'=', 0, 0).toUtf8());
        if (name != "password")
            kept << item;
    }
    return rest.left(question) + (kept.isEmpty() ? QString() : u'?' + kept.join(u'&'));
}

}  // namespace

bool serverAddressReadable(const QString& uri) {
    PQconninfoOption* options = parsed(uri);
    PQconninfoFree(options);
    return options != nullptr;
}

bool serverAddressHoldsPassword(const QString& uri) {
    return parsedPassword(uri) || serverAddressWithoutPassword(uri) != uri;
}

QString serverAddressWithoutPassword(const QString& uri) {
    const qsizetype start = uri.indexOf(QLatin1String("://")) + 3;
    const QString shown =
        uri.left(start) + withoutPasswordParameter(withoutUserPassword(uri.mid(start)));
    return parsedPassword(shown) ? uri.left(start) : shown;
}

}  // namespace data
