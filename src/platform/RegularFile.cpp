#include "platform/RegularFile.h"

#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

bool openRegularFile(QFile& file, const QString& path) {
#ifdef Q_OS_UNIX
    // Checked on the opened file itself, so that nothing can swap the file for a FIFO between
    // the check and the open; without waiting, the open of a FIFO returns at once. Names
    // starting with ':' are Qt's resources, which the system does not know.
    if (!path.startsWith(u':')) {
        const int handle =
            ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        if (handle < 0)
            return false;
        struct stat status {};
        if (::fstat(handle, &status) == 0 && S_ISREG(status.st_mode) &&
            file.open(handle, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle))
            return true;
        ::close(handle);
        return false;
    }
#endif
    file.setFileName(path);
    return QFileInfo(path).isFile() && file.open(QIODevice::ReadOnly);
}
