#pragma once

// The readers behind LoadPicture, one per format that can be read without decoding a whole
// picture. Each reads `file` from its start and gives the picture's top-left corner of at most
// `area`, or nothing when the file is no such picture, is damaged before the corner ends, or is
// larger than MaxPictureSide either way.
#include <QIODevice>
#include <QImage>
#include <QSize>
#include <optional>

// Larger pictures are refused: no screenshot is, and the rows of the corner stay cheap (a row of
// 16384 pixels is 64 KiB).
inline constexpr int MaxPictureSide = 16384;

std::optional<QImage> pngCorner(QIODevice& file, QSize area);
std::optional<QImage> gifCorner(QIODevice& file, QSize area);
std::optional<QImage> bmpCorner(QIODevice& file, QSize area);

// Whether decoding a JPEG's corner stays within time and memory. A baseline JPEG is decoded row
// by row up to the corner's last row; a progressive one (or one whose colours come in separate
// scans) keeps every coefficient of its claimed size in memory and passes over all of them.
bool jpegCornerAffordable(QIODevice& file);
