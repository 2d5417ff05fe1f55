#include "shelf/ProgramType.h"

#include "platform/RegularFile.h"

#include <QFileInfo>
#include <QtEndian>

namespace {

// The DOS header's place of the offset of a newer header.
constexpr qint64 NewHeaderOffsetAt = 0x3C;

} // namespace

bool isWindowsProgram(const QString& path) {
    if (QFileInfo(path).suffix().toLower() != u"exe")
        return false;
    QFile file;
    if (!openRegularFile(file, path))
        return false;
    const QByteArray dosHeader = file.read(NewHeaderOffsetAt + 4);
    if (dosHeader.size() < NewHeaderOffsetAt + 4 ||
        !(dosHeader.startsWith("MZ") || dosHeader.startsWith("ZM")))
        return false;
    const quint32 newHeader = qFromLittleEndian<quint32>(dosHeader.constData() + NewHeaderOffsetAt);
    // A plain DOS program keeps code or relocations there: an offset beyond the file, or one
    // pointing at anything but a known signature, is no Windows header.
    if (newHeader < NewHeaderOffsetAt + 4 || newHeader > file.size() - 2 || !file.seek(newHeader))
        return false;
    const QByteArray signature = file.read(4);
    return signature.startsWith("NE") || signature == QByteArray("PE\0\0", 4);
}
