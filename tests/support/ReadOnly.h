#pragma once

#include <unistd.h>

#include <QFile>
#include <QFileInfo>
#include <QProcess>

namespace testing_support {

// Makes a file, and with `wholeFolder` its folder too (as on a read-only
// mount), unwritable for as long as the object lives. Root ignores file
// modes, so for root the files are marked immutable instead.
class ReadOnly {
  public:
    ReadOnly(const QString& file, bool wholeFolder) {
        paths_ << file;
        if (wholeFolder)
            paths_ << QFileInfo(file).absolutePath();
        for (const QString& path : paths_)
            applied_ = set(path, true) && applied_;
    }
    ~ReadOnly() {
        for (const QString& path : paths_)
            set(path, false);
    }
    bool applied() const { return applied_; }

  private:
    static bool set(const QString& path, bool locked) {
        if (geteuid() == 0)
            return QProcess::execute(
                       QStringLiteral("chattr"),
                       {locked ? QStringLiteral("+i") : QStringLiteral("-i"), path}) == 0;
        const bool folder = QFileInfo(path).isDir();
        QFile::Permissions mode =
            QFile::ReadOwner | (folder ? QFile::ExeOwner : QFile::Permissions());
        if (!locked)
            mode |= QFile::WriteOwner;
        return QFile::setPermissions(path, mode);
    }

    QStringList paths_;
    bool applied_ = true;
};

}  // namespace testing_support
