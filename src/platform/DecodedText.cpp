#include "platform/DecodedText.h"

#include <QBuffer>
#include <QImageReader>
#include <QStringDecoder>
#include <algorithm>
#include <array>
#include <string_view>

namespace {

constexpr char EndOfFileMark = '\x1A';

unsigned char codeOf(char byte) {
    return static_cast<unsigned char>(byte);
}

// Tab and line ends are text in every code page; the other codes below 0x20, and 0x7F, are
// control codes, except in a DOS text, where they are the symbols ☺ ☻ ♥ … ▲ ▼ and ⌂.
bool isControlCode(unsigned char code) {
    return (code < 0x20 && code != '\t' && code != '\n' && code != '\r') || code == 0x7F;
}

// Text holds no NUL byte and is not mostly control codes, whatever the code page.
bool looksLikeText(const QByteArray& bytes) {
    if (bytes.contains('\0'))
        return false;
    const auto controls =
        std::count_if(bytes.begin(), bytes.end(), [](char b) { return isControlCode(codeOf(b)); });
    return controls * 2 <= bytes.size();
}

// A picture is no text even when it looks like one (the portable bitmaps can be plain ASCII), nor
// is a program; both can hold 0x1A early on, so this looks at all of the bytes.
bool isPictureOrProgram(const QByteArray& bytes) {
    // A DOS program's header is full of small numbers; text that starts with MZ has no NUL there.
    const bool dosProgram =
        (bytes.startsWith("MZ") || bytes.startsWith("ZM")) && bytes.left(64).contains('\0');
    if (dosProgram || bytes.startsWith("\177ELF"))
        return true;
    QBuffer buffer;
    buffer.setData(bytes);
    return QImageReader(&buffer).size().isValid();
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

using namespace std::string_view_literals;

constexpr std::u16string_view CodePage437Low = u"\0☺☻♥♦♣♠•◘○◙♂♀♪♫☼►◄↕‼¶§▬↨↑↓→←∟↔▲▼"sv;
constexpr std::u16string_view CodePage437High =
    u"ÇüéâäàåçêëèïîìÄÅÉæÆôöòûùÿÖÜ¢£¥₧ƒáíóúñÑªº¿⌐¬½¼¡«»░▒▓│┤╡╢╖╕╣║╗╝╜╛┐"
    u"└┴┬├─┼╞╟╚╔╩╦╠═╬╧╨╤╥╙╘╒╓╫╪┘┌█▄▌▐▀αßΓπΣσµτΦΘΩδ∞φε∩≡±≥≤⌠⌡÷≈°∙·√ⁿ²■\u00A0";
static_assert(CodePage437Low.size() == 32 && CodePage437High.size() == 128);

// Windows-1252 is Latin-1 but for 0x80 to 0x9F; its five unassigned codes keep their Latin-1
// control characters.
constexpr std::array<char16_t, 32> Windows1252From80 = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

QChar inCodePage437(unsigned char code) {
    if (code >= 0x80)
        return QChar(CodePage437High[code - 0x80]);
    if (isControlCode(code))
        return code == 0x7F ? QChar(u'⌂') : QChar(CodePage437Low[code]);
    return QChar(char16_t(code));
}

QChar inWindows1252(unsigned char code) {
    return QChar(code >= 0x80 && code < 0xA0 ? Windows1252From80[code - 0x80] : char16_t(code));
}

QString decodeCodePage437(const QByteArray& bytes) {
    QString text(bytes.size(), Qt::Uninitialized);
    std::transform(bytes.begin(), bytes.end(), text.begin(),
                   [](char byte) { return inCodePage437(codeOf(byte)); });
    return text;
}

QString decodeWindowsCodePage(const QByteArray& bytes) {
#ifdef Q_OS_WIN
    // Windows reads a plain text in the code page the user's system is set to.
    return QStringDecoder(QStringConverter::System).decode(bytes);
#else
    QString text(bytes.size(), Qt::Uninitialized);
    std::transform(bytes.begin(), bytes.end(), text.begin(),
                   [](char byte) { return inWindows1252(codeOf(byte)); });
    return text;
#endif
}

// --- Which 8-bit code page a text that is no UTF-8 was written in
//
// Code page 437 (DOS) and Windows-1252 (and Latin-1, its subset) give the bytes above 0x7F
// different meanings: in 437, 0x80 to 0xA5 are accented letters and 0xB0 to 0xDF frames and
// shades; in 1252, 0x80 to 0x9F are curly quotes, dashes and a few letters, 0xC0 to 0xFF the
// accented letters. Each such byte is read in both code pages and scored by how well its
// character fits the bytes beside it, as it would in a real text:
//   - a letter inside a word (letters on both sides) scores 4, at a word's edge 2; an upper-case
//     letter after a lower-case one, or a lower-case one before an upper-case one, is no word;
//   - a quote or a Spanish mark at a word's edge (a space on one side, a letter or digit on the
//     other) scores 3, between spaces 1; an apostrophe between letters 3; a dash between spaces
//     or digits 3, an ellipsis after a letter 3; these marks elsewhere -1;
//   - a frame or shade character next to another one (a line "═════", a corner "╔═") scores 3,
//     next to a space or a line's end 1, between letters -1;
//   - a symbol (currency, °, ±, ½) scores 1 next to a space or a digit;
//   - a rarely written character (Greek, mathematics, daggers, accents alone) -1, a code that
//     Windows-1252 leaves unassigned -5.
// A letter repeated next to itself is no word ("ÍÍÍÍ" is a frame line read in 1252). The DOS
// symbols below 0x20 (☺ ► ▲) add 2 each to code page 437, being mere control codes in 1252.
// The code page with the higher sum wins; an equal sum, as for a text whose only accented
// letters stand alone, reads as Windows-1252, the code page of most texts written since.

enum class Kind : char {
    Letter = 'L',
    Quote = 'Q',    // ‘ ’ “ ” „ ‚ ‹ › « » ´ ¿ ¡
    Dash = 'D',     // – —
    Ellipsis = 'E', // …
    Frame = 'F',    // box drawing, shades, blocks
    Symbol = 'S',   // currency, °, ±, ½, ·, ©, no-break space
    Rare = 'R',     // Greek, mathematics, daggers, lone accents
    Unassigned = 'X',
};

constexpr std::string_view KindsIn437 = "LLLLLLLLLLLLLLLLLLLLLLLLLLLSSSRR" // 0x80
                                        "LLLLLLSSQRRSSQQQ"                 // 0xA0
                                        "FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF" // 0xB0
                                        "FFFFFFFFFFFFFFFF"                 // 0xD0
                                        "RLRRRRSRRRRRRRRRRSRRRRSRSSSRRSSS";
constexpr std::string_view KindsIn1252 = "SXQRQERRRSLQLXLXXQQQQSDDRSLQLXLL" // 0x80
                                         "SQSSRSRSRSSQRRSRSSSSQSSSRRSQSSSQ" // 0xA0
                                         "LLLLLLLLLLLLLLLLLLLLLLLSLLLLLLLL" // 0xC0
                                         "LLLLLLLLLLLLLLLLLLLLLLLSLLLLLLLL";
static_assert(KindsIn437.size() == 128 && KindsIn1252.size() == 128);

struct CodePage {
    std::string_view kinds;
    QChar (*character)(unsigned char);
};
constexpr CodePage Dos{KindsIn437, inCodePage437};
constexpr CodePage Windows{KindsIn1252, inWindows1252};

Kind kindOf(const CodePage& page, unsigned char code) {
    return code >= 0x80 ? Kind(page.kinds[code - 0x80]) : Kind::Rare;
}

bool isGap(int code) {
    return code < 0 || code == ' ' || code == '\t' || code == '\n' || code == '\r' ||
           std::string_view(".,;:!?()[]{}\"'-/*").find(char(code)) != std::string_view::npos;
}

bool isDigit(int code) {
    return code >= '0' && code <= '9';
}

bool isAsciiLetter(int code) {
    return (code >= 'a' && code <= 'z') || (code >= 'A' && code <= 'Z');
}

// One letter in a word beside another (-1: no neighbour): not the same accented letter again,
// and in the case order words have.
bool continuesWord(const CodePage& page, unsigned char code, int neighbour, bool before) {
    if (neighbour < 0 || neighbour == code)
        return false;
    const auto other = static_cast<unsigned char>(neighbour);
    if (!isAsciiLetter(other) && kindOf(page, other) != Kind::Letter)
        return false;
    const QChar self = page.character(code);
    const QChar beside = page.character(other);
    return before ? !(beside.isLower() && self.isUpper()) : !(self.isLower() && beside.isUpper());
}

int scoreOf(const CodePage& page, unsigned char code, int before, int after) {
    const bool wordBefore = continuesWord(page, code, before, true);
    const bool wordAfter = continuesWord(page, code, after, false);
    const auto isFrame = [&](int c) {
        return c >= 0x80 && kindOf(page, c) == Kind::Frame;
    };
    switch (kindOf(page, code)) {
    case Kind::Letter:
        return wordBefore && wordAfter ? 4 : (wordBefore || wordAfter) * 2;
    case Kind::Quote: {
        const bool apostrophe = code == 0x92 || code == 0xB4;
        if (isAsciiLetter(before) && isAsciiLetter(after))
            return apostrophe ? 3 : -1;
        const auto isWordSide = [&](int c) {
            return isAsciiLetter(c) || isDigit(c) || (c >= 0x80 && kindOf(page, c) == Kind::Letter);
        };
        if ((isGap(before) && isWordSide(after)) || (isWordSide(before) && isGap(after)))
            return 3;
        return isGap(before) && isGap(after) ? 1 : -1;
    }
    case Kind::Dash:
        return (isGap(before) && isGap(after)) || (isDigit(before) && isDigit(after)) ? 3 : -1;
    case Kind::Ellipsis:
        return isAsciiLetter(before) && isGap(after) ? 3 : -1;
    case Kind::Frame:
        if (isFrame(before) || isFrame(after))
            return 3;
        return isGap(before) || isGap(after) ? 1 : -1;
    case Kind::Symbol:
        return isGap(before) || isGap(after) || isDigit(before) || isDigit(after) ? 1 : 0;
    case Kind::Rare:
        return -1;
    case Kind::Unassigned:
        return -5;
    }
    return 0;
}

bool readsAsCodePage437(const QByteArray& bytes) {
    int dos = 0;
    int windows = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const unsigned char code = codeOf(bytes[i]);
        if (isControlCode(code)) {
            dos += 2;
            continue;
        }
        if (code < 0x80)
            continue;
        const int before = i > 0 ? codeOf(bytes[i - 1]) : -1;
        const int after = i + 1 < bytes.size() ? codeOf(bytes[i + 1]) : -1;
        dos += scoreOf(Dos, code, before, after);
        windows += scoreOf(Windows, code, before, after);
    }
    return dos > windows;
}

} // namespace

std::optional<DecodedText> DecodedText::fromBytes(QByteArray bytes, bool cut) {
    // A byte-order mark of UTF-16 or UTF-32 makes the NUL bytes such text is full of its own.
    const std::optional<QStringConverter::Encoding> marked =
        QStringConverter::encodingForData(bytes);
    if (marked && *marked != QStringConverter::Utf8)
        return DecodedText(QStringDecoder(*marked).decode(bytes), false, false);

    if (isPictureOrProgram(bytes))
        return std::nullopt;
    // DOS editors end a text with 0x1A, and what follows it (often padding) is no part of it.
    const qsizetype mark = bytes.indexOf(EndOfFileMark);
    const bool ended = mark >= 0;
    if (ended) {
        bytes.truncate(mark);
        cut = false;
    }
    if (!looksLikeText(bytes))
        return std::nullopt;
    const bool hasControlCodes =
        std::any_of(bytes.begin(), bytes.end(), [](char b) { return isControlCode(codeOf(b)); });
    const bool ascii =
        std::all_of(bytes.begin(), bytes.end(), [](char b) { return codeOf(b) < 0x80; });
    // A plain ASCII text with DOS symbols is valid UTF-8 too, but only code page 437 draws them.
    if (ascii && hasControlCodes)
        return DecodedText(decodeCodePage437(bytes), true, ended);
    if (std::optional<QString> text = decodeUtf8(bytes, cut))
        return DecodedText(*std::move(text), false, ended);
    if (readsAsCodePage437(bytes))
        return DecodedText(decodeCodePage437(bytes), true, ended);
    return DecodedText(decodeWindowsCodePage(bytes), false, ended);
}
