#include "PdfText.h"

#include <QProcess>

namespace testing_support {

QString pdfText(const QString& path, const QStringList& options) {
    QProcess tool;
    tool.start(QStringLiteral("pdftotext"), options + QStringList{path, QStringLiteral("-")});
    if (!tool.waitForFinished(30000) || tool.exitStatus() != QProcess::NormalExit)
        return {};
    return QString::fromUtf8(tool.readAllStandardOutput());
}

QString withoutMarks(QString text) {
    text = text.normalized(QString::NormalizationForm_KD);
    text.removeIf([](QChar c) {
        return c.isSpace() || c.isMark() || c.category() == QChar::Other_PrivateUse;
    });
    return text;
}

}  // namespace testing_support
