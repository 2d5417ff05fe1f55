#pragma once

#include <QColor>
#include <QSize>
#include <QString>

// Writes a picture of one colour in the format "BMP", "GIF", "JPEG" or any other Qt writes.
// Qt reads GIF but cannot write it, so GIF pictures are encoded here; their area must be a
// multiple of four pixels.
bool writePicture(const QString& path, QSize size, QColor colour, const char* format);
