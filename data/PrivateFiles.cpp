#include "data/PrivateFiles.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace data {

bool makePrivateFolder(const QString& path) {
    const QString absolute = QFileInfo(path).absoluteFilePath();
    if (QFileInfo(absolute).isDir())
        return true;
    const QString parent = QFileInfo(absolute).absolutePath();
    if (parent != absolute && !makePrivateFolder(parent))
        return false;
    const QByteArray name = QFile::encodeName(absolute);
    if (::mkdir(name.constData(), 0700) != 0)
        return QFileInfo(absolute).isDir();  // made meanwhile by another program
    return ::chmod(name.constData(), 0700) == 0;
}

bool createPrivateFile(const QString& path) {
    const int fd =
        ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0)
        return false;
    const bool made = ::fchmod(fd, 0600) == 0;
    ::close(fd);
    return made;
}

bool copyPrivately(const QString& from, const QString& to) {
    QFile in(from);
    if (!in.open(QIODevice::ReadOnly) || !createPrivateFile(to))
        return false;
    QFile out(to);
    bool copied = out.open(QIODevice::WriteOnly);
    while (copied && !in.atEnd()) {
        const QByteArray block = in.read(1 << 20);
        copied = !block.isEmpty() && out.write(block) == block.size();
    }
    copied = copied && out.flush() && ::fsync(out.handle()) == 0;
    out.close();
    if (!copied)
        QFile::remove(to);
    return copied;
}

}  // namespace data
