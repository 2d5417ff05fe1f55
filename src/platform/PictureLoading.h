#pragma once

#include <QImage>
#include <QString>
#include <optional>

// A BMP, GIF or JPEG picture, recognised by its content whatever its name says; nothing when
// the file is missing, unreadable or no picture.
std::optional<QImage> LoadPicture(const QString& path);
