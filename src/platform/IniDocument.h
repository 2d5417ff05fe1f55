#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// The text of the settings file: sections of "key=value" lines, read and written by Kavrel itself.
//
// Keys are paths: "Section/Key", a "/" in the key's own part making a subkey as QSettings makes
// it; a key without a section lives under "[General]". Stores written by QSettings read as
// QSettings read them, and a line typed by hand reads as it shows; valueOfLine() decides which.
// Sections and keys keep the order the file gave them; new ones follow.
class IniDocument {
public:
    static IniDocument parse(QByteArrayView bytes);
    QByteArray toBytes() const;

    std::optional<QString> value(const QString& key) const;
    void setValue(const QString& key, const QString& value);
    void remove(const QString& key);
    // The sections that hold at least one key.
    QStringList sections() const;
    // Every key, in the order of the file.
    QStringList keys() const;

    // What keeps the file from being read exactly as written: a section or key given twice, a
    // quote that never closes, a line that is neither a section, a key nor a comment, bytes
    // that are no UTF-8 text. Empty when it was read as written.
    const QStringList& problems() const { return faults; }

private:
    struct Entry {
        QString key;
        QString value;
    };
    struct Section {
        QString name;
        QList<Entry> entries;
        // Built once a section grows beyond a few keys, so that a long one is searched quickly.
        QHash<QString, qsizetype> index;
        qsizetype find(QStringView key) const;
        void add(QString key, QString value);
    };
    qsizetype sectionNamed(const QString& name);
    const Section* sectionOf(QStringView name) const;

    QList<Section> order;
    QHash<QString, qsizetype> byName;
    QStringList faults;
};

// The text QSettings writes for a value after "key=": escapes for backslashes, quotes and
// control characters, quotes around a value holding ";", "," or "=" or blanks at either end.
void appendQtForm(QStringView value, QByteArray& out);

// What the text after "key=" means, blanks around it already taken off. Sets `unclosedQuote`
// when it opens a quote that it never closes.
QString valueOfLine(QByteArrayView text, bool* unclosedQuote = nullptr);
