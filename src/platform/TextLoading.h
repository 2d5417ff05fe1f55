#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// A text file's content as plain text: UTF-8 with or without byte-order mark, otherwise the
// platform's 8-bit code page (Windows-1252 where the platform has none). Nothing when the file
// cannot be read.
std::optional<QString> LoadFile(const QString& path);

QString decodePlainText(const QByteArray& bytes);
