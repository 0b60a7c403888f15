#include "shell/CommandLine.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>
#include <memory>

#include "shell/DatabaseSetting.h"
#include "ui/qt/Fonts.h"

namespace shell {

namespace {

const QString kHelp = QStringLiteral("help");
const QString kVersion = QStringLiteral("version");

QString usage(const std::vector<Command>& list) {
    std::vector<std::pair<QString, QString>> lines;
    lines.reserve(list.size() + 1);
    for (const Command& c : list)
        lines.emplace_back(QStringLiteral("--") + c.name +
                               (c.valueName.isEmpty() ? QString() : u' ' + c.valueName),
                           c.description);
    lines.emplace_back(QStringLiteral("--help"), QStringLiteral("แสดงวิธีใช้นี้"));
    lines.emplace_back(QStringLiteral("--version"), QStringLiteral("แสดงรุ่นของโปรแกรม"));
    qsizetype width = 0;
    for (const auto& line : lines)
        width = std::max(width, line.first.size());
    QString text = QStringLiteral(
        "วิธีใช้: periodicals [ตัวเลือก]\n"
        "เมื่อไม่ระบุตัวเลือก โปรแกรมจะเปิดหน้าต่างหลัก\n\n");
    for (const auto& [option, description] : lines)
        text += QStringLiteral("  ") + option.leftJustified(width + 2) + description + u'\n';
    return text;
}

QString shownOption(const QString& name) {
    return (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
}

// Why the parser refused the arguments, in Thai: an option it does not know,
// or an option that needs a value given last with none after it.
QString refusal(const QCommandLineParser& parser, const QStringList& args,
                const std::vector<Command>& list) {
    if (const QStringList unknown = parser.unknownOptionNames(); !unknown.isEmpty())
        return QStringLiteral("ไม่รู้จักตัวเลือก %1").arg(shownOption(unknown.first()));
    QString last = args.last();
    while (last.startsWith(u'-'))
        last.remove(0, 1);
    for (const Command& c : list)
        if (c.name == last && !c.valueName.isEmpty())
            return QStringLiteral("ต้องระบุ %1 ต่อจากตัวเลือก --%2").arg(c.valueName, c.name);
    return QStringLiteral("ตัวเลือกไม่ถูกต้อง");
}

QStringList allQualifiers(const std::vector<Command>& list) {
    QStringList names;
    for (const Command& c : list)
        for (const QString& q : c.qualifiers + c.switches)
            if (!names.contains(q))
                names << q;
    return names;
}

// What is wrong with arguments the parser took: a word that is no option, not
// exactly one command, or a qualifier the command does not take.
QString mistake(const QCommandLineParser& parser, const std::vector<Command>& list) {
    if (const QStringList stray = parser.positionalArguments(); !stray.isEmpty())
        return QStringLiteral("ไม่รู้จักคำสั่ง %1").arg(stray.first());
    const QStringList qualifiers = allQualifiers(list);
    QStringList given;
    QStringList qualifiersGiven;
    for (const QString& name : parser.optionNames())
        (qualifiers.contains(name) ? qualifiersGiven : given) << name;
    if (given.size() == 1)
        for (const Command& c : list)
            if (parser.isSet(c.name))
                for (const QString& q : qualifiersGiven)
                    if (!c.qualifiers.contains(q) && !c.switches.contains(q))
                        return QStringLiteral("ตัวเลือก --%1 ใช้กับ --%2 ไม่ได้").arg(q, c.name);
    if (given.isEmpty())
        return qualifiersGiven.isEmpty()
                   ? QStringLiteral("ไม่ได้ระบุตัวเลือก")
                   : QStringLiteral("ตัวเลือก --%1 ต้องใช้คู่กับคำสั่ง").arg(qualifiersGiven.first());
    if (given.size() == 1)
        return {};
    QStringList shown;
    for (const QString& name : given)
        shown << shownOption(name);
    return QStringLiteral("ใช้ได้ครั้งละหนึ่งตัวเลือก (ได้รับ %1)").arg(shown.join(u' '));
}

}  // namespace

std::optional<QString> CommandContext::location() const {
    const DatabaseSetting where = programDatabaseSetting();
    if (!where.error.isEmpty()) {
        out_ << where.error << u'\n';
        return std::nullopt;
    }
    return where.location;
}

int runCommandLine(int& argc, char* argv[]) {
    QStringList args;
    for (int i = 0; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    const std::vector<Command> list = commands();
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addOption(QCommandLineOption(QStringList{QStringLiteral("h"), kHelp}));
    parser.addOption(QCommandLineOption(kVersion));
    for (const Command& c : list)
        parser.addOption(c.valueName.isEmpty()
                             ? QCommandLineOption(c.name)
                             : QCommandLineOption(c.name, c.description, c.valueName));
    QStringList switches;
    for (const Command& c : list)
        switches += c.switches;
    for (const QString& q : allQualifiers(list))
        parser.addOption(switches.contains(q) ? QCommandLineOption(q)
                                              : QCommandLineOption(q, q, q.toUpper()));

    QTextStream out(stdout);
    const QString problem =
        parser.parse(args) ? mistake(parser, list) : refusal(parser, args, list);
    if (!problem.isEmpty()) {
        QTextStream(stderr) << problem << QStringLiteral("\n\n") << usage(list);
        return 2;
    }
    if (parser.isSet(kHelp)) {
        out << usage(list);
        return 0;
    }
    if (parser.isSet(kVersion)) {
        out << QStringLiteral("periodicals " PERIODICALS_VERSION "\n");
        return 0;
    }
    const auto chosen = std::find_if(list.begin(), list.end(),
                                     [&](const Command& c) { return parser.isSet(c.name); });
    std::unique_ptr<QCoreApplication> app;
    if (chosen->needsDisplay) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QApplication>(argc, argv);
        ui::qt::setUpFonts();
    } else
        app = std::make_unique<QCoreApplication>(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("periodicals"));
    QCoreApplication::setApplicationVersion(QStringLiteral(PERIODICALS_VERSION));
    QMap<QString, QString> qualifiers;
    for (const QString& q : chosen->qualifiers)
        if (parser.isSet(q))
            qualifiers.insert(q, parser.value(q));
    for (const QString& q : chosen->switches)
        if (parser.isSet(q))
            qualifiers.insert(q, QStringLiteral("1"));
    return chosen->run(CommandContext(parser.value(chosen->name), out, qualifiers));
}

}  // namespace shell
