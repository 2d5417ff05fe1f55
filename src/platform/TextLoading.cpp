#include "platform/TextLoading.h"

#include "platform/RegularFile.h"

namespace {

// A description is text a user reads: past a mebibyte it is most likely no description at all,
// and reading all of it at every display would cost seconds and memory.
constexpr qint64 ShownTextBytes = 1 << 20;
const QString RestNotShown =
    QStringLiteral("\n\n[The rest of this file, beyond its first 1 MiB, is not shown.]");

} // namespace

std::optional<DecodedText> LoadText(const QString& path) {
    QFile file;
    if (!openRegularFile(file, path))
        return std::nullopt;
    QByteArray bytes = file.read(ShownTextBytes + 1);
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    const bool cut = bytes.size() > ShownTextBytes;
    bytes.truncate(ShownTextBytes);
    std::optional<DecodedText> text = DecodedText::fromBytes(std::move(bytes), cut);
    if (text && cut && !text->endedAtMark())
        text = text->withNote(RestNotShown);
    return text;
}

std::optional<QString> LoadFile(const QString& path) {
    std::optional<DecodedText> text = LoadText(path);
    if (!text)
        return std::nullopt;
    return text->text();
}
