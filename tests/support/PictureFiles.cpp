#include "PictureFiles.h"

#include <QDataStream>
#include <QFile>
#include <QImage>

namespace {

// A GIF of one colour. Each pixel is a clear code and colour 0, three bits each, so that the
// code table never fills and the codes never grow: any decoder reads them as plain pixels. Four
// pixels make three bytes; the tail holds the pixels left over and the end code.
QByteArray solidGif(QSize size, QColor colour) {
    const int pixels = size.width() * size.height();
    static const QByteArray tails[] = {"\x05", "\x44\x01", "\x04\x51", "\x04\x41\x14"};
    const QByteArray codes = QByteArray("\x04\x41\x10").repeated(pixels / 4) + tails[pixels % 4];
    QByteArray gif;
    QDataStream out(&gif, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out.writeRawData("GIF89a", 6);
    // Two colours, the picture's first; one image over the whole area; codes of three bits.
    out << quint16(size.width()) << quint16(size.height()) << quint8(0x80) << quint16(0)
        << quint8(colour.red()) << quint8(colour.green()) << quint8(colour.blue()) << quint16(0)
        << quint8(0) << quint8(0x2C) << quint32(0) << quint16(size.width())
        << quint16(size.height()) << quint8(0) << quint8(2);
    for (qsizetype at = 0; at < codes.size(); at += 255) {
        const QByteArray block = codes.mid(at, 255);
        out << quint8(block.size());
        out.writeRawData(block.constData(), int(block.size()));
    }
    out << quint8(0) << quint8(0x3B);
    return gif;
}

} // namespace

bool writePicture(const QString& path, QSize size, QColor colour, const char* format) {
    QFile file(path);
    if (qstricmp(format, "GIF") == 0)
        return file.open(QIODevice::WriteOnly) && file.write(solidGif(size, colour)) > 0;
    // One byte a pixel keeps even a huge picture small in memory.
    QImage picture(size, QImage::Format_Indexed8);
    picture.setColorTable({colour.rgb()});
    picture.fill(0);
    return picture.save(path, format);
}
