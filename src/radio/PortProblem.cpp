#include "radio/PortProblem.h"

#include "codeplug/GlobalState.h"

#include <QFile>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

QString PortOpenErrorText(const QString& device, int error)
{
    const TLanguage& language = theLanguage();
    switch (error) {
    case ENOENT:
    case ENOTDIR:
    case ENXIO:
    case ENODEV:
        return language.PortMissing.arg(device);
    case EACCES:
    case EPERM:
        return language.PortNoAccess.arg(device);
    case EBUSY:
        return language.PortBusy.arg(device);
    case ENOTTY:
        return language.PortNotSerial.arg(device);
    default:
        return language.PortOtherError.arg(device, QString::fromLocal8Bit(std::strerror(error)));
    }
}

QString PortOpenProblem(const QString& device)
{
    const QByteArray path = QFile::encodeName(device);
    struct stat status {};
    if (::stat(path.constData(), &status) != 0)
        return PortOpenErrorText(device, errno);
    if (!S_ISCHR(status.st_mode))
        return PortOpenErrorText(device, ENOTTY);
    const int handle = ::open(path.constData(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (handle < 0)
        return PortOpenErrorText(device, errno);
    const bool terminal = ::isatty(handle) != 0;
    ::close(handle);
    // A terminal that opens here but not exclusively is held by another program (its lock file
    // or its exclusive mode).
    return PortOpenErrorText(device, terminal ? EBUSY : ENOTTY);
}
