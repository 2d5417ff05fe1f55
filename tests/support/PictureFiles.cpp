#include "PictureFiles.h"

#include <QByteArray>
#include <QFile>
#include <QImage>

namespace {

void appendWord(QByteArray& out, int value) {
    out.append(char(value & 0xFF));
    out.append(char((value >> 8) & 0xFF));
}

// LZW with 3-bit codes that never grow: a clear code before every two pixels keeps the code
// table from filling, which every decoder reads as plain pixels.
QByteArray lzwOfZeroes(int pixels) {
    constexpr int clear = 4;
    constexpr int end = 5;
    QByteArray bytes;
    quint32 bitBuffer = 0;
    int bitCount = 0;
    const auto emit = [&](int code) {
        bitBuffer |= quint32(code) << bitCount;
        bitCount += 3;
        while (bitCount >= 8) {
            bytes.append(char(bitBuffer & 0xFF));
            bitBuffer >>= 8;
            bitCount -= 8;
        }
    };
    for (int written = 0; written < pixels; written += 2) {
        emit(clear);
        emit(0);
        if (written + 1 < pixels)
            emit(0);
    }
    emit(end);
    if (bitCount > 0)
        bytes.append(char(bitBuffer & 0xFF));
    return bytes;
}

QByteArray solidGif(QSize size, QColor colour) {
    QByteArray gif("GIF89a");
    appendWord(gif, size.width());
    appendWord(gif, size.height());
    gif.append(char(0x91)); // a global table of four colours
    gif.append(char(0));
    gif.append(char(0));
    for (const QColor& entry : {colour, QColor(Qt::black), QColor(Qt::white), QColor(Qt::black)}) {
        gif.append(char(entry.red()));
        gif.append(char(entry.green()));
        gif.append(char(entry.blue()));
    }
    gif.append(char(0x2C));
    appendWord(gif, 0);
    appendWord(gif, 0);
    appendWord(gif, size.width());
    appendWord(gif, size.height());
    gif.append(char(0));
    gif.append(char(2)); // the smallest code size
    const QByteArray data = lzwOfZeroes(size.width() * size.height());
    for (qsizetype at = 0; at < data.size(); at += 255) {
        const QByteArray block = data.mid(at, 255);
        gif.append(char(block.size()));
        gif.append(block);
    }
    gif.append(char(0));
    gif.append(char(0x3B));
    return gif;
}

} // namespace

bool writePicture(const QString& path, QSize size, QColor colour, const char* format) {
    if (qstricmp(format, "GIF") == 0) {
        QFile file(path);
        return file.open(QIODevice::WriteOnly) && file.write(solidGif(size, colour)) > 0;
    }
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(colour);
    return picture.save(path, format);
}
