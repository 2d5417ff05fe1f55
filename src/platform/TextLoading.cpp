#include "platform/TextLoading.h"

#include "platform/RegularFile.h"

#include <QBuffer>
#include <QImageReader>
#include <QStringDecoder>
#include <algorithm>
#include <array>

namespace {

// A description is text a user reads: past a mebibyte it is most likely no description at all,
// and reading all of it at every display would cost seconds and memory.
constexpr qint64 ShownTextBytes = 1 << 20;
const QString RestNotShown =
    QStringLiteral("\n\n[The rest of this file, beyond its first 1 MiB, is not shown.]");

bool isTextControlCode(unsigned char code) {
    // Tab, line feed, vertical tab, form feed, carriage return; 0x1A ends many DOS texts and
    // escape starts the colour codes of DOS screens.
    return (code >= 0x09 && code <= 0x0D) || code == 0x1A || code == 0x1B;
}

// Text holds no NUL byte and hardly any control codes; a picture is no text even when it has
// neither (the portable bitmaps can be plain ASCII). Binary formats hold NUL bytes or control
// codes throughout, so more than one control code in a hundred bytes marks them.
bool looksLikeText(const QByteArray& bytes) {
    if (bytes.contains('\0'))
        return false;
    const auto isBinaryControl = [](char byte) {
        const auto code = static_cast<unsigned char>(byte);
        return code < 0x20 && !isTextControlCode(code);
    };
    if (std::count_if(bytes.begin(), bytes.end(), isBinaryControl) * 100 > bytes.size())
        return false;
    QBuffer buffer;
    buffer.setData(bytes);
    return !QImageReader(&buffer).size().isValid();
}

std::optional<QString> decodeUtf8(const QByteArray& bytes, bool cut) {
    // Stateless: a sequence cut off at the end is an error, not something to wait for; unless
    // reading stopped there, when the cut character is left out.
    QStringDecoder decoder(QStringConverter::Utf8, cut ? QStringConverter::Flag::Default
                                                       : QStringConverter::Flag::Stateless);
    QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return std::nullopt;
    return text;
}

// Which 8-bit code page a text that is no UTF-8 was written in. Texts that came with DOS games
// (code page 437) draw frames and shaded blocks with the bytes 0xB0 to 0xDF, in lines such as
// "╔═════╗" and "░░▒▒▓▓". In Windows-1252 those bytes are the capitals À to ß, which prose uses
// one at a time and far less than the small letters above 0xDF (é, ä, ü). So a text reads as
// code page 437 when more than half of its bytes above 0x7F lie in 0xB0 to 0xDF and some of
// them stand at least three in a row; any other as Windows-1252.
bool drawsDosBoxes(const QByteArray& bytes) {
    qsizetype high = 0;
    qsizetype drawing = 0;
    qsizetype run = 0;
    qsizetype longestRun = 0;
    for (const char byte : bytes) {
        const auto code = static_cast<unsigned char>(byte);
        const bool isDrawing = code >= 0xB0 && code <= 0xDF;
        high += code >= 0x80;
        drawing += isDrawing;
        run = isDrawing ? run + 1 : 0;
        longestRun = std::max(longestRun, run);
    }
    return drawing * 2 > high && longestRun >= 3;
}

QString decodeCodePage437(const QByteArray& bytes) {
    static constexpr char16_t high[] =
        u"ÇüéâäàåçêëèïîìÄÅÉæÆôöòûùÿÖÜ¢£¥₧ƒáíóúñÑªº¿⌐¬½¼¡«»░▒▓│┤╡╢╖╕╣║╗╝╜╛┐"
        u"└┴┬├─┼╞╟╚╔╩╦╠═╬╧╨╤╥╙╘╒╓╫╪┘┌█▄▌▐▀αßΓπΣσµτΦΘΩδ∞φε∩≡±≥≤⌠⌡÷≈°∙·√ⁿ²■\u00A0";
    static_assert(std::size(high) == 128 + 1);
    QString text;
    text.reserve(bytes.size());
    for (const char byte : bytes) {
        const auto code = static_cast<unsigned char>(byte);
        text.append(QChar(code >= 0x80 ? high[code - 0x80] : char16_t(code)));
    }
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

std::optional<QString> decodePlainText(const QByteArray& bytes, bool cut) {
    // A byte-order mark of UTF-16 or UTF-32 makes the NUL bytes such text is full of its own.
    const std::optional<QStringConverter::Encoding> marked =
        QStringConverter::encodingForData(bytes);
    if (marked && *marked != QStringConverter::Utf8)
        return QStringDecoder(*marked).decode(bytes);
    if (!looksLikeText(bytes))
        return std::nullopt;
    if (std::optional<QString> text = decodeUtf8(bytes, cut))
        return text;
    return drawsDosBoxes(bytes) ? decodeCodePage437(bytes) : decodeCodePage(bytes);
}

std::optional<QString> LoadFile(const QString& path) {
    QFile file;
    if (!openRegularFile(file, path))
        return std::nullopt;
    QByteArray bytes = file.read(ShownTextBytes + 1);
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    const bool cut = bytes.size() > ShownTextBytes;
    bytes.truncate(ShownTextBytes);
    std::optional<QString> text = decodePlainText(bytes, cut);
    if (text && cut)
        text->append(RestNotShown);
    return text;
}
