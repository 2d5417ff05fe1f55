// BMP: the rows lie uncompressed one after another (bottom row first, unless the height is
// negative), so the corner's rows are found by their offset, and of each only the corner's
// pixels are read. They are handed to Qt's reader as a BMP of their own, with the file's own
// header, colours and masks, so that every kind of pixel reads as Qt reads it. A run-length
// compressed BMP must be unpacked from its bottom row up to reach the top; its corner's rows
// are unpacked into 8-bit rows, and what lies below them only followed.
#include "platform/PictureCorners.h"

#include <QList>
#include <QtEndian>

namespace {

constexpr int FileHeaderBytes = 14;
// A header, masks and 256 colours take about 1.2 KiB; what claims far more is damaged.
constexpr qint64 HeaderLimit = 64 << 10;

enum Compression : quint32 { Rgb = 0, Rle8 = 1, Rle4 = 2, BitFields = 3, AlphaBitFields = 6 };

struct Layout {
    qint64 pixelsAt = 0;
    qint64 headerSize = 0;
    qint64 width = 0;
    qint64 height = 0; // negative: the top row comes first
    int bitsPerPixel = 0;
    quint32 compression = Rgb;
    bool coreHeader = false; // the OS/2 header of 16-bit sizes
    qint64 stride() const { return (width * bitsPerPixel + 31) / 32 * 4; }
};

template <typename T> T at(const QByteArray& header, qsizetype offset) {
    return qFromLittleEndian<T>(header.constData() + offset);
}

std::optional<Layout> layoutOf(const QByteArray& header) {
    if (header.size() < FileHeaderBytes + 16 || !header.startsWith("BM"))
        return std::nullopt;
    Layout layout;
    layout.pixelsAt = at<quint32>(header, 10);
    layout.headerSize = at<quint32>(header, FileHeaderBytes);
    layout.coreHeader = layout.headerSize == 12;
    if (layout.coreHeader) {
        layout.width = at<quint16>(header, 18);
        layout.height = at<quint16>(header, 20);
        layout.bitsPerPixel = at<quint16>(header, 24);
    } else if (layout.headerSize >= 40 && header.size() >= FileHeaderBytes + 40) {
        layout.width = at<qint32>(header, 18);
        layout.height = at<qint32>(header, 22);
        layout.bitsPerPixel = at<quint16>(header, 28);
        layout.compression = at<quint32>(header, 30);
    } else {
        return std::nullopt;
    }
    const bool depth = QList<int>{1, 2, 4, 8, 16, 24, 32}.contains(layout.bitsPerPixel);
    const bool sized = layout.width > 0 && layout.width <= MaxPictureSide && layout.height != 0 &&
                       qAbs(layout.height) <= MaxPictureSide;
    const bool placed =
        layout.pixelsAt >= FileHeaderBytes + layout.headerSize && layout.pixelsAt <= HeaderLimit;
    if (!depth || !sized || !placed)
        return std::nullopt;
    return layout;
}

// Unpacks run-length compressed rows into 8-bit rows, keeping the top left `corner` of the
// picture, bottom row first as a BMP keeps them. False when the data ends before the corner's
// rows are complete.
bool unpackRuns(QIODevice& file, const Layout& layout, QSize corner, QByteArray& pixels) {
    const int rows = corner.height();
    const qint64 stride = (corner.width() + 3) / 4 * 4;
    pixels = QByteArray(stride * rows, '\0');
    const bool nibbles = layout.compression == Rle4;
    qint64 x = 0;
    qint64 fromBottom = 0;
    const auto put = [&](int index) {
        const qint64 y = layout.height - 1 - fromBottom;
        if (x < corner.width() && y >= 0 && y < rows)
            pixels[(rows - 1 - y) * stride + x] = char(index);
        ++x;
    };
    QByteArray data;
    qsizetype next = 0;
    const auto byte = [&]() -> int {
        if (next == data.size()) {
            data = file.read(1 << 16);
            next = 0;
            if (data.isEmpty())
                return -1;
        }
        return static_cast<unsigned char>(data[next++]);
    };
    // The top rows are the last ones stored: they are complete once the bottom-up count passes
    // them.
    while (fromBottom < layout.height) {
        const int count = byte();
        const int value = byte();
        if (value < 0)
            return false;
        if (count > 0) {
            for (int i = 0; i < count; ++i)
                put(nibbles ? (i % 2 ? value & 0x0F : value >> 4) : value);
        } else if (value == 0) {
            x = 0;
            ++fromBottom;
        } else if (value == 1) {
            break;
        } else if (value == 2) {
            const int right = byte();
            const int up = byte();
            if (up < 0)
                return false;
            x += right;
            fromBottom += up;
        } else {
            const int bytes = nibbles ? (value + 1) / 2 : value;
            int pair = 0;
            for (int i = 0; i < value; ++i) {
                if (!nibbles || i % 2 == 0)
                    pair = byte();
                if (pair < 0)
                    return false;
                put(nibbles ? (i % 2 ? pair & 0x0F : pair >> 4) : pair);
            }
            if (bytes % 2 && byte() < 0)
                return false;
        }
    }
    return true;
}

// The stored bytes of the corner's pixels in each of its rows, as rows of a BMP of the
// corner's width.
bool readRows(QIODevice& file, const Layout& layout, QSize corner, QByteArray& pixels) {
    const qint64 stride = layout.stride();
    const qint64 shownBytes = (qint64(corner.width()) * layout.bitsPerPixel + 7) / 8;
    const qint64 shownStride = (qint64(corner.width()) * layout.bitsPerPixel + 31) / 32 * 4;
    // Stored bottom row first, the corner's rows are the last ones, in the order a BMP of their
    // number keeps them.
    const qint64 skipped = layout.height > 0 ? layout.height - corner.height() : 0;
    pixels = QByteArray(shownStride * corner.height(), '\0');
    for (int y = 0; y < corner.height(); ++y) {
        if (!file.seek(layout.pixelsAt + (skipped + y) * stride) ||
            file.read(pixels.data() + y * shownStride, shownBytes) != shownBytes)
            return false;
    }
    return true;
}

} // namespace

std::optional<QImage> bmpCorner(QIODevice& file, QSize area) {
    QByteArray header = file.peek(HeaderLimit);
    const std::optional<Layout> layout = layoutOf(header);
    if (!layout)
        return std::nullopt;
    header.truncate(layout->pixelsAt);
    const QSize corner = QSize(int(layout->width), int(qAbs(layout->height))).boundedTo(area);
    const bool runs = (layout->compression == Rle8 && layout->bitsPerPixel == 8) ||
                      (layout->compression == Rle4 && layout->bitsPerPixel == 4);
    QByteArray pixels;
    if (runs) {
        if (layout->height < 0 || layout->coreHeader || !file.seek(layout->pixelsAt) ||
            !unpackRuns(file, *layout, corner, pixels))
            return std::nullopt;
        // The corner's rows as an uncompressed 8-bit BMP with the file's colours: as many as it
        // has, however its pixels were packed.
        const qint64 stored = (layout->pixelsAt - FileHeaderBytes - layout->headerSize) / 4;
        const qint64 colours = at<quint32>(header, 46);
        qToLittleEndian<quint16>(8, header.data() + 28);
        qToLittleEndian<quint32>(Rgb, header.data() + 30);
        qToLittleEndian<quint32>(
            quint32(std::clamp<qint64>(colours ? colours : stored, 1, 1 << layout->bitsPerPixel)),
            header.data() + 46);
    } else {
        const bool uncompressed = layout->compression == Rgb || layout->compression == BitFields ||
                                  layout->compression == AlphaBitFields;
        if (!uncompressed || !readRows(file, *layout, corner, pixels))
            return std::nullopt;
    }
    // The header now describes the corner alone.
    if (layout->coreHeader) {
        qToLittleEndian<quint16>(quint16(corner.width()), header.data() + 18);
        qToLittleEndian<quint16>(quint16(corner.height()), header.data() + 20);
    } else {
        qToLittleEndian<qint32>(corner.width(), header.data() + 18);
        qToLittleEndian<qint32>(layout->height < 0 && !runs ? -corner.height() : corner.height(),
                                header.data() + 22);
        qToLittleEndian<quint32>(quint32(pixels.size()), header.data() + 34);
    }
    qToLittleEndian<quint32>(quint32(header.size() + pixels.size()), header.data() + 2);
    QImage shown = QImage::fromData(header + pixels, "BMP");
    if (shown.isNull())
        return std::nullopt;
    return shown;
}
