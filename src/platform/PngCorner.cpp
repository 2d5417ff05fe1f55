// PNG: libpng hands the picture over row by row. A picture stored row after row (the usual kind)
// is read up to the corner's last row and no further; an interlaced one spreads every row over
// seven passes through the whole picture, so all of it is unpacked, and that is afforded only
// up to InterlacedPixelsLimit. Rows come as stored and only the corner's pixels are turned into
// colours: a row of a huge picture is long, and the corner is all that shows.
#include "platform/PictureCorners.h"

#include <QList>
#include <array>
#include <csetjmp>
#include <png.h>

namespace {

// Pixels of an interlaced picture that are unpacked within a fraction of a second: 3460 x 3460
// in full colour took 0.35 s here.
constexpr qint64 InterlacedPixelsLimit = 12'000'000;

void readFromDevice(png_structp png, png_bytep data, size_t length) {
    auto* file = static_cast<QIODevice*>(png_get_io_ptr(png));
    if (file->read(reinterpret_cast<char*>(data), qint64(length)) != qint64(length))
        png_error(png, "truncated");
}

// Damage is reported as a file that cannot be shown, without a word on the terminal.
void stopReading(png_structp png, png_const_charp) {
    png_longjmp(png, 1);
}
void ignoreWarning(png_structp, png_const_charp) {}

// How the stored samples of a row become colours.
struct PixelFormat {
    int colourType = 0;
    int depth = 8;
    int channels = 1;
    QList<QRgb> palette;
    // A grey or red, green, blue value that stands for a transparent pixel, as stored.
    std::optional<std::array<int, 3>> transparent;

    int sample(const png_byte* row, qint64 index) const {
        // Big-endian when 16 bits wide, packed from the high bit when fewer than 8.
        if (depth == 16)
            return row[index * 2] << 8 | row[index * 2 + 1];
        const qint64 bit = index * depth;
        return (row[bit / 8] >> (8 - depth - bit % 8)) & ((1 << depth) - 1);
    }
    int eightBit(int value) const {
        const int most = (1 << depth) - 1;
        return (value * 255 + most / 2) / most;
    }
    QRgb colour(const png_byte* row, int x) const {
        const qint64 first = qint64(x) * channels;
        if (colourType == PNG_COLOR_TYPE_PALETTE)
            return palette.value(sample(row, first), qRgb(0, 0, 0));
        const bool grey = channels <= 2;
        std::array<int, 4> raw{};
        for (int c = 0; c < channels; ++c)
            raw[c] = sample(row, first + c);
        const int red = raw[0], green = grey ? raw[0] : raw[1], blue = grey ? raw[0] : raw[2];
        int alpha = colourType & PNG_COLOR_MASK_ALPHA ? eightBit(raw[channels - 1]) : 255;
        if (transparent && (*transparent)[0] == red && (*transparent)[1] == green &&
            (*transparent)[2] == blue)
            alpha = 0;
        return qRgba(eightBit(red), eightBit(green), eightBit(blue), alpha);
    }
};

PixelFormat pixelFormatOf(png_structp png, png_infop info) {
    PixelFormat format;
    format.colourType = png_get_color_type(png, info);
    format.depth = png_get_bit_depth(png, info);
    format.channels = png_get_channels(png, info);
    png_colorp colours = nullptr;
    int count = 0;
    png_bytep alphas = nullptr;
    int alphaCount = 0;
    png_color_16p value = nullptr;
    png_get_tRNS(png, info, &alphas, &alphaCount, &value);
    if (png_get_PLTE(png, info, &colours, &count) == PNG_INFO_PLTE)
        for (int i = 0; i < count; ++i)
            format.palette.append(qRgba(colours[i].red, colours[i].green, colours[i].blue,
                                        i < alphaCount && alphas ? alphas[i] : 255));
    if (value && format.colourType == PNG_COLOR_TYPE_GRAY)
        format.transparent = {value->gray, value->gray, value->gray};
    else if (value && format.colourType == PNG_COLOR_TYPE_RGB)
        format.transparent = {value->red, value->green, value->blue};
    return format;
}

// Turns the first pixels of a stored row into a line of the corner.
void convertRow(const PixelFormat& format, const png_byte* row, QImage& corner, int y) {
    auto* line = reinterpret_cast<QRgb*>(corner.scanLine(y));
    for (int x = 0; x < corner.width(); ++x)
        line[x] = format.colour(row, x);
}

// libpng reports errors by a long jump back here: nothing in this function may need a
// destructor. `corner` and the rest belong to the caller; `corner` is complete only when the
// result is true.
bool readCorner(png_structp png, png_infop info, QSize area, QImage& corner, QByteArray& rows,
                PixelFormat& format) {
    if (setjmp(png_jmpbuf(png)))
        return false;
    png_read_info(png, info);
    const png_uint_32 width = png_get_image_width(png, info);
    const png_uint_32 height = png_get_image_height(png, info);
    const bool interlaced = png_get_interlace_type(png, info) != PNG_INTERLACE_NONE;
    if (interlaced && qint64(width) * height > InterlacedPixelsLimit)
        return false;
    format = pixelFormatOf(png, info);
    const int passes = png_set_interlace_handling(png);
    png_read_update_info(png, info);
    const qint64 rowBytes = qint64(png_get_rowbytes(png, info));
    corner = QImage(std::min<int>(int(width), area.width()),
                    std::min<int>(int(height), area.height()), QImage::Format_ARGB32);
    if (corner.isNull())
        return false;
    // A row read in several passes stays where it is between them; otherwise one is enough.
    rows = QByteArray(rowBytes * (interlaced ? corner.height() : 1), '\0');
    auto* stored = reinterpret_cast<png_bytep>(rows.data());
    if (!interlaced) {
        for (int y = 0; y < corner.height(); ++y) {
            png_read_row(png, stored, nullptr);
            convertRow(format, stored, corner, y);
        }
        return true;
    }
    for (int pass = 0; pass < passes; ++pass)
        for (int y = 0; y < int(height); ++y)
            png_read_row(png, y < corner.height() ? stored + y * rowBytes : nullptr, nullptr);
    for (int y = 0; y < corner.height(); ++y)
        convertRow(format, stored + y * rowBytes, corner, y);
    return true;
}

} // namespace

std::optional<QImage> pngCorner(QIODevice& file, QSize area) {
    png_structp png =
        png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, stopReading, ignoreWarning);
    if (!png)
        return std::nullopt;
    png_infop info = png_create_info_struct(png);
    png_set_read_fn(png, &file, readFromDevice);
    png_set_user_limits(png, MaxPictureSide, MaxPictureSide);
    // Text and colour-profile chunks are read whole: a damaged length must not claim gigabytes.
    png_set_chunk_malloc_max(png, 8 << 20);
    // The checksum of the packed rows follows the last of them: never reached when the corner
    // ends before, it would only cost time on the way.
    png_set_option(png, PNG_IGNORE_ADLER32, PNG_OPTION_ON);
    QImage corner;
    QByteArray rows;
    PixelFormat format;
    const bool read = info && readCorner(png, info, area, corner, rows, format);
    png_destroy_read_struct(&png, info ? &info : nullptr, nullptr);
    if (!read)
        return std::nullopt;
    return corner;
}
