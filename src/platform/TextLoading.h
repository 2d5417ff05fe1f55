#pragma once

#include "platform/DecodedText.h"

#include <QString>
#include <optional>

// A description file's content as text, at most its first mebibyte (a longer file ends with a
// line saying that the rest is not shown), decoded as DecodedText says. Nothing when the file is
// missing, no regular file, unreadable or no text.
std::optional<DecodedText> LoadText(const QString& path);

// The same, the text alone.
std::optional<QString> LoadFile(const QString& path);
