#pragma once

#include <QFile>
#include <QString>

// Opens `path` for reading when it names a regular file (or one of the program's own resources).
// A FIFO, a device or a folder is refused at once: opening a FIFO waits for a writer that may
// never come, and a device such as /dev/zero never ends.
bool openRegularFile(QFile& file, const QString& path);
