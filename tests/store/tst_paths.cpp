// Cutting a path into the folder and the name that the pickers are preset with.
#include "store/Paths.h"

#include <QTest>

class PathsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void splitsAtTheLastSeparator_data();
    void splitsAtTheLastSeparator();
};

void PathsTest::splitsAtTheLastSeparator_data() {
    const QString s(PathSeparator);
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("hasSeparator");
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("name");
    QTest::newRow("in a folder") << QStringLiteral("C:") + s + QStringLiteral("GAMES") + s +
                                        QStringLiteral("ROBOT") + s + QStringLiteral("ROBOT.EXE")
                                 << true
                                 << QStringLiteral("C:") + s + QStringLiteral("GAMES") + s +
                                        QStringLiteral("ROBOT")
                                 << QStringLiteral("ROBOT.EXE");
    QTest::newRow("root of a drive") << QStringLiteral("D:") + s + QStringLiteral("pic.bmp") << true
                                     << QStringLiteral("D:") << QStringLiteral("pic.bmp");
    QTest::newRow("root of the file system")
        << s + QStringLiteral("X.COM") << true << QString() << QStringLiteral("X.COM");
    QTest::newRow("folder only") << QStringLiteral("C:") + s << true << QStringLiteral("C:")
                                 << QString();
    QTest::newRow("no separator") << QStringLiteral("ROBOT.EXE") << false << QString() << QString();
    QTest::newRow("empty") << QString() << false << QString() << QString();
}

void PathsTest::splitsAtTheLastSeparator() {
    QFETCH(QString, path);
    QFETCH(bool, hasSeparator);
    QFETCH(QString, folder);
    QFETCH(QString, name);
    const PathParts parts = splitAtLastSeparator(path);
    QCOMPARE(parts.hasSeparator, hasSeparator);
    QCOMPARE(parts.folder, folder);
    QCOMPARE(parts.name, name);
}

QTEST_APPLESS_MAIN(PathsTest)
#include "tst_paths.moc"
