#pragma once

#include <QString>
#include <cstdint>
#include <optional>

// Stored values are text. Numbers and Booleans convert the way the platform's own conversions
// always have, so that stores written by earlier programs read the same.

// The decimal text of a 16-bit signed integer; blanks around it are allowed.
std::optional<std::int16_t> toInteger(const QString& text);
// "True" and "False" in any letter case; a numeric text is False when zero, True otherwise.
std::optional<bool> toBoolean(const QString& text);

QString integerText(int value);
// Exactly "True" or "False".
QString booleanText(bool value);
