#pragma once

#include <QByteArray>
#include <QString>
#include <utility>
#include <vector>

namespace exchange {

struct MarcField {
    QString tag;
    QString indicators;
    std::vector<std::pair<QChar, QString>> subfields;  // a control field: one, code ' '

    QString subfield(QChar code) const;
};

struct MarcRecord {
    QString leader;
    std::vector<MarcField> fields;

    // The first field of the tag, or null.
    const MarcField* field(const QString& tag) const;
    std::vector<const MarcField*> all(const QString& tag) const;
    QString control(const QString& tag) const;
    bool isSerial() const { return leader.size() > 7 && leader[7] == u's'; }
};

// The records of a file in ISO 2709 (read by YAZ) or MARCXML. Raises
// ExchangeError (Thai) for a file cut short or not MARC at all, naming the
// record where reading stopped.
std::vector<MarcRecord> readMarc(const QByteArray& content);

}  // namespace exchange
