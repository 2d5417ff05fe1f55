// JPEG: Qt's reader decodes only the rows of a clip rectangle, which costs little for a baseline
// JPEG, stored row after row. A progressive JPEG (or one whose colours come in separate scans)
// must keep every coefficient of the whole picture and pass over all of them for every scan,
// however little of it is shown and however few bytes the file has: its claimed size and its
// number of scans are what it costs. That cost is read from the headers and the scan markers
// before anything is decoded.
#include "platform/PictureCorners.h"

#include <QList>
#include <QtEndian>

namespace {

// The coefficients of a picture decoded in several scans: two bytes for each of the 64 of a
// block. Every scan passes over them, so the work is their size times the number of scans. Ten
// scans (what encoders write) of this many are decoded within a fraction of a second and fit in
// memory beside the rest of the program: 4000 x 4000 pixels with the usual halved colour
// (48 MiB, ten scans) took 0.3 s and 63 MB here; the same size claimed by a 13 KB file of 500
// empty scans took 2.7 s.
constexpr qint64 BufferedCoefficientBytesLimit = 64 << 20;
constexpr qint64 UsualScans = 10;

struct Frame {
    qint64 width = 0;
    qint64 height = 0;
    bool progressive = false;
    QList<std::pair<int, int>> sampling; // horizontal and vertical, per colour component
    int componentsInFirstScan = 0;
};

bool isFrameMarker(int marker) {
    // SOF0 to SOF15 but for DHT (C4), JPG (C8) and DAC (CC).
    return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
}

// The frame header and the first scan header, read from the markers before the first scan.
std::optional<Frame> frameOf(QIODevice& file) {
    Frame frame;
    if (file.read(2) != "\xFF\xD8")
        return std::nullopt;
    for (;;) {
        char c = 0;
        if (!file.getChar(&c) || static_cast<unsigned char>(c) != 0xFF)
            return std::nullopt;
        // Any number of 0xFF may stand before a marker's code.
        while (file.getChar(&c) && static_cast<unsigned char>(c) == 0xFF) {
        }
        const int code = static_cast<unsigned char>(c);
        const QByteArray size = file.read(2);
        const int length = size.size() == 2 ? qFromBigEndian<quint16>(size.constData()) : 0;
        if (length < 2)
            return std::nullopt;
        const QByteArray segment = file.read(length - 2);
        if (segment.size() != length - 2)
            return std::nullopt;
        const auto byte = [&](qsizetype i) {
            return i < segment.size() ? static_cast<unsigned char>(segment[i]) : 0;
        };
        if (isFrameMarker(code)) {
            frame.height = byte(1) << 8 | byte(2);
            frame.width = byte(3) << 8 | byte(4);
            frame.progressive = code == 0xC2 || code == 0xC6 || code == 0xCA || code == 0xCE;
            for (int c = 0; c < byte(5); ++c)
                frame.sampling.append({byte(7 + 3 * c) >> 4, byte(7 + 3 * c) & 0x0F});
        } else if (code == 0xDA) {
            frame.componentsInFirstScan = byte(0);
            return frame.sampling.isEmpty() ? std::nullopt : std::optional(frame);
        }
    }
}

qint64 bufferedCoefficientBytes(const Frame& frame) {
    int widest = 1;
    int tallest = 1;
    for (const auto& [h, v] : frame.sampling) {
        widest = std::max(widest, h);
        tallest = std::max(tallest, v);
    }
    const auto blocks = [](qint64 pixels, int factor, int most) {
        return ((pixels * factor + most - 1) / most + 7) / 8;
    };
    qint64 bytes = 0;
    for (const auto& [h, v] : frame.sampling)
        bytes += blocks(frame.width, h, widest) * blocks(frame.height, v, tallest) * 64 * 2;
    return bytes;
}

// Scans of the whole file: a marker's 0xFF stands in the packed data only followed by 0x00, so
// every 0xFF 0xDA starts a scan.
qint64 scansIn(QIODevice& file) {
    qint64 scans = 1;
    char previous = 0;
    for (QByteArray chunk = file.read(1 << 20); !chunk.isEmpty(); chunk = file.read(1 << 20)) {
        for (const char byte : chunk) {
            scans += previous == '\xFF' && byte == '\xDA';
            previous = byte;
        }
    }
    return scans;
}

} // namespace

bool jpegCornerAffordable(QIODevice& file) {
    const std::optional<Frame> frame = frameOf(file);
    if (!frame || frame->width > MaxPictureSide || frame->height > MaxPictureSide)
        return false;
    const bool buffered =
        frame->progressive || frame->componentsInFirstScan < frame->sampling.size();
    if (!buffered)
        return true;
    const qint64 coefficients = bufferedCoefficientBytes(*frame);
    return coefficients <= BufferedCoefficientBytesLimit &&
           coefficients * std::max(scansIn(file), UsualScans) <=
               BufferedCoefficientBytesLimit * UsualScans;
}
