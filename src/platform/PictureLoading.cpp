#include "platform/PictureLoading.h"

#include "platform/RegularFile.h"

#include <QImageReader>

namespace {

// A reader that can decode a part of a picture (JPEG) decodes only the shown corner. Others
// decode the whole picture and cut the corner from it; for them a picture that would take more
// than this many megabytes is refused, so that a huge or hostile file cannot exhaust memory. It
// is room for a 2800 x 2800 picture in 32-bit colour, far above any screenshot.
constexpr int WholePictureLimitMegabytes = 32;

} // namespace

std::optional<QImage> LoadPicture(const QString& path) {
    QFile file;
    if (!openRegularFile(file, path))
        return std::nullopt;
    QImageReader reader(&file);
    reader.setAllocationLimit(WholePictureLimitMegabytes);
    const QRect shown(QPoint(0, 0), ShownPictureArea);
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
