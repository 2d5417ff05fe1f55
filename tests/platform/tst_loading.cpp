// Pictures and texts as the window loads them from the user's files.
#include "PictureFiles.h"
#include "platform/PictureLoading.h"
#include "platform/TextLoading.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class LoadingTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void picturesAreRecognisedByTheirContent();
    void whatIsNoPictureGivesNothing();
    void textsDecodeAsUtf8OrTheEightBitCodePage();
    void unreadableTextsGiveNothing();

private:
    QString write(const QString& name, const QByteArray& bytes);
    QTemporaryDir folder;
};

QString LoadingTest::write(const QString& name, const QByteArray& bytes) {
    QFile file(folder.filePath(name));
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
    return file.fileName();
}

void LoadingTest::picturesAreRecognisedByTheirContent() {
    const QSize size(40, 30);
    // Each format also under a name that claims another one.
    for (const char* format : {"BMP", "GIF", "JPEG"}) {
        const QString name =
            folder.filePath(QStringLiteral("shot-%1.txt").arg(QLatin1String(format)));
        QVERIFY(writePicture(name, size, QColor(10, 200, 30), format));
        const std::optional<QImage> loaded = LoadPicture(name);
        QVERIFY2(loaded, format);
        QCOMPARE(loaded->size(), QSize(40, 30));
        const QColor centre = loaded->pixelColor(20, 15);
        QVERIFY2(qAbs(centre.green() - 200) < 8 && centre.red() < 24, format);
    }
}

void LoadingTest::whatIsNoPictureGivesNothing() {
    QCOMPARE(LoadPicture(folder.filePath(QStringLiteral("missing.bmp"))), std::nullopt);
    QCOMPARE(LoadPicture(write(QStringLiteral("text.bmp"), "just some words")), std::nullopt);
    QCOMPARE(LoadPicture(write(QStringLiteral("empty.gif"), QByteArray())), std::nullopt);
    // A truncated BMP: the right header, no pixels.
    QImage source(64, 64, QImage::Format_RGB32);
    source.fill(Qt::red);
    const QString whole = folder.filePath(QStringLiteral("whole.bmp"));
    QVERIFY(source.save(whole, "BMP"));
    QFile file(whole);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(LoadPicture(write(QStringLiteral("cut.bmp"), file.read(20))), std::nullopt);
    // Pictures of other kinds are no screenshots.
    QVERIFY(source.save(folder.filePath(QStringLiteral("shot.png")), "PNG"));
    QCOMPARE(LoadPicture(folder.filePath(QStringLiteral("shot.png"))), std::nullopt);
    QCOMPARE(LoadPicture(folder.path()), std::nullopt);
}

void LoadingTest::textsDecodeAsUtf8OrTheEightBitCodePage() {
    const QString utf8 = QStringLiteral("Kåre – naïve ✓\r\nline two");
    QCOMPARE(LoadFile(write(QStringLiteral("plain.txt"), utf8.toUtf8())), utf8);
    QCOMPARE(LoadFile(write(QStringLiteral("bom.txt"), "\xEF\xBB\xBF" + utf8.toUtf8())), utf8);
    QCOMPARE(LoadFile(write(QStringLiteral("empty.txt"), QByteArray())), QString());
    // An RTF file shows its markup.
    QCOMPARE(LoadFile(write(QStringLiteral("about.rtf"), "{\\rtf1 Hello}")),
             QStringLiteral("{\\rtf1 Hello}"));
#ifndef Q_OS_WIN
    // Bytes that are no UTF-8 read as Windows-1252: é, the euro sign, curly quotes, ÿ.
    QCOMPARE(LoadFile(write(QStringLiteral("dos.txt"), "caf\xE9 \x80 \x93\x94 \xFF")),
             QStringLiteral("café € “” ÿ"));
#endif
}

void LoadingTest::unreadableTextsGiveNothing() {
    QCOMPARE(LoadFile(folder.filePath(QStringLiteral("missing.txt"))), std::nullopt);
    QCOMPARE(LoadFile(folder.path()), std::nullopt);
}

QTEST_GUILESS_MAIN(LoadingTest)
#include "tst_loading.moc"
