#include "PictureFiles.h"

#include <QDataStream>
#include <QFile>
#include <QImage>

// A GIF of one colour. Each pixel is a clear code and colour 0, three bits each, so that the
// code table never fills and the codes never grow: any decoder reads them as plain pixels. Four
// pixels make three bytes, a block of their own; the last block holds the end code. Hence the
// picture's area must be a multiple of four pixels.
static QByteArray solidGif(QSize size, QColor colour) {
    QByteArray gif("GIF89a");
    QDataStream out(&gif, QIODevice::Append);
    out.setByteOrder(QDataStream::LittleEndian);
    // Two colours, the picture's first; one image over the whole area; codes of three bits.
    out << quint16(size.width()) << quint16(size.height()) << quint8(0x80) << quint16(0)
        << quint8(colour.red()) << quint8(colour.green()) << quint8(colour.blue()) << quint16(0)
        << quint8(0) << quint8(0x2C) << quint32(0) << quint16(size.width())
        << quint16(size.height()) << quint8(0) << quint8(2);
    return gif + QByteArray("\x03\x04\x41\x10").repeated(size.width() * size.height() / 4) +
           QByteArray("\x01\x05\0\x3B", 4);
}

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
