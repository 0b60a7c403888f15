#pragma once

#include <QMap>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

class QTextStream;

namespace shell {

// What a command's handler is given when it runs.
class CommandContext {
  public:
    CommandContext(QString value, QTextStream& out, QMap<QString, QString> qualifiers = {})
        : value_(std::move(value)), out_(out), qualifiers_(std::move(qualifiers)) {}

    // The value given after the option, for an option that takes one.
    const QString& value() const { return value_; }
    // The value of one of the command's qualifiers; empty when not given.
    QString qualifier(const QString& name) const { return qualifiers_.value(name); }
    // Every qualifier given, by name.
    const QMap<QString, QString>& qualifiers() const { return qualifiers_; }
    QTextStream& out() const { return out_; }
    // Where the windows keep the collection (the configured server, else this
    // user's file); empty, with the reason printed, when the setting is unusable.
    std::optional<QString> location() const;

  private:
    QString value_;
    QTextStream& out_;
    QMap<QString, QString> qualifiers_;
};

// One option of the command line and what it does; its handler returns the
// program's exit code.
struct Command {
    QString name;         // the option, without its dashes
    QString valueName;    // empty for an option that takes no value
    QString description;  // in Thai, for the usage
    std::function<int(const CommandContext&)> run;
    // Runs under QApplication (printing, fonts), on the offscreen platform
    // unless another is asked for, so that it runs without a display.
    bool needsDisplay = false;
    // Options with a value that may be given beside this one (--format).
    QStringList qualifiers = {};
    // Options without a value that may be given beside it (--articles); the
    // handler sees one given as the qualifier's value "1".
    QStringList switches = {};
};

// Every command of the program, in the order the usage lists them.
std::vector<Command> commands();

// The program started with arguments: `--help` prints the usage and
// `--version` the version (exit 0); a wrong option, a missing value, a stray
// argument or two commands at once are said in Thai with the usage (exit 2);
// otherwise the one command given runs.
int runCommandLine(int& argc, char* argv[]);

}  // namespace shell
