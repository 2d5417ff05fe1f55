// Start-up on a few hundred damaged stores: each gives a window, and a store written back never
// holds fewer sections than the file had unless that file was first kept aside unchanged.
#include "KavrelFixture.h"

#include <QDir>
#include <QRandomGenerator>
#include <QSet>
#include <QTest>

namespace {

// The distinct sections of an INI text that hold at least one value.
qsizetype sectionsWithValues(const QByteArray& text) {
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

QByteArray damaged(QByteArray text, QRandomGenerator& random) {
    const auto at = [&] {
        return random.bounded(text.size());
    };
    switch (random.bounded(9)) {
    case 0:
        text[at()] = char(random.bounded(256));
        break;
    case 1:
        text.truncate(at());
        break;
    case 2:
        text.replace("Count=4", random.bounded(2) ? "Count=99999999999" : "Count=-7");
        break;
    case 3:
        text.insert(at(), '"');
        break;
    case 4:
        text.insert(at(), QByteArray(3, '\0'));
        break;
    case 5:
        text.insert(at(), QByteArray(200000, 'x'));
        break;
    case 6:
        text.insert(at(), QByteArray::fromHex("0d00ff0a5b22e2"));
        break;
    case 7:
        text = QByteArray::fromRawData(
            reinterpret_cast<const char*>(QString::fromUtf8(text).utf16()), text.size() * 2);
        text.detach();
        break;
    default:
        text.append(text.left(text.indexOf("[Game0003]")));
        break;
    }
    return text;
}

} // namespace

class StoreFuzzTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void damagedStoresStartAndLoseNothing();
};

void StoreFuzzTest::damagedStoresStartAndLoseNothing() {
    QByteArray canonical = "[Games]\nCount=4\nLast=2\n[Options]\nGExit=True\n";
    for (int n = 1; n <= 4; ++n)
        canonical +=
            QStringLiteral("[Game000%1]\nGPath=C:\\\\G\\\\%1.EXE\nGTitle=Game %1\nGType=True\n")
                .arg(n)
                .toUtf8();
    QRandomGenerator random(12);
    for (int run = 0; run < 300; ++run) {
        QByteArray content = damaged(canonical, random);
        if (random.bounded(2))
            content = damaged(content, random);
        KavrelFixture kavrel;
        kavrel.writeFile(QStringLiteral("config/Kavrel/Kavrel.conf"), content);
        const QString before = fileVersion(kavrel.storePath());
        QVERIFY2(kavrel.start().isVisible(), qPrintable(QString::number(run)));
        if (fileVersion(kavrel.storePath()) == before ||
            sectionsWithValues(kavrel.storeFileBytes()) >= sectionsWithValues(content))
            continue;
        const QDir folder(kavrel.path(QStringLiteral("config/Kavrel")));
        const QStringList copies = folder.entryList({QStringLiteral("*.unreadable-*")});
        QVERIFY2(copies.size() == 1, qPrintable(QString::number(run)));
        QFile copy(folder.filePath(copies.front()));
        QVERIFY(copy.open(QIODevice::ReadOnly));
        QCOMPARE(copy.readAll(), content);
    }
}

QTEST_MAIN(StoreFuzzTest)
#include "tst_storefuzz.moc"
