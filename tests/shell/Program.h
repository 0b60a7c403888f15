#pragma once

#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <optional>

namespace testing_support {

// The real program, run for a user whose home is a temporary folder.
class Program {
  public:
    Program() {
        QDir().mkpath(home_.path() + "/run");
        QFile::setPermissions(home_.path() + "/run",
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        env_ = QProcessEnvironment::systemEnvironment();
        env_.insert("HOME", home_.path());
        env_.insert("XDG_DATA_HOME", home_.path() + "/share");
        env_.insert("XDG_CONFIG_HOME", home_.path() + "/config");
        env_.insert("XDG_RUNTIME_DIR", home_.path() + "/run");
        env_.insert("QT_QPA_PLATFORM", "offscreen");
        env_.remove("PERIODICALS_DATABASE");
    }
    ~Program() {
        if (running_.state() != QProcess::NotRunning) {
            running_.terminate();
            running_.waitForFinished(10000);
        }
    }

    QString home() const { return home_.path(); }
    QString dataFolder() const { return home_.path() + "/share/periodicals"; }
    QString database() const { return dataFolder() + "/Vorlen.db"; }
    QString configFile() const { return home_.path() + "/config/periodicals/periodicals.conf"; }
    void writeConfig(const QByteArray& text) const {
        QDir().mkpath(QFileInfo(configFile()).absolutePath());
        QFile file(configFile());
        file.open(QIODevice::WriteOnly | QIODevice::Truncate);
        file.write(text);
    }
    void setEnvironment(const QString& name, const QString& value) { env_.insert(name, value); }
    void setUmask(mode_t mask) { umask_ = mask; }
    // Root reads every file whatever its mode; the program then runs without
    // that right, as a clerk would.
    void withoutOverridingModes() {
        if (geteuid() == 0)
            wrapper_ = {"setpriv", "--bounding-set=-dac_override,-dac_read_search", PERIODICALS};
    }

    // Runs a command to its end; returns its exit code and keeps its output.
    int run(const QStringList& args) {
        QProcess p;
        p.setProcessEnvironment(env_);
        p.setWorkingDirectory(home_.path());
        start(p, args);
        if (!p.waitForFinished(30000)) {
            p.kill();
            p.waitForFinished();
            output = "(did not end)";
            return -1;
        }
        output = QString::fromUtf8(p.readAllStandardOutput());
        errors = QString::fromUtf8(p.readAllStandardError());
        return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    }

    void launch() {
        running_.setProcessEnvironment(env_);
        running_.setWorkingDirectory(home_.path());
        start(running_, {});
    }
    // Starts the program's window and waits until its day's backup is made.
    bool start() {
        launch();
        const QString today = QDate::currentDate().toString("yyyy-MM-dd");
        return QTest::qWaitFor(
            [&] { return QFile::exists(dataFolder() + "/backups/Vorlen-" + today + ".db"); },
            30000);
    }
    // The window's error output so far.
    QString launchedErrors() {
        launchedErrors_ += QString::fromUtf8(running_.readAllStandardError());
        return launchedErrors_;
    }
    bool stillRunning() const { return running_.state() == QProcess::Running; }
    int exitCode() const {
        return running_.exitStatus() == QProcess::NormalExit ? running_.exitCode() : -1;
    }
    void stop() {
        running_.terminate();
        running_.waitForFinished(10000);
    }
    // For a program that waits in a message box before its event loop runs.
    void kill() {
        running_.kill();
        running_.waitForFinished(10000);
    }

    QString output;
    QString errors;

  private:
    void start(QProcess& p, const QStringList& args) {
        if (umask_)
            p.setChildProcessModifier([mask = *umask_] { ::umask(mask); });
        if (wrapper_.isEmpty())
            p.start(PERIODICALS, args);
        else
            p.start(wrapper_.first(), wrapper_.mid(1) + args);
    }

    QTemporaryDir home_;
    QProcessEnvironment env_;
    QStringList wrapper_;
    std::optional<mode_t> umask_;
    QProcess running_;
    QString launchedErrors_;
};

}  // namespace testing_support
