#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// A text file's bytes as the text its writer meant, and whether it is a DOS text (code page 437),
// whose frames and tables line up only in a fixed-pitch font.
class DecodedText {
public:
    // UTF-16 or UTF-32 with their byte-order mark; UTF-8 with or without one; otherwise code
    // page 437 or the platform's 8-bit code page (Windows-1252 where the platform has none),
    // whichever reads as real text (see DecodedText.cpp). Anything but UTF-16 and UTF-32 ends at
    // the first end-of-file mark 0x1A. Nothing when the bytes are no text: a picture or a
    // program, or up to that mark a NUL or mostly control bytes. `cut` says that the bytes end
    // where reading stopped, perhaps inside a character.
    static std::optional<DecodedText> fromBytes(QByteArray bytes, bool cut = false);

    const QString& text() const { return decoded; }
    bool isDosText() const { return dos; }
    // Whether the bytes went on after the text's end-of-file mark.
    bool endedAtMark() const { return ended; }
    // The same text with a note of the reader's after it.
    DecodedText withNote(const QString& note) const { return {decoded + note, dos, ended}; }

private:
    DecodedText(QString text, bool dos, bool ended)
        : decoded(std::move(text)), dos(dos), ended(ended) {}

    QString decoded;
    bool dos = false;
    bool ended = false;
};
