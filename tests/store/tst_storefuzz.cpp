// Start-up on a few hundred damaged stores: each gives a window, and a store written back never
// holds fewer sections than the file had unless that file was first kept aside unchanged.
#include "KavrelFixture.h"

#include <QRandomGenerator>
#include <QSet>

// The distinct sections of an INI text that hold at least one value.
static qsizetype sectionsWithValues(const QByteArray& text) {
    QSet<QByteArray> sections;
    QByteArray section;
    for (const QByteArray& line : text.split('\n')) {
        if (line.trimmed().startsWith('['))
            section = line.trimmed();
        else if (!section.isEmpty() && line.contains('='))
            sections.insert(section);
    }
    return sections.size();
}

// One of: an insert (a quote, NUL bytes, a long line, binary bytes, a duplicate section with a
// huge or negative count), a truncation, a flipped byte, or the whole text as UTF-16.
static QByteArray damaged(QByteArray text, QRandomGenerator& random) {
    const QByteArray inserts[] = {"\"",
                                  QByteArray(3, '\0'),
                                  QByteArray(200000, 'x'),
                                  QByteArray::fromHex("0d00ff0a5b22e2"),
                                  "\n[Games]\nCount=-7\n",
                                  "\n[Games]\nCount=99999999999\n",
                                  "\n[Game0002]\nGTitle=Twice\n"};
    const qsizetype at = random.bounded(text.size());
    switch (const int kind = int(random.bounded(10))) {
    case 7:
        return text.left(at);
    case 8:
        text[at] = char(random.bounded(256));
        return text;
    case 9:
        return QByteArray(reinterpret_cast<const char*>(QString::fromUtf8(text).utf16()),
                          QString::fromUtf8(text).size() * 2);
    default:
        return text.insert(at, inserts[kind]);
    }
}

class StoreFuzzTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void damagedStoresStartAndLoseNothing() {
        QByteArray canonical = "[Games]\nCount=3\nLast=2\n[Options]\nGExit=True\n";
        for (const char* n : {"1", "2", "3"})
            canonical +=
                QByteArray("[Game000") + n + "]\nGPath=C:\\\\G.EXE\nGTitle=" + n + "\nGType=True\n";
        QRandomGenerator random(12);
        for (int run = 0; run < 300; ++run) {
            const QByteArray once = damaged(canonical, random);
            const QByteArray content = random.bounded(2) ? damaged(once, random) : once;
            KavrelFixture kavrel;
            kavrel.writeFile(u"config/Kavrel/Kavrel.conf"_s, content);
            const QString before = fileVersion(kavrel.storePath());
            QVERIFY2(kavrel.start().isVisible(), content.constData());
            if (fileVersion(kavrel.storePath()) == before ||
                sectionsWithValues(kavrel.storeFileBytes()) >= sectionsWithValues(content))
                continue;
            // Written with less: the file as it was must be kept aside.
            const QDir folder(kavrel.path(u"config/Kavrel"_s));
            QFile copy(folder.filePath(folder.entryList({u"*.unreadable-*"_s}).value(0)));
            QVERIFY2(copy.open(QIODevice::ReadOnly) && copy.readAll() == content,
                     content.constData());
        }
    }
};

QTEST_MAIN(StoreFuzzTest)
#include "tst_storefuzz.moc"
