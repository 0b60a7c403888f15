#include "late/ClaimLetters.h"

#include <QHash>

#include "data/Database.h"
#include "data/DateText.h"
#include "late/LateCsv.h"
#include "patterns/ClaimRecords.h"
#include "settings/UnitName.h"

namespace late {

ClaimSender claimSender(const data::Database& db) {
    const QString deskAddress = settings::readDeskAddress(db);
    return {settings::readUnitName(db), settings::readDeskName(db),
            deskAddress.isEmpty() ? settings::readUnitAddress(db) : deskAddress};
}

std::vector<ClaimLetter> sendClaims(
    data::Database& db, const std::vector<LateTitle>& titles, QDate today,
    const std::function<void(const std::vector<ClaimLetter>&)>& write) {
    std::vector<patterns::ClaimRequest> requests;
    requests.reserve(titles.size());
    for (const LateTitle& t : titles)
        requests.push_back({t.claimKey(), t.agentCode.trimmed()});
    std::vector<ClaimLetter> letters;
    const LateRecords records(db);
    patterns::ClaimRecords(db).claim(
        requests, today, settings::readReclaimDays(db),
        [&](const std::vector<patterns::SentClaim>& sent) {
            QHash<QString, std::size_t> letterOf;
            for (const patterns::SentClaim& s : sent) {
                const LateTitle& t = titles[std::size_t(s.request)];
                const QString agent = t.agentCode.trimmed();
                if (!letterOf.contains(agent)) {
                    letterOf.insert(agent, letters.size());
                    letters.push_back({agent, t.agentName, records.agentAddress(agent), {}});
                }
                letters[letterOf.value(agent)].lines.push_back({t, s.step.number});
            }
            write(letters);
        });
    return letters;
}

QByteArray claimsCsv(const std::vector<ClaimLetter>& letters) {
    QByteArray csv = "\xEF\xBB\xBF";
    csv +=
        csvLine({QStringLiteral("รหัสตัวแทน"), QStringLiteral("ตัวแทน/ร้านค้า"), QStringLiteral("รหัส"),
                 QStringLiteral("ชื่อวารสาร/สิ่งพิมพ์"), QStringLiteral("ISSN"),
                 QStringLiteral("คณะ/หน่วยงาน"), QStringLiteral("ปีที่"), QStringLiteral("ฉบับที่"),
                 QStringLiteral("กำหนดได้รับ"), QStringLiteral("ครั้งที่"), QStringLiteral("การทวงถาม")});
    for (const ClaimLetter& letter : letters)
        for (const ClaimLine& line : letter.lines) {
            const LateTitle& t = line.title;
            csv += csvLine({letter.agentCode, letter.agentName, t.pointer.trimmed(), t.name,
                            t.issn.trimmed(), t.departmentName, t.yearno, t.issueno,
                            data::writeDate(t.expected), QString::number(line.number),
                            patterns::claimWording(line.number)});
        }
    return csv;
}

}  // namespace late
