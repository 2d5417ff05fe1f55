// PNG: libpng hands the picture over row by row. A picture stored row after row (the usual kind)
// is read up to the corner's last row and no further; an interlaced one spreads every row over
// seven passes through the whole picture, so all of it is unpacked, and that is afforded only
// up to InterlacedBytesLimit.
#include "platform/PictureCorners.h"

#include <csetjmp>
#include <png.h>

namespace {

// Unpacked bytes of an interlaced picture that are decoded within a fraction of a second.
constexpr qint64 InterlacedBytesLimit = 96 << 20;

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

// libpng reports errors by a long jump back here: nothing in this function may need a
// destructor. `corner` belongs to the caller and is complete only when the result is true.
bool readCorner(png_structp png, png_infop info, QSize area, QImage& corner) {
    if (setjmp(png_jmpbuf(png)))
        return false;
    png_read_info(png, info);
    const png_uint_32 width = png_get_image_width(png, info);
    const png_uint_32 height = png_get_image_height(png, info);
    const bool interlaced = png_get_interlace_type(png, info) != PNG_INTERLACE_NONE;
    if (interlaced && qint64(png_get_rowbytes(png, info)) * height > InterlacedBytesLimit)
        return false;
    // Every kind of pixel becomes 8-bit red, green, blue and alpha.
    png_set_expand(png);
    png_set_strip_16(png);
    png_set_gray_to_rgb(png);
    png_set_add_alpha(png, 0xFF, PNG_FILLER_AFTER);
    const int passes = png_set_interlace_handling(png);
    png_read_update_info(png, info);
    const int rows = std::min<int>(int(height), area.height());
    corner = QImage(int(width), rows, QImage::Format_RGBA8888);
    if (corner.isNull())
        return false;
    for (int pass = 0; pass < passes; ++pass)
        for (int y = 0; y < (interlaced ? int(height) : rows); ++y)
            png_read_row(png, y < rows ? corner.scanLine(y) : nullptr, nullptr);
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
    QImage corner;
    const bool read = info && readCorner(png, info, area, corner);
    png_destroy_read_struct(&png, info ? &info : nullptr, nullptr);
    if (!read)
        return std::nullopt;
    return corner.width() > area.width() ? corner.copy(0, 0, area.width(), corner.height())
                                         : corner;
}
