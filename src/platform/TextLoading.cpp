#include "platform/TextLoading.h"

#include <QFile>
#include <QStringDecoder>
#include <array>

namespace {

std::optional<QString> decodeUtf8(const QByteArray& bytes) {
    // Stateless: a sequence cut off at the end is an error, not something to wait for.
    QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return std::nullopt;
    return text;
}

#ifdef Q_OS_WIN
QString decodeCodePage(const QByteArray& bytes) {
    return QStringDecoder(QStringConverter::System).decode(bytes);
}
#else
// Windows-1252: Latin-1 but for 0x80 to 0x9F; the five unassigned codes keep their Latin-1
// control characters.
QString decodeCodePage(const QByteArray& bytes) {
    static constexpr std::array<char16_t, 32> high = {
        0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
    QString text;
    text.reserve(bytes.size());
    for (const char byte : bytes) {
        const auto code = static_cast<unsigned char>(byte);
        text.append(QChar(code >= 0x80 && code < 0xA0 ? high[code - 0x80] : char16_t(code)));
    }
    return text;
}
#endif

} // namespace

QString decodePlainText(const QByteArray& bytes) {
    if (std::optional<QString> text = decodeUtf8(bytes))
        return *text;
    return decodeCodePage(bytes);
}

std::optional<QString> LoadFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return decodePlainText(bytes);
}
