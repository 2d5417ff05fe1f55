// Pictures and texts as the window loads them from the user's files.
#include "PictureFiles.h"
#include "platform/PictureLoading.h"
#include "platform/TextLoading.h"

#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>

using namespace Qt::StringLiterals;
using Text = std::optional<QString>;

class LoadingTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void pictures_data();
    void pictures();
    void texts_data();
    void texts();

private:
    QString write(const char* name, const QByteArray& bytes) {
        QFile file(folder.filePath(QLatin1StringView(name)));
        const bool written = file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
        return written ? file.fileName() : QString();
    }
    void textRow(const char* name, const QByteArray& bytes, const Text& shown) {
        QTest::newRow(name) << write(name, bytes) << shown;
    }
    // A missing file, a folder, a FIFO that nobody writes (opening it would wait for ever) and a
    // device that never ends.
    QStringList specialFiles() {
        ::mkfifo(QFile::encodeName(folder.filePath(u"fifo"_s)).constData(), 0600);
        return {folder.filePath(u"missing"_s), folder.path(), folder.filePath(u"fifo"_s),
                u"/dev/zero"_s};
    }
    QTemporaryDir folder;
};

void LoadingTest::pictures_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QSize>("shown"); // none: no picture
    // Each format under a name that claims another one; of a huge one only the shown corner.
    for (const char* format : {"BMP", "GIF", "JPEG", "PNG", "8000x8000 JPEG"}) {
        const QSize size = format[0] == '8' ? QSize(8000, 8000) : QSize(40, 30);
        const QString path = folder.filePath(u"shot %1.txt"_s.arg(size.width()));
        QVERIFY(writePicture(path, size, QColor(10, 200, 30), format[0] == '8' ? "JPEG" : format));
        QTest::newRow(format) << path << size.boundedTo({320, 200});
    }
    QTest::newRow("words") << write("words.bmp", "just some words") << QSize();
    QTest::newRow("empty") << write("empty.gif", {}) << QSize();
    for (const QString& special : specialFiles())
        QTest::newRow(qPrintable(special)) << special << QSize();
}

void LoadingTest::pictures() {
    QFETCH(QString, path);
    QFETCH(QSize, shown);
    const std::optional<QImage> loaded = LoadPicture(path);
    QCOMPARE(loaded ? loaded->size() : QSize(), shown);
    if (loaded)
        QVERIFY(qAbs(loaded->pixelColor(10, 10).green() - 200) < 8);
}

void LoadingTest::texts_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<Text>("shown"); // nothing: no text
    const QString text = u"Kåre – naïve ✓\r\nline two"_s;
    textRow("UTF-8", text.toUtf8(), text);
    textRow("UTF-8 with BOM", "\xEF\xBB\xBF" + text.toUtf8(), text);
    textRow("UTF-16 with BOM",
            QStringEncoder(QStringEncoder::Utf16LE, QStringEncoder::Flag::WriteBom)(text), text);
    textRow("empty", {}, QString());
    textRow("tabs, form feed, DOS end mark", "a\tb\f\r\n\x1A", u"a\tb\f\r\n\x1A"_s);
    textRow("DOS frame", "\xC9\xCD\xCD\xBB\r\n\xC8\xCD\xCD\xBC", u"╔══╗\r\n╚══╝"_s);
    textRow("DOS blocks and letters", "\xB0\xB1\xB2 f\x81r", u"░▒▓ für"_s);
#ifndef Q_OS_WIN
    textRow("German", "Gr\xF6\337e, \xC4pfel, GR\xD6\337E", u"Größe, Äpfel, GRÖßE"_s);
    textRow("French", "\xC9l\xE8ve \x97 \253d\xE9j\xE0 vu\xBB, \x9Cuvre \x80",
            u"Élève — «déjà vu», œuvre €"_s);
#endif
    // A description shows its first mebibyte, without a letter cut in two.
    const QByteArray most(1 << 20, 'a');
    const QString note = u"\n\n[The rest of this file, beyond its first 1 MiB, is not shown.]"_s;
    textRow("1 MiB", most, QString::fromLatin1(most));
    textRow("longer", most + "b", QString::fromLatin1(most) + note);
    textRow("cut in a letter", most.chopped(1) + "\xC3\xA9",
            QString::fromLatin1(most.chopped(1)) + note);
    textRow("NUL", "MZ\x90\0\x03"_ba, std::nullopt);
    textRow("control codes", "\x01\x02\x03\x04 abc", std::nullopt);
    textRow("a portable bitmap", "P1\n2 2\n1 0 0 1\n", std::nullopt);
    for (const QString& special : specialFiles())
        QTest::newRow(qPrintable(special)) << special << Text();
}

void LoadingTest::texts() {
    QFETCH(QString, path);
    QFETCH(Text, shown);
    QCOMPARE(LoadFile(path), shown);
}

QTEST_GUILESS_MAIN(LoadingTest)
#include "tst_loading.moc"
