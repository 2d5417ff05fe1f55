#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// A description file's content as plain text, at most its first mebibyte (a longer file ends
// with a line saying that the rest is not shown). Nothing when the file is missing, no regular
// file, unreadable or no text.
std::optional<QString> LoadFile(const QString& path);

// Bytes as text: UTF-16 or UTF-32 with their byte-order mark; UTF-8 with or without one;
// otherwise the DOS code page 437 or the platform's 8-bit code page (Windows-1252 where the
// platform has none), as drawsDosBoxes decides. Nothing when the bytes are no text. `cut` says
// that the bytes end where reading stopped, perhaps inside a character.
std::optional<QString> decodePlainText(const QByteArray& bytes, bool cut = false);
