#include "platform/PictureLoading.h"

#include <QImageReader>

std::optional<QImage> LoadPicture(const QString& path) {
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    static const QList<QByteArray> screenshotFormats = {"bmp", "gif", "jpeg"};
    if (!screenshotFormats.contains(reader.format()))
        return std::nullopt;
    QImage image = reader.read();
    if (image.isNull())
        return std::nullopt;
    return image;
}
