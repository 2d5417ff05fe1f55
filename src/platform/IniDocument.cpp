#include "platform/IniDocument.h"

#include <QSet>
#include <QStringDecoder>

namespace {

constexpr char HexDigits[] = "0123456789ABCDEF";
constexpr qsizetype IndexedSectionSize = 8;

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

QByteArrayView trimmedBlanks(QByteArrayView text) {
    while (!text.isEmpty() && isBlank(text.front()))
        text = text.sliced(1);
    while (!text.isEmpty() && isBlank(text.back()))
        text.chop(1);
    return text;
}

bool isHexDigit(char16_t c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

int hexValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// UTF-8 text, or nothing when the bytes are no UTF-8.
std::optional<QString> utf8Text(QByteArrayView bytes) {
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return std::nullopt;
    return text;
}

// A section or key name as QSettings writes it: "/" as "\", letters, digits and "_-." as they
// are, every other character as %XX or %UXXXX.
void appendName(QStringView name, QByteArray& out) {
    for (const QChar qc : name) {
        const char16_t c = qc.unicode();
        if (c == u'/') {
            out += '\\';
        } else if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                   c == '_' || c == '-' || c == '.') {
            out += char(c);
        } else if (c <= 0xFF) {
            out += '%';
            out += HexDigits[c / 16];
            out += HexDigits[c % 16];
        } else {
            out += "%U";
            for (int shift = 12; shift >= 0; shift -= 4)
                out += HexDigits[(c >> shift) & 0xF];
        }
    }
}

bool isAscii(QByteArrayView text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return uchar(c) < 0x80; });
}

QString textOf(QByteArrayView bytes) {
    if (isAscii(bytes))
        return QString::fromLatin1(bytes);
    return utf8Text(bytes).value_or(QString::fromLatin1(bytes));
}

QString nameOf(QByteArrayView text) {
    if (!text.contains('%') && !text.contains('\\'))
        return textOf(text);
    const QString raw = textOf(text);
    QString name;
    name.reserve(raw.size());
    for (qsizetype i = 0; i < raw.size(); ++i) {
        const QChar c = raw[i];
        if (c == u'\\') {
            name += u'/';
            continue;
        }
        const int digits = c == u'%' && i + 1 < raw.size() && raw[i + 1] == u'U' ? 4 : 2;
        const qsizetype first = i + 1 + (digits == 4 ? 1 : 0);
        bool ok = false;
        const ushort code = c == u'%' && first + digits <= raw.size()
                                ? raw.mid(first, digits).toUShort(&ok, 16)
                                : 0;
        if (ok) {
            name += QChar(code);
            i = first + digits - 1;
        } else {
            name += c;
        }
    }
    return name;
}

// The value back from the text QSettings wrote for it; nothing when the text holds anything
// its writer never writes. Only a candidate: the caller compares its written form with the text.
std::optional<QString> fromQtForm(QByteArrayView text) {
    if (text.size() >= 2 && text.front() == '"' && text.back() == '"')
        text = text.sliced(1, text.size() - 2);
    QString value;
    qsizetype run = 0; // start of the bytes not yet decoded
    const auto flush = [&](qsizetype end) {
        const std::optional<QString> part = utf8Text(text.sliced(run, end - run));
        if (part)
            value += *part;
        return part.has_value();
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '"')
            return std::nullopt;
        if (c != '\\')
            continue;
        if (!flush(i) || i + 1 == text.size())
            return std::nullopt;
        const char escape = text[++i];
        static constexpr std::pair<char, char16_t> named[] = {
            {'a', u'\a'}, {'b', u'\b'}, {'f', u'\f'}, {'n', u'\n'}, {'r', u'\r'},
            {'t', u'\t'}, {'v', u'\v'}, {'"', u'"'},  {'\\', u'\\'}};
        const auto known = std::find_if(std::begin(named), std::end(named),
                                        [&](const auto& pair) { return pair.first == escape; });
        if (known != std::end(named)) {
            value += QChar(known->second);
        } else if (escape == 'x' || escape == '0') {
            const int base = escape == 'x' ? 16 : 8;
            char16_t code = 0;
            qsizetype digit = escape == 'x' ? i + 1 : i;
            if (escape == 'x' && (digit == text.size() || hexValue(text[digit]) < 0))
                return std::nullopt;
            for (;
                 digit < text.size() && hexValue(text[digit]) >= 0 && hexValue(text[digit]) < base;
                 ++digit)
                code = char16_t(code * base + hexValue(text[digit]));
            value += QChar(code);
            i = digit - 1;
        } else {
            return std::nullopt;
        }
        run = i + 1;
    }
    if (!flush(text.size()))
        return std::nullopt;
    if (value.startsWith(QLatin1StringView("@@")))
        value.remove(0, 1);
    return value;
}

} // namespace

void appendQtForm(QStringView value, QByteArray& out) {
    const qsizetype start = out.size();
    // Most values are plain: printable ASCII with nothing to escape or quote.
    const bool plain = std::all_of(value.begin(), value.end(), [](QChar qc) {
        const char16_t c = qc.unicode();
        return c >= 0x20 && c < 0x7F && c != '\\' && c != '"' && c != ';' && c != ',' && c != '=';
    });
    if (plain && !value.startsWith(u'@')) {
        out.resize(start + value.size());
        char* to = out.data() + start;
        for (const QChar c : value)
            *to++ = char(c.unicode());
    } else {
        // A text starting with "@" would read as a typed value; QSettings doubles the "@".
        bool quoted = false;
        bool escapeHexDigit = false;
        if (value.startsWith(u'@'))
            out += '@';
        qsizetype run = 0; // start of the characters not yet written
        const auto flush = [&](qsizetype end) {
            out += value.sliced(run, end - run).toUtf8();
        };
        for (qsizetype i = 0; i < value.size(); ++i) {
            const char16_t c = value[i].unicode();
            quoted = quoted || c == ';' || c == ',' || c == '=';
            const bool special =
                c < 0x20 || c == '\\' || c == '"' || (escapeHexDigit && isHexDigit(c));
            if (!special) {
                escapeHexDigit = false;
                continue;
            }
            flush(i);
            run = i + 1;
            // A digit right after a numeric escape would read as part of it.
            if (escapeHexDigit && isHexDigit(c)) {
                out += "\\x" + QByteArray::number(c, 16);
                continue;
            }
            escapeHexDigit = false;
            static constexpr std::pair<char16_t, const char*> named[] = {
                {u'\a', "\\a"}, {u'\b', "\\b"}, {u'\f', "\\f"}, {u'\n', "\\n"}, {u'\r', "\\r"},
                {u'\t', "\\t"}, {u'\v', "\\v"}, {u'"', "\\\""}, {u'\\', "\\\\"}};
            const auto known = std::find_if(std::begin(named), std::end(named),
                                            [&](const auto& pair) { return pair.first == c; });
            if (known != std::end(named)) {
                out += known->second;
            } else {
                out += c == 0 ? QByteArray("\\0") : "\\x" + QByteArray::number(c, 16);
                escapeHexDigit = true;
            }
        }
        flush(value.size());
        if (quoted) {
            out.insert(start, '"');
            out += '"';
            return;
        }
    }
    if (out.size() > start && (out[start] == ' ' || out.back() == ' ')) {
        out.insert(start, '"');
        out += '"';
    }
}

// Which meaning a value's text has; the one place where that is decided.
//
// A store written by QSettings must read as it always has, so a text that is exactly what
// QSettings writes for some value means that value: "\\" one backslash, "\n" a line break, quotes
// around a value that needs them (one holding ";", "," or "=", or blanks at an end) the value
// inside them, a leading "@@" one "@". Any other text means just what it shows, semicolons,
// commas, quotes and backslashes included: QSettings would never have written it, so a person
// did. Kavrel writes every value in QSettings' form, so its own values always read back exactly.
//
// The two readings only meet where a typed text happens to be in QSettings' form all through:
// C:\\GAMES reads as C:\GAMES, "A; B" (quotes typed) as A; B, and a lower-case path such as
// c:\new that holds nothing but valid escapes reads with a line break. Such a text reads the
// QSettings way, as it always did: a store Kavrel wrote must never change its meaning, and DOS
// paths are typed in capitals (C:\NEW), which QSettings never escapes.
QString valueOfLine(QByteArrayView text, bool* unclosedQuote) {
    const bool mayBeEscaped =
        text.contains('\\') || text.contains('"') || text.startsWith(QByteArrayView("@@"));
    if (mayBeEscaped) {
        if (const std::optional<QString> value = fromQtForm(text)) {
            QByteArray again;
            appendQtForm(*value, again);
            if (again == text)
                return *value;
        }
        if (unclosedQuote && text.startsWith('"') && (text.size() == 1 || !text.endsWith('"')))
            *unclosedQuote = true;
    }
    return textOf(text);
}

qsizetype IniDocument::Section::find(QStringView key) const {
    if (!index.isEmpty())
        return index.value(key.toString(), -1);
    for (qsizetype i = 0; i < entries.size(); ++i)
        if (entries[i].key == key)
            return i;
    return -1;
}

void IniDocument::Section::add(QString key, QString value) {
    if (!index.isEmpty())
        index.insert(key, entries.size());
    entries.append({std::move(key), std::move(value)});
    if (index.isEmpty() && entries.size() > IndexedSectionSize)
        for (qsizetype i = 0; i < entries.size(); ++i)
            index.insert(entries[i].key, i);
}

qsizetype IniDocument::sectionNamed(const QString& name) {
    auto found = byName.constFind(name);
    if (found == byName.constEnd()) {
        found = byName.insert(name, order.size());
        order.append({name, {}, {}});
    }
    return *found;
}

const IniDocument::Section* IniDocument::sectionOf(QStringView name) const {
    const auto found = byName.constFind(name.toString());
    return found == byName.constEnd() ? nullptr : &order[*found];
}

static std::pair<QStringView, QStringView> splitKey(const QString& key) {
    const qsizetype slash = key.indexOf(u'/');
    if (slash < 0)
        return {QStringView(), key};
    return {QStringView(key).first(slash), QStringView(key).sliced(slash + 1)};
}

std::optional<QString> IniDocument::value(const QString& key) const {
    const auto [section, name] = splitKey(key);
    const Section* holder = sectionOf(section);
    if (!holder)
        return std::nullopt;
    const qsizetype at = holder->find(name);
    return at < 0 ? std::nullopt : std::optional(holder->entries[at].value);
}

void IniDocument::setValue(const QString& key, const QString& value) {
    const auto [section, name] = splitKey(key);
    Section& holder = order[sectionNamed(section.toString())];
    const qsizetype at = holder.find(name);
    if (at >= 0)
        holder.entries[at].value = value;
    else
        holder.add(name.toString(), value);
}

void IniDocument::remove(const QString& key) {
    const auto [section, name] = splitKey(key);
    const auto found = byName.constFind(section.toString());
    if (found == byName.constEnd())
        return;
    Section& holder = order[*found];
    const qsizetype at = holder.find(name);
    if (at < 0)
        return;
    holder.entries.remove(at);
    if (!holder.index.isEmpty()) {
        holder.index.clear();
        for (qsizetype i = 0; i < holder.entries.size(); ++i)
            holder.index.insert(holder.entries[i].key, i);
    }
}

QStringList IniDocument::sections() const {
    QStringList names;
    for (const Section& section : order)
        if (!section.name.isEmpty() && !section.entries.isEmpty())
            names.append(section.name);
    return names;
}

QStringList IniDocument::keys() const {
    QStringList all;
    for (const Section& section : order)
        for (const Entry& entry : section.entries)
            all.append(section.name.isEmpty() ? entry.key : section.name + u'/' + entry.key);
    return all;
}

IniDocument IniDocument::parse(QByteArrayView bytes) {
    IniDocument document;
    if (bytes.startsWith(QByteArrayView("\xEF\xBB\xBF")))
        bytes = bytes.sliced(3); // the mark some editors put before UTF-8 text
    if (bytes.contains('\0'))
        document.faults.append(QStringLiteral("the file holds bytes that are no text"));
    else if (!isAscii(bytes) && !utf8Text(bytes))
        document.faults.append(QStringLiteral("the file is not UTF-8 text"));
    QSet<QString> headers;
    qsizetype current = -1; // the section the lines go to; none yet: the keys without one
    QString subkey;         // "B/" for keys under a header "[A/B]"
    int lineNumber = 0;
    const auto fault = [&](const QString& what) {
        document.faults.append(QStringLiteral("line %1: %2").arg(lineNumber).arg(what));
    };
    for (qsizetype start = 0; start < bytes.size();) {
        qsizetype end = start;
        while (end < bytes.size() && bytes[end] != '\n' && bytes[end] != '\r')
            ++end;
        const QByteArrayView line = trimmedBlanks(bytes.sliced(start, end - start));
        start =
            end + (end + 1 < bytes.size() && bytes[end] == '\r' && bytes[end + 1] == '\n' ? 2 : 1);
        ++lineNumber;
        if (line.isEmpty() || line.front() == ';' || line.front() == '#')
            continue;
        if (line.front() == '[') {
            const qsizetype close = line.indexOf(']');
            if (close < 0)
                fault(QStringLiteral("a section name without its \"]\""));
            const QByteArrayView header =
                trimmedBlanks(line.sliced(1, (close < 0 ? line.size() : close) - 1));
            QString name;
            if (header.compare("general", Qt::CaseInsensitive) != 0)
                name = header.compare("%general", Qt::CaseInsensitive) == 0
                           ? QString::fromLatin1(header.sliced(1))
                           : nameOf(header);
            if (headers.contains(name))
                fault(QStringLiteral("the section [%1] appears a second time").arg(name));
            headers.insert(name);
            const qsizetype slash = name.indexOf(u'/');
            subkey = slash < 0 ? QString() : name.sliced(slash + 1) + u'/';
            current = document.sectionNamed(slash < 0 ? name : name.first(slash));
            continue;
        }
        const qsizetype equals = line.indexOf('=');
        const QString key =
            equals < 0 ? QString() : subkey + nameOf(trimmedBlanks(line.first(equals)));
        if (key.isEmpty() || key.startsWith(u'/') || key.endsWith(u'/')) {
            fault(QStringLiteral("a line that is no \"key=value\""));
            continue;
        }
        // Blanks around a value are not part of it; a quote that opens it and never closes is
        // part of it, and the file is kept aside as one not read as written.
        bool unclosedQuote = false;
        QString value = valueOfLine(trimmedBlanks(line.sliced(equals + 1)), &unclosedQuote);
        if (unclosedQuote)
            fault(QStringLiteral("a quote that never closes"));
        if (current < 0)
            current = document.sectionNamed(QString());
        Section& section = document.order[current];
        // A key given twice keeps its later value, as a later line overrides an earlier one;
        // the file is kept aside, so the earlier value is not lost.
        if (const qsizetype at = section.find(key); at >= 0) {
            fault(QStringLiteral("the key %1 appears a second time").arg(key));
            section.entries[at].value = std::move(value);
        } else {
            section.add(key, std::move(value));
        }
    }
    return document;
}

QByteArray IniDocument::toBytes() const {
    QByteArray out;
    qsizetype estimate = 0;
    for (const Section& section : order)
        for (const Entry& entry : section.entries)
            estimate += entry.key.size() + entry.value.size() + 4;
    out.reserve(estimate + estimate / 8 + 64 * order.size());
    for (const Section& section : order) {
        if (section.entries.isEmpty())
            continue;
        if (!out.isEmpty())
            out += '\n';
        out += '[';
        if (section.name.isEmpty())
            out += "General";
        else if (section.name.compare(QLatin1StringView("general"), Qt::CaseInsensitive) == 0)
            out += '%' + section.name.toLatin1();
        else
            appendName(section.name, out);
        out += "]\n";
        for (const Entry& entry : section.entries) {
            appendName(entry.key, out);
            out += '=';
            appendQtForm(entry.value, out);
            out += '\n';
        }
    }
    return out;
}
