// Cutting a path into the folder and the name that the pickers are preset with.
#include "store/Paths.h"

#include <QTest>

class PathsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void splitsAtTheLastSeparator();
};

void PathsTest::splitsAtTheLastSeparator() {
    const QString s(PathSeparator);
    const PathParts game = splitAtLastSeparator(QStringLiteral("C:") + s + QStringLiteral("GAMES") +
                                                s + QStringLiteral("ROBOT.EXE"));
    QVERIFY(game.hasSeparator);
    QCOMPARE(game.folder, QStringLiteral("C:") + s + QStringLiteral("GAMES"));
    QCOMPARE(game.name, QStringLiteral("ROBOT.EXE"));

    // In the root of a drive the folder is the drive alone, without its separator.
    const PathParts root =
        splitAtLastSeparator(QStringLiteral("D:") + s + QStringLiteral("pic.bmp"));
    QVERIFY(root.hasSeparator);
    QCOMPARE(root.folder, QStringLiteral("D:"));
    QCOMPARE(root.name, QStringLiteral("pic.bmp"));
    const PathParts fileSystemRoot = splitAtLastSeparator(s + QStringLiteral("X.COM"));
    QVERIFY(fileSystemRoot.hasSeparator);
    QCOMPARE(fileSystemRoot.folder, QString());
    QCOMPARE(fileSystemRoot.name, QStringLiteral("X.COM"));

    for (const QString& bare : {QStringLiteral("ROBOT.EXE"), QString()}) {
        const PathParts parts = splitAtLastSeparator(bare);
        QVERIFY(!parts.hasSeparator);
        QCOMPARE(parts.folder, QString());
        QCOMPARE(parts.name, QString());
    }
}

QTEST_APPLESS_MAIN(PathsTest)
#include "tst_paths.moc"
