#include "platform/PictureLoading.h"

#include "platform/PictureCorners.h"
#include "platform/RegularFile.h"

#include <QImageReader>

namespace {

// Formats without a reader of their own decode the whole picture and cut the corner from it;
// for them a picture that would take more than this many megabytes is refused, so that a huge
// or hostile file cannot exhaust memory. It is room for a 2800 x 2800 picture in 32-bit colour.
constexpr int WholePictureLimitMegabytes = 32;

enum class Format { Png, Gif, Bmp, Jpeg, Other };

// By the file's first bytes, whatever its name says.
Format formatOf(QIODevice& file) {
    const QByteArray start = file.peek(8);
    if (start.startsWith("\x89PNG\r\n\x1A\n"))
        return Format::Png;
    if (start.startsWith("GIF87a") || start.startsWith("GIF89a"))
        return Format::Gif;
    if (start.startsWith("BM"))
        return Format::Bmp;
    if (start.startsWith("\xFF\xD8\xFF"))
        return Format::Jpeg;
    return Format::Other;
}

std::optional<QImage> readWithQt(QIODevice& file, const QRect& shown) {
    QImageReader reader(&file);
    reader.setAllocationLimit(WholePictureLimitMegabytes);
    const QSize size = reader.size();
    // Outside the picture there is nothing to decode: a smaller one keeps its own size.
    if (size.isValid())
        reader.setClipRect(shown & QRect(QPoint(0, 0), size));
    QImage image = reader.read();
    if (image.isNull())
        return std::nullopt;
    if (!shown.contains(image.rect()))
        image = image.copy(shown & image.rect());
    return image;
}

} // namespace

std::optional<QImage> LoadPicture(const QString& path) {
    QFile file;
    if (!openRegularFile(file, path))
        return std::nullopt;
    const QRect shown(QPoint(0, 0), ShownPictureArea);
    switch (formatOf(file)) {
    case Format::Png:
        return pngCorner(file, ShownPictureArea);
    case Format::Gif:
        return gifCorner(file, ShownPictureArea);
    case Format::Bmp:
        return bmpCorner(file, ShownPictureArea);
    case Format::Jpeg:
        if (!jpegCornerAffordable(file) || !file.seek(0))
            return std::nullopt;
        return readWithQt(file, shown);
    case Format::Other:
        break;
    }
    return readWithQt(file, shown);
}
