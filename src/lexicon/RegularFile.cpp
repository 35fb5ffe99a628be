#include "lexicon/RegularFile.h"

#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

RegularFileRead failure(RegularFileRead::Outcome outcome, const QString &reason)
{
    RegularFileRead read;
    read.outcome = outcome;
    read.reason = reason;
    return read;
}

QString notRegularReason()
{
    return QStringLiteral("ce n'est pas un fichier ordinaire");
}

#ifdef Q_OS_UNIX
QString errnoReason(int error)
{
    switch (error) {
    case EACCES:
    case EPERM:
        return QStringLiteral("acc\u00E8s refus\u00E9");
    case EIO:
        return QStringLiteral("erreur de lecture");
    case ELOOP:
    case ENOTDIR:
    case ENAMETOOLONG:
        return QStringLiteral("chemin incorrect");
    default:
        return QStringLiteral("erreur syst\u00E8me n\u00B0 %1").arg(error);
    }
}
#endif

} // namespace

RegularFileRead ReadRegularFile(const QString &path, qint64 limit)
{
    QFile file;
#ifdef Q_OS_UNIX
    // Opened without waiting (a pipe with no writer would hold the open
    // forever), then checked on the open descriptor itself.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        const int error = errno;
        return error == ENOENT ? failure(RegularFileRead::Outcome::Missing, {})
                               : failure(RegularFileRead::Outcome::Unreadable, errnoReason(error));
    }
    struct stat status {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(fd);
        return failure(RegularFileRead::Outcome::Unreadable, notRegularReason());
    }
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return failure(RegularFileRead::Outcome::Unreadable, file.errorString());
    }
#else
    const QFileInfo info(path);
    if (!info.exists())
        return failure(RegularFileRead::Outcome::Missing, {});
    if (!info.isFile())
        return failure(RegularFileRead::Outcome::Unreadable, notRegularReason());
    file.setFileName(path);
    if (!file.open(QIODevice::ReadOnly))
        return failure(RegularFileRead::Outcome::Unreadable, file.errorString());
#endif
    RegularFileRead read;
    read.bytes = limit < 0 ? file.readAll() : file.read(limit);
    if (file.error() != QFileDevice::NoError)
        return failure(RegularFileRead::Outcome::Unreadable, QStringLiteral("erreur de lecture"));
    read.outcome = RegularFileRead::Outcome::Read;
    return read;
}
