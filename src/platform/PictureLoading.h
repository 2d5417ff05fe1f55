#pragma once

#include <QImage>
#include <QSize>
#include <QString>
#include <optional>

// The window shows a picture from its top-left corner in an area of this size.
inline constexpr QSize ShownPictureArea(320, 200);

// A picture in any format the platform's image readers recognise by its content, whatever the
// file's name says, decoded only as far as it is shown: its top-left corner, at most
// ShownPictureArea, within a fraction of a second and a few tens of megabytes. Nothing when the
// file is missing, no regular file, unreadable or no picture, when the picture is wider or
// taller than 16384 pixels, or when its corner would cost more than that (an interlaced or
// progressive picture of many millions of pixels); PictureCorners.h has the readers and limits.
std::optional<QImage> LoadPicture(const QString& path);
