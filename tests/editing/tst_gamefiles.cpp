// Choosing and removing the selected game's screenshot and description: the pickers' presets
// and memory, the menu items and the double clicks, files that cannot be shown, and the keys
// written and deleted.
#include "KavrelFixture.h"
#include "platform/PickerFilters.h"
#include "window/DescriptionBox.h"
#include "window/GameList.h"
#include "window/PictureBox.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QTest>

namespace {

QString folderOf(const QString& path) {
    return QDir::toNativeSeparators(QFileInfo(path).absolutePath());
}

QString nameOf(const QString& path) {
    return QFileInfo(path).fileName();
}

void doubleClick(QWidget* control) {
    QTest::mouseDClick(control, Qt::LeftButton, {}, QPoint(10, 10));
}

} // namespace

class ScreenshotAndDescriptionTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void choosesScreenshot_data();
    void choosesScreenshot();
    void choosesDescription_data();
    void choosesDescription();
    void fileThatCannotBeShownChangesNothing();
    void cancelChangesNothing();
    void pickerRemembersItsLastUse();
    void fileInTheRootPresetsAnEmptyFolder();
    void helpTextDoubleClickChoosesDescription();
    void removesScreenshotKeyOnly();
    void removesDescriptionKeyOnly();
};

void ScreenshotAndDescriptionTest::choosesScreenshot_data() {
    QTest::addColumn<bool>("byDoubleClick");
    QTest::newRow("menu") << false;
    QTest::newRow("double click") << true;
}

void ScreenshotAndDescriptionTest::choosesScreenshot() {
    QFETCH(bool, byDoubleClick);
    KavrelFixture kavrel;
    const QString old =
        kavrel.writePicture(QStringLiteral("Games/Alpha/title.gif"), QSize(4, 4), Qt::red, "BMP");
    const QString chosen =
        kavrel.writePicture(QStringLiteral("shots/new.jpg"), QSize(4, 4), Qt::white, "JPEG");
    kavrel.seedGames({GameEntry{QStringLiteral("pa"), old, {}, QStringLiteral("Alpha"), true},
                      GameEntry{QStringLiteral("pb"), {}, {}, QStringLiteral("Bravo"), true}});
    Hoofdscherm& window = kavrel.start();
    auto* picture = kavrel.find<PictureBox>(QStringLiteral("Picture1"));
    QCOMPARE(picture->picture().pixelColor(0, 0), QColor(Qt::red));

    kavrel.dialogs.chooseFile(chosen, [&] {
        QCOMPARE(kavrel.onDisk(QStringLiteral("Game0001"), QStringLiteral("GBmp")), old);
    });
    if (byDoubleClick)
        doubleClick(picture);
    else
        kavrel.action(QStringLiteral("MnuBewerkenAfbeelding"))->trigger();

    VERIFY_DIALOGS(kavrel.dialogs);
    QCOMPARE(pickerSettings(kavrel.dialogs.last().request),
             pickerSettings({folderOf(old), QStringLiteral("title.gif"), PickerFilters::Screenshot,
                             QStringLiteral("bmp"), 0x281000}));
    QCOMPARE(window.games()[1].GBmp, chosen);
    QCOMPARE(kavrel.onDisk(QStringLiteral("Game0001"), QStringLiteral("GBmp")), chosen);
    QCOMPARE(picture->picture().pixelColor(0, 0), QImage(chosen).pixelColor(0, 0));
    QCOMPARE(kavrel.focused(), picture);
    QCOMPARE(window.games()[2].GBmp, QString());
}

void ScreenshotAndDescriptionTest::choosesDescription_data() {
    QTest::addColumn<bool>("byDoubleClick");
    QTest::newRow("menu") << false;
    QTest::newRow("double click") << true;
}

void ScreenshotAndDescriptionTest::choosesDescription() {
    QFETCH(bool, byDoubleClick);
    KavrelFixture kavrel;
    const QString old = kavrel.writeFile(QStringLiteral("Games/Alpha/about.txt"), "Old words.");
    const QString chosen = kavrel.writeFile(QStringLiteral("texts/new.txt"), "New words.");
    kavrel.seedGames({GameEntry{QStringLiteral("pa"), {}, old, QStringLiteral("Alpha"), true}});
    Hoofdscherm& window = kavrel.start();
    auto* rtb = kavrel.find<DescriptionBox>(QStringLiteral("RTB1"));
    QCOMPARE(rtb->toPlainText(), QStringLiteral("Old words."));

    kavrel.dialogs.chooseFile(chosen, [&] {
        QCOMPARE(kavrel.onDisk(QStringLiteral("Game0001"), QStringLiteral("GText")), old);
    });
    if (byDoubleClick)
        doubleClick(rtb->viewport());
    else
        kavrel.action(QStringLiteral("MnuBewerkenBeschrijving"))->trigger();

    VERIFY_DIALOGS(kavrel.dialogs);
    QCOMPARE(pickerSettings(kavrel.dialogs.last().request),
             pickerSettings({folderOf(old), QStringLiteral("about.txt"), PickerFilters::Description,
                             QStringLiteral("txt"), 0x281000}));
    QCOMPARE(window.games()[1].GText, chosen);
    QCOMPARE(kavrel.onDisk(QStringLiteral("Game0001"), QStringLiteral("GText")), chosen);
    QCOMPARE(rtb->toPlainText(), QStringLiteral("New words."));
    QCOMPARE(kavrel.focused(), kavrel.find<QWidget>(QStringLiteral("Picture1")));
}

void ScreenshotAndDescriptionTest::fileThatCannotBeShownChangesNothing() {
    KavrelFixture kavrel;
    const QString old = kavrel.writePicture(QStringLiteral("old.bmp"), QSize(4, 4), Qt::red, "BMP");
    const QString oldText = kavrel.writeFile(QStringLiteral("old.txt"), "Old words.");
    const QString notAPicture = kavrel.writeFile(QStringLiteral("fake.bmp"), "no picture here");
    const QString missing = kavrel.path(QStringLiteral("gone.txt"));
    kavrel.seedGames({GameEntry{QStringLiteral("pa"), old, oldText, QStringLiteral("A"), true}});
    Hoofdscherm& window = kavrel.start();
    const QByteArray before = kavrel.storeFileBytes();

    kavrel.dialogs.chooseFile(notAPicture);
    kavrel.action(QStringLiteral("MnuBewerkenAfbeelding"))->trigger();
    kavrel.dialogs.chooseFile(missing);
    kavrel.action(QStringLiteral("MnuBewerkenBeschrijving"))->trigger();

    VERIFY_DIALOGS(kavrel.dialogs);
    QCOMPARE(window.games()[1].GBmp, old);
    QCOMPARE(window.games()[1].GText, oldText);
    QCOMPARE(kavrel.storeFileBytes(), before);
    QCOMPARE(kavrel.find<PictureBox>(QStringLiteral("Picture1"))->picture().pixelColor(0, 0),
             QColor(Qt::red));
    QCOMPARE(kavrel.find<DescriptionBox>(QStringLiteral("RTB1"))->toPlainText(),
             QStringLiteral("Old words."));
}

void ScreenshotAndDescriptionTest::cancelChangesNothing() {
    KavrelFixture kavrel;
    kavrel.seedGames({GameEntry{QStringLiteral("pa"), QStringLiteral("b"), QStringLiteral("t"),
                                QStringLiteral("A"), true}});
    Hoofdscherm& window = kavrel.start();
    const QByteArray before = kavrel.storeFileBytes();
    kavrel.list()->setFocus();

    kavrel.dialogs.cancelFile();
    doubleClick(kavrel.find<QWidget>(QStringLiteral("Picture1")));
    kavrel.dialogs.cancelFile();
    kavrel.action(QStringLiteral("MnuBewerkenBeschrijving"))->trigger();

    VERIFY_DIALOGS(kavrel.dialogs);
    QCOMPARE(kavrel.dialogs.shown().size(), 2);
    QCOMPARE(kavrel.storeFileBytes(), before);
    QCOMPARE(window.games()[1].GBmp, QStringLiteral("b"));
    QCOMPARE(window.games()[1].GText, QStringLiteral("t"));
    QCOMPARE(kavrel.focused(), kavrel.find<QWidget>(QStringLiteral("Picture1")));
}

void ScreenshotAndDescriptionTest::pickerRemembersItsLastUse() {
    KavrelFixture kavrel;
    const QString alphaShot =
        kavrel.writePicture(QStringLiteral("alpha/shot.bmp"), QSize(4, 4), Qt::red, "BMP");
    const QString first =
        kavrel.writePicture(QStringLiteral("pics/first.bmp"), QSize(4, 4), Qt::blue, "BMP");
    const QString second = kavrel.writeFile(QStringLiteral("pics/second.txt"), "Second.");
    kavrel.seedGames({GameEntry{QStringLiteral("pa"), alphaShot, {}, QStringLiteral("A"), true},
                      GameEntry{QStringLiteral("pb"), {}, {}, QStringLiteral("B"), true}},
                     1);
    Hoofdscherm& window = kavrel.start();

    // Right after the start the picker has nothing to remember.
    kavrel.dialogs.chooseFile(first);
    kavrel.action(QStringLiteral("MnuBewerkenAfbeelding"))->trigger();
    QCOMPARE(kavrel.dialogs.last().request.initDir, QString());
    QCOMPARE(kavrel.dialogs.last().request.fileName, QString());

    // Game B has no description: the picker opens on the file it last returned.
    kavrel.dialogs.chooseFile(second);
    kavrel.action(QStringLiteral("MnuBewerkenBeschrijving"))->trigger();
    QCOMPARE(kavrel.dialogs.last().request.initDir, QString());
    QCOMPARE(kavrel.dialogs.last().request.fileName, first);
    QCOMPARE(kavrel.dialogs.last().request.filter, PickerFilters::Description);

    // Game A's stored screenshot sets the folder, which the next use without one keeps.
    kavrel.list()->setListIndex(0);
    kavrel.dialogs.cancelFile();
    kavrel.action(QStringLiteral("MnuBewerkenAfbeelding"))->trigger();
    QCOMPARE(kavrel.dialogs.last().request.initDir, folderOf(alphaShot));
    QCOMPARE(kavrel.dialogs.last().request.fileName, nameOf(alphaShot));
    kavrel.dialogs.cancelFile();
    kavrel.action(QStringLiteral("MnuBewerkenBeschrijving"))->trigger();
    QCOMPARE(kavrel.dialogs.last().request.initDir, folderOf(alphaShot));
    QCOMPARE(kavrel.dialogs.last().request.fileName, nameOf(alphaShot));
    VERIFY_DIALOGS(kavrel.dialogs);

    QCOMPARE(window.games()[2].GBmp, first);
    QCOMPARE(window.games()[2].GText, second);
    QCOMPARE(window.games()[1].GText, QString());
    QCOMPARE(kavrel.onDisk(QStringLiteral("Game0002"), QStringLiteral("GBmp")), first);
    QCOMPARE(kavrel.onDisk(QStringLiteral("Game0002"), QStringLiteral("GText")), second);
}

void ScreenshotAndDescriptionTest::fileInTheRootPresetsAnEmptyFolder() {
    // A file in the root of a drive ("D:\pic.bmp") or of the file system ("/pic.bmp"): the
    // folder is the root without its separator.
    const QString root = QDir::toNativeSeparators(QDir::rootPath());
    KavrelFixture kavrel;
    kavrel.seedGames({GameEntry{QStringLiteral("pa"), root + QStringLiteral("pic.bmp"),
                                root + QStringLiteral("readme.txt"), QStringLiteral("A"), true}});
    kavrel.start();

    kavrel.dialogs.cancelFile();
    kavrel.action(QStringLiteral("MnuBewerkenAfbeelding"))->trigger();
    QCOMPARE(kavrel.dialogs.last().request.initDir, root.chopped(1));
    QCOMPARE(kavrel.dialogs.last().request.fileName, QStringLiteral("pic.bmp"));
    kavrel.dialogs.cancelFile();
    kavrel.action(QStringLiteral("MnuBewerkenBeschrijving"))->trigger();
    QCOMPARE(kavrel.dialogs.last().request.initDir, root.chopped(1));
    QCOMPARE(kavrel.dialogs.last().request.fileName, QStringLiteral("readme.txt"));
    VERIFY_DIALOGS(kavrel.dialogs);
}

void ScreenshotAndDescriptionTest::helpTextDoubleClickChoosesDescription() {
    KavrelFixture kavrel;
    const QString text = kavrel.writeFile(QStringLiteral("about.txt"), "About A.");
    kavrel.seedGames({GameEntry{QStringLiteral("pa"), {}, {}, QStringLiteral("A"), true}});
    Hoofdscherm& window = kavrel.start();
    kavrel.action(QStringLiteral("MnuHelp"))->trigger();
    auto* rtb = kavrel.find<DescriptionBox>(QStringLiteral("RTB1"));
    QVERIFY(window.helpShown());
    QCOMPARE(kavrel.focused(), rtb);

    kavrel.dialogs.chooseFile(text);
    doubleClick(rtb->viewport());

    VERIFY_DIALOGS(kavrel.dialogs);
    QVERIFY(!window.helpShown());
    QCOMPARE(rtb->toPlainText(), QStringLiteral("About A."));
    QCOMPARE(rtb->toolTip(), QStringLiteral("Description of the current selected game"));
    QCOMPARE(kavrel.onDisk(QStringLiteral("Game0001"), QStringLiteral("GText")), text);
}

void ScreenshotAndDescriptionTest::removesScreenshotKeyOnly() {
    KavrelFixture kavrel;
    const QString shot = kavrel.writePicture(QStringLiteral("b.bmp"), QSize(4, 4), Qt::red, "BMP");
    const QString text = kavrel.writeFile(QStringLiteral("b.txt"), "About B.");
    kavrel.seedGames({GameEntry{QStringLiteral("pa"), QStringLiteral("ba"), QStringLiteral("ta"),
                                QStringLiteral("A"), true},
                      GameEntry{QStringLiteral("pb"), shot, text, QStringLiteral("B"), false}},
                     1);
    Hoofdscherm& window = kavrel.start();
    window.setWindowTitle(QStringLiteral("stale"));

    kavrel.action(QStringLiteral("mnu_remove_screenshot"))->trigger();

    QCOMPARE(window.games()[2].GBmp, QString());
    QCOMPARE(kavrel.onDisk(QStringLiteral("Game0002"), QStringLiteral("GBmp")), std::nullopt);
    for (const char* key : {"GPath", "GText", "GTitle", "GType"})
        QVERIFY2(kavrel.onDisk(QStringLiteral("Game0002"), QString::fromLatin1(key)).has_value(),
                 key);
    QCOMPARE(kavrel.onDisk(QStringLiteral("Game0001"), QStringLiteral("GBmp")),
             QStringLiteral("ba"));
    QCOMPARE(kavrel.find<PictureBox>(QStringLiteral("Picture1"))->picture(),
             QImage(kavrel.appFolder() + QStringLiteral("/Default.bmp")));
    QCOMPARE(kavrel.find<DescriptionBox>(QStringLiteral("RTB1"))->toPlainText(),
             QStringLiteral("About B."));
    // The game is selected again, which shows it in full.
    QCOMPARE(kavrel.list()->ListIndex(), 1);
    QCOMPARE(window.windowTitle(), QStringLiteral("Kavrel (Game 2 of 2)"));
    QCOMPARE(kavrel.focused(), kavrel.find<QWidget>(QStringLiteral("Picture1")));

    // Once more, with the key already gone: nothing else changes and nothing complains.
    const QByteArray before = kavrel.storeFileBytes();
    kavrel.action(QStringLiteral("mnu_remove_screenshot"))->trigger();
    QCOMPARE(kavrel.storeFileBytes(), before);
    VERIFY_DIALOGS(kavrel.dialogs);

    kavrel.restart();
    QCOMPARE(kavrel.window().games()[2].GBmp, QString());
    QCOMPARE(kavrel.window().games()[2].GText, text);
}

void ScreenshotAndDescriptionTest::removesDescriptionKeyOnly() {
    KavrelFixture kavrel;
    const QString shot = kavrel.writePicture(QStringLiteral("a.bmp"), QSize(4, 4), Qt::red, "BMP");
    const QString text = kavrel.writeFile(QStringLiteral("a.txt"), "About A.");
    kavrel.seedGames({GameEntry{QStringLiteral("pa"), shot, text, QStringLiteral("A"), true}});
    Hoofdscherm& window = kavrel.start();
    auto* rtb = kavrel.find<DescriptionBox>(QStringLiteral("RTB1"));

    kavrel.action(QStringLiteral("mnu_remove_description"))->trigger();

    QCOMPARE(window.games()[1].GText, QString());
    QCOMPARE(kavrel.onDisk(QStringLiteral("Game0001"), QStringLiteral("GText")), std::nullopt);
    QCOMPARE(kavrel.onDisk(QStringLiteral("Game0001"), QStringLiteral("GBmp")), shot);
    QCOMPARE(rtb->toPlainText(), QStringLiteral("No description available"));
    QCOMPARE(rtb->toolTip(), QStringLiteral("Description of the current selected game"));
    QCOMPARE(kavrel.find<PictureBox>(QStringLiteral("Picture1"))->picture().pixelColor(0, 0),
             QColor(Qt::red));
    VERIFY_DIALOGS(kavrel.dialogs);
}

QTEST_MAIN(ScreenshotAndDescriptionTest)
#include "tst_screenshotdescription.moc"
