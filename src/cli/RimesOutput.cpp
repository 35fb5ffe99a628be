#include "cli/RimesOutput.h"

#include <cerrno>

bool RimesOutput::write(const QByteArray &bytes)
{
    if (m_failed)
        return false;
    if (bytes.isEmpty())
        return true;
    errno = 0;
    if (std::fwrite(bytes.constData(), 1, size_t(bytes.size()), m_stream) != size_t(bytes.size())) {
        m_failed = true;
        m_error = errno;
    }
    return !m_failed;
}

bool RimesOutput::finish()
{
    if (m_failed)
        return false;
    errno = 0;
    if (std::fflush(m_stream) != 0 || std::ferror(m_stream)) {
        m_failed = true;
        m_error = errno;
    }
    return !m_failed;
}

QString RimesOutput::failureText() const
{
    QString reason;
    switch (m_error) {
    case ENOSPC:
        reason = QStringLiteral("plus de place sur le disque");
        break;
    case EBADF:
        reason = QStringLiteral("la sortie est ferm\u00E9e");
        break;
    case EPIPE:
        reason = QStringLiteral("le programme lecteur s'est arr\u00EAt\u00E9");
        break;
    default:
        reason = QStringLiteral("erreur d'\u00E9criture n\u00B0 %1").arg(m_error);
        break;
    }
    return QStringLiteral("le r\u00E9sultat n'a pas pu \u00EAtre \u00E9crit (%1).").arg(reason);
}
