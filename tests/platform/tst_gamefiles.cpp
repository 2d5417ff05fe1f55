// Files as old games ship them: texts of either code page with their symbols, frames and
// end-of-file mark, read by the loader the window uses and shown in the font they need; pictures
// of every format, up to the largest Kavrel takes, showing their top-left corner; and pickers
// that list the files games come with.
#include "KavrelFixture.h"
#include "platform/FileDialogRules.h"
#include "platform/PickerFilters.h"
#include "platform/PictureLoading.h"
#include "platform/TextLoading.h"

#include <QBuffer>
#include <QFontDatabase>
#include <QImageWriter>
#include <QtEndian>
#include <gif_lib.h>
#include <png.h>

constexpr int Refused = -1, BoxFont = 0, DosFont = 1;
// The widest and tallest picture Kavrel shows.
constexpr int MaxSide = 16384;
const QRgb Red = qRgb(255, 0, 0), Blue = qRgb(0, 0, 255);

// A picture of red ground with blue pixels at its top-left corner and at the shown area's far
// corner, in two colours, so that even the largest stays small in memory.
static QImage markedPicture(QSize size) {
    QImage picture(size, QImage::Format_Mono);
    picture.setColorTable({Red, Blue});
    picture.fill(0);
    const QSize shown = size.boundedTo(ShownPictureArea);
    picture.setPixel(0, 0, 1);
    picture.setPixel(shown.width() - 1, shown.height() - 1, 1);
    return picture;
}

// The same picture as a GIF, which Qt cannot write, its rows in the order an interlaced GIF
// keeps them.
static QString writeGif(const QString& path, QSize size, bool interlaced) {
    const QImage picture = markedPicture(size);
    GifColorType colours[] = {{255, 0, 0}, {0, 0, 255}};
    ColorMapObject* map = GifMakeMapObject(2, colours);
    GifFileType* gif = EGifOpenFileName(QFile::encodeName(path).constData(), false, nullptr);
    EGifPutScreenDesc(gif, size.width(), size.height(), 1, 0, map);
    EGifPutImageDesc(gif, 0, 0, size.width(), size.height(), interlaced, nullptr);
    QList<GifPixelType> row(size.width());
    for (const auto& [first, step] :
         interlaced ? QList<std::pair<int, int>>{{0, 8}, {4, 8}, {2, 4}, {1, 2}}
                    : QList<std::pair<int, int>>{{0, 1}})
        for (int y = first; y < size.height(); y += step) {
            for (int x = 0; x < size.width(); ++x)
                row[x] = GifPixelType(picture.pixelIndex(x, y));
            EGifPutLine(gif, row.data(), size.width());
        }
    EGifCloseFile(gif, nullptr);
    GifFreeMapObject(map);
    return path;
}

// An interlaced PNG in 8-bit grey: x + y in every pixel, as only libpng writes it.
static QString writeInterlacedPng(const QString& path, QSize size) {
    FILE* file = std::fopen(QFile::encodeName(path).constData(), "wb");
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    png_init_io(png, file);
    png_set_IHDR(png, info, png_uint_32(size.width()), png_uint_32(size.height()), 8,
                 PNG_COLOR_TYPE_GRAY, PNG_INTERLACE_ADAM7, 0, 0);
    png_write_info(png, info);
    QByteArray row(size.width(), '\0');
    for (int pass = png_set_interlace_handling(png); pass > 0; --pass)
        for (int y = 0; y < size.height(); ++y) {
            for (int x = 0; x < size.width(); ++x)
                row[x] = char(x + y);
            png_write_row(png, reinterpret_cast<png_const_bytep>(row.constData()));
        }
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    std::fclose(file);
    return path;
}

// A JPEG whose frame header claims another size than its data has, with its last scan repeated
// as often as asked.
static QByteArray jpegClaiming(QSize claimed, bool progressive, int repeats = 0) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "JPEG");
    writer.setProgressiveScanWrite(progressive);
    writer.write(markedPicture({40, 30}).convertToFormat(QImage::Format_RGB32));
    QByteArray bytes = buffer.data();
    const qsizetype frame = bytes.indexOf(progressive ? "\xFF\xC2" : "\xFF\xC0");
    qToBigEndian<quint16>(quint16(claimed.height()), bytes.data() + frame + 5);
    qToBigEndian<quint16>(quint16(claimed.width()), bytes.data() + frame + 7);
    const qsizetype lastScan = bytes.lastIndexOf("\xFF\xDA"), end = bytes.lastIndexOf("\xFF\xD9");
    return bytes.insert(end, bytes.mid(lastScan, end - lastScan).repeated(repeats));
}

// A 400 x 300 BMP compressed in runs of 8-bit colours: red and blue halves, and a blue pixel at
// the start of its top row, which is stored last.
static QByteArray runLengthBmp() {
    QByteArray runs;
    for (int y = 0; y < 300; ++y)
        runs += (y == 299 ? "\x01\x01\xC7\x00"_ba : "\xC8\x00"_ba) + "\xC8\x01\x00\x00"_ba;
    runs += "\x00\x01"_ba;
    QByteArray header(54, '\0');
    header.replace(0, 2, "BM");
    const auto put = [&](int at, quint32 value) {
        qToLittleEndian(value, header.data() + at);
    };
    for (const auto& [at, value] : {std::pair{2, 62 + runs.size()},
                                    {10, 62},
                                    {14, 40},
                                    {18, 400},
                                    {22, 300},
                                    {26, 1 | 8 << 16},
                                    {30, 1},
                                    {34, runs.size()}})
        put(at, quint32(value));
    return header + "\x00\x00\xFF\x00\xFF\x00\x00\x00"_ba + runs;
}

class GameFilesTest : public QObject {
    Q_OBJECT

    KavrelFixture files;

    void text(const char* name, const QByteArray& bytes, const QString& text, int font) {
        QTest::newRow(name) << bytes << text << font;
    }
    void picture(const char* name, const QString& path, QSize corner) {
        QTest::newRow(name) << path << corner;
    }
    QString saved(const char* name, QSize size, const char* format) {
        const QString path = files.path(QString::fromLatin1(name));
        markedPicture(size).save(path, format);
        return path;
    }

private Q_SLOTS:
    void textsReadAsTheirWritersMeantThem_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("font");
        const QString german = u"Drücken Sie F1 für Hilfe. Grüße aus Köln"_s;
        text("German, DOS",
             "Dr\x81"
             "cken Sie F1 f\x81r Hilfe. Gr\x81\xE1"
             "e aus K\x94ln",
             german, DosFont);
        text("German, Windows",
             "Dr\xFC"
             "cken Sie F1 f\xFCr Hilfe. Gr\xFC\xDF"
             "e aus K\xF6ln",
             german, BoxFont);
        text("German capitals, DOS",
             "\x8E"
             "rger mit \x99l und \x9A"
             "bel",
             u"Ärger mit Öl und Übel"_s, DosFont);
        text("German capitals, Windows",
             "GR\xD6\xDF"
             "E \xC4PFEL",
             u"GRÖßE ÄPFEL"_s, BoxFont);
        text("French, DOS",
             "\x90l\x8Ave: \x85 bient\x93t, \x82t\x82, \x87"
             "a",
             u"Élève: à bientôt, été, ça"_s, DosFont);
        text("French, Windows",
             "\xC9l\xE8ve \x97 \xAB"
             "d\xE9j\xE0 vu\xBB \x9Cuvre \x80",
             u"Élève — «déjà vu» œuvre €"_s, BoxFont);
        const QString spanish = u"¿Qué pasa? Mañana, señor. ¡Olé!"_s;
        text("Spanish, DOS",
             "\xA8Qu\x82 pasa? Ma\xA4"
             "ana, se\xA4or. \xADOl\x82!",
             spanish, DosFont);
        text("Spanish, Windows",
             "\xBFQu\xE9 pasa? Ma\xF1"
             "ana, se\xF1or. \xA1Ol\xE9!",
             spanish, BoxFont);
        text("frame", "\xC9\xCD\xCD\xCD\xBB\r\n\xBA Hi \xBA\r\n\xC8\xCD\xCD\xCD\xBC\r\n",
             u"╔═══╗\r\n║ Hi ║\r\n╚═══╝\r\n"_s, DosFont);
        text("table and shades", "\xDA\xC4\xC4\xC2\xC4\xC4\xBF\n\xB3 1\xB3 2\xB3 \xB0\xB1\xB2\xDB",
             u"┌──┬──┐\n│ 1│ 2│ ░▒▓█"_s, DosFont);
        text("menu symbols", "\x10 Option 1: press key 1\r\n"_ba.repeated(19),
             u"► Option 1: press key 1\r\n"_s.repeated(19), DosFont);
        text("every symbol",
             "\x01\x02\x03\x04\x05\x06\x07\x08\t\x0B\x0C\x0E\x0F\x10\x11\x12\x13"
             "\x14\x15\x16\x17\x18\x19\x1B\x1C\x1D\x1E\x1F\x7F are the symbols DOS draws in its "
             "texts",
             u"☺☻♥♦♣♠•◘\t♂♀♫☼►◄↕‼¶§▬↨↑↓←∟↔▲▼⌂ are the symbols DOS draws in its texts"_s, DosFont);
        // The text ends at the end-of-file mark, whatever follows it.
        text("end-of-file mark", "Fr\x81h\r\n\x1A\0\0\x1A\xFF", u"Früh\r\n"_s, DosFont);
        text("mark in plain ASCII", "Plain\x1A", u"Plain"_s, BoxFont);
        text("curly quotes", "\x93Quoted\x94 and \x93lower\x94 \x96 it\x92s done\x85",
             u"“Quoted” and “lower” – it’s done…"_s, BoxFont);
        text("Swedish, DOS", "Tryck p\x86 valfri tangent. Spelet \x84r gjort i Sverige.",
             u"Tryck på valfri tangent. Spelet är gjort i Sverige."_s, DosFont);
        text("symbols, DOS",
             "20\xF8"
             "C, \xF1"
             "5 units, \xAB price",
             u"20°C, ±5 units, ½ price"_s, DosFont);
        text("German quotes, Windows", "\x84Guten Tag\x93, sagte er. \x95 Punkt",
             u"„Guten Tag“, sagte er. • Punkt"_s, BoxFont);
        text("Latin-1",
             "Caf\xE9 cr\xE8me, na\xEFve, \xA9 1994, 20\xB0"
             "C",
             u"Café crème, naïve, © 1994, 20°C"_s, BoxFont);
        text("UTF-8",
             "Gr\xC3\xBC\xC3\x9F"
             "e \xE2\x95\x94\xE2\x95\x90",
             u"Grüße ╔═"_s, BoxFont);
        text("UTF-16", "\xFF\xFEK\0\xE5\0r\0e\0\x1A\0"_ba, u"Kåre\x1A"_s, BoxFont);
        // What no text file holds.
        text("NUL before the mark", "Text\0more\x1A"_ba, {}, Refused);
        text("mostly control codes", "\x01\x02\x03\x04\x05\x06 ab", {}, Refused);
        text("program", "MZ\x90\0\x03\0\0\0\x04\0\x1A"_ba, {}, Refused);
        text("PNG", fileBytes(saved("tiny.png", {2, 2}, "PNG")), {}, Refused);
    }

    void textsReadAsTheirWritersMeantThem() {
        QFETCH(QByteArray, bytes);
        const std::optional<DecodedText> loaded =
            LoadText(files.writeFile(QString::fromLatin1(QTest::currentDataTag()), bytes));
        QTEST(loaded ? loaded->text() : QString(), "text");
        QTEST(loaded ? int(loaded->isDosText()) : Refused, "font");
    }

    void picturesShowTheirTopLeftCorner_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QSize>("corner"); // none: the default picture stays
        const QSize small(40, 30), largest(MaxSide, MaxSide), tooWide(MaxSide + 1, 8);
        for (const char* format : {"PNG", "BMP"}) {
            const QByteArray name = format;
            picture(name + " small", saved(name + "-small", small, format), small);
            picture(name + " largest", saved(name + "-largest", largest, format), ShownPictureArea);
            picture(name + " too wide", saved(name + "-wide", tooWide, format), {});
        }
        picture("BMP in runs", files.writeFile(u"runs.bmp"_s, runLengthBmp()), ShownPictureArea);
        // Cut short inside its header: nothing to show, and nothing read beyond its bytes.
        for (const char* format : {"PNG", "BMP"}) {
            const QByteArray name = QByteArray(format) + " cut in its header";
            const QByteArray head = fileBytes(saved(name, small, format)).left(20);
            picture(name, files.writeFile(QString::fromLatin1(name) + u".cut"_s, head), {});
        }
        // Interlaced pictures are unpacked whole, and that only up to a size.
        picture("PNG interlaced, too many pixels",
                writeInterlacedPng(files.path(u"huge-interlaced.png"_s), {4000, 3001}), {});
        picture("GIF interlaced", writeGif(files.path(u"small.gif"_s), small, true), small);
        picture("GIF big", writeGif(files.path(u"big.gif"_s), {MaxSide, 2048}, false),
                ShownPictureArea);
        picture("GIF too wide", writeGif(files.path(u"wide.gif"_s), tooWide, false), {});
        picture("JPEG widest", saved("widest.jpg", {MaxSide, 600}, "JPEG"), ShownPictureArea);
        picture("JPEG progressive", files.writeFile(u"p.jpg"_s, jpegClaiming(small, true)), small);
        // 874 bytes that claim 30000 x 30000 would take seconds and gigabytes.
        picture("JPEG progressive, absurd size",
                files.writeFile(u"absurd.jpg"_s, jpegClaiming({30000, 30000}, true)), {});
        // Every scan passes over the whole picture: 500 of them cost seconds in a few kilobytes.
        picture("JPEG progressive, 500 scans",
                files.writeFile(u"scans.jpg"_s, jpegClaiming({2000, 2000}, true, 500)), {});
        picture("JPEG too wide", files.writeFile(u"wide.jpg"_s, jpegClaiming(tooWide, false)), {});
    }

    void picturesShowTheirTopLeftCorner() {
        QFETCH(QString, path);
        QFETCH(QSize, corner);
        const std::optional<QImage> shown = LoadPicture(path);
        QCOMPARE(shown ? shown->size() : QSize(), corner);
        if (!shown)
            return;
        const auto near = [](QRgb a, QRgb b) {
            return qAbs(qRed(a) - qRed(b)) + qAbs(qBlue(a) - qBlue(b)) < 160;
        };
        // JPEG blurs single pixels: there the ground alone is checked.
        QVERIFY(near(shown->pixel(corner.width() / 2, 1), Red));
        if (!path.endsWith(u".jpg"_s)) {
            QCOMPARE(shown->pixel(0, 0), Blue);
            QCOMPARE(shown->pixel(corner.width() - 1, corner.height() - 1), Blue);
        }
    }

    // Every kind of pixel the two formats store reads as Qt reads the whole picture: colour
    // tables with transparency, grey, 16 bits a channel, alpha, a single bit; a BMP stored top
    // row first; interlaced PNG and GIF.
    void everyKindOfPixelReadsAsQtReadsIt_data() {
        QTest::addColumn<QString>("path");
        QImage colours(40, 30, QImage::Format_ARGB32);
        for (int y = 0; y < 30; ++y)
            for (int x = 0; x < 40; ++x)
                colours.setPixel(x, y, qRgba(x * 6, y * 8, 255 - x * 6, x < 5 ? x * 50 : 255));
        const std::pair<const char*, QImage::Format> kinds[] = {
            {"PNG", QImage::Format_ARGB32},      {"PNG", QImage::Format_RGB32},
            {"PNG", QImage::Format_RGBA64},      {"PNG", QImage::Format_Grayscale8},
            {"PNG", QImage::Format_Grayscale16}, {"PNG", QImage::Format_Indexed8},
            {"PNG", QImage::Format_Mono},        {"BMP", QImage::Format_RGB32},
            {"BMP", QImage::Format_ARGB32},      {"BMP", QImage::Format_Indexed8},
            {"BMP", QImage::Format_Mono}};
        for (const auto& [format, kind] : kinds) {
            const QString name = u"%1-%2"_s.arg(QLatin1StringView(format)).arg(int(kind));
            colours.convertToFormat(kind).save(files.path(name), format);
            QTest::newRow(qPrintable(name)) << files.path(name);
        }
        // The same rows in the other order under a negative height.
        QByteArray bmp = fileBytes(files.path(u"BMP-%1"_s.arg(int(QImage::Format_RGB32))));
        const qsizetype start = qFromLittleEndian<quint32>(bmp.constData() + 10);
        const qsizetype stride = (bmp.size() - start) / 30;
        QByteArray rows;
        for (int y = 29; y >= 0; --y)
            rows += bmp.mid(start + y * stride, stride);
        qToLittleEndian<qint32>(-30, bmp.data() + 22);
        QTest::newRow("BMP top row first")
            << files.writeFile(u"topdown.bmp"_s, bmp.left(start) + rows);
        // An OS/2 picture, its sizes in a 12-byte header of 16-bit fields, as old paint programs
        // wrote them.
        QByteArray os2(26, '\0');
        os2[0] = 'B';
        os2[1] = 'M';
        qToLittleEndian<quint32>(26 + 40 * 3 * 30, os2.data() + 2);
        qToLittleEndian<quint32>(26, os2.data() + 10);
        qToLittleEndian<quint32>(12, os2.data() + 14);
        qToLittleEndian<quint16>(40, os2.data() + 18);
        qToLittleEndian<quint16>(30, os2.data() + 20);
        qToLittleEndian<quint16>(1, os2.data() + 22);
        qToLittleEndian<quint16>(24, os2.data() + 24);
        for (int y = 29; y >= 0; --y) {
            for (int x = 0; x < 40; ++x) {
                const QRgb colour = colours.pixel(x, y);
                os2.append(char(qBlue(colour)))
                    .append(char(qGreen(colour)))
                    .append(char(qRed(colour)));
            }
        }
        QTest::newRow("BMP of OS/2") << files.writeFile(u"os2.bmp"_s, os2);
        QTest::newRow("PNG interlaced")
            << writeInterlacedPng(files.path(u"interlaced.png"_s), {40, 30});
        for (const bool interlaced : {false, true})
            QTest::newRow(interlaced ? "GIF interlaced" : "GIF")
                << writeGif(files.path(u"%1.gif"_s.arg(interlaced)), {40, 30}, interlaced);
    }

    void everyKindOfPixelReadsAsQtReadsIt() {
        QFETCH(QString, path);
        const std::optional<QImage> shown = LoadPicture(path);
        const QImage whole(path);
        QVERIFY(shown && !whole.isNull());
        QCOMPARE(shown->convertToFormat(QImage::Format_ARGB32),
                 whole.convertToFormat(QImage::Format_ARGB32));
    }

    void picturesAreFoundByTheirContent() {
        // The corner reader is chosen by the bytes, not the name; the picker's patterns take
        // the names games use.
        const std::optional<QImage> gif =
            LoadPicture(writeGif(files.path(u"SHOT.BMP"_s), {8, 8}, false));
        QCOMPARE(gif ? gif->size() : QSize(), QSize(8, 8));
        QCOMPARE(
            nameFilters(PickerFilters::Screenshot),
            QStringList({u"Screenshot (*.bmp *.gif *.jpg *.png *.jpeg)"_s, u"All files (*)"_s}));
        QCOMPARE(nameFilters(PickerFilters::Description),
                 QStringList({u"Description (*.txt *.diz *.nfo *.doc *.me *.1st *.asc)"_s,
                              u"All files (*)"_s}));
    }

    void dosTextsShowInTheFixedPitchFont() {
        KavrelFixture kavrel;
        const QString framed = kavrel.writeFile(u"GAME/README.DOC"_s, "\xC9\xCD\xBB\r\n\x1A");
        const QString windows = kavrel.writeFile(u"GAME/ABOUT.TXT"_s, "Caf\xE9");
        const QString menu = kavrel.writeFile(u"GAME/FILE_ID.DIZ"_s, "\x10 Option 1\r\n");
        kavrel.seedGames({{.GPath = u"GAME.EXE"_s, .GText = framed, .GTitle = u"Game"_s}});
        kavrel.start();
        DescriptionBox* box = kavrel.find<DescriptionBox>(u"RTB1"_s);
        const QFont boxFont = box->font();
        const auto shown = [&] {
            const QFont font = box->document()->defaultFont();
            const bool fixed =
                font.family() == QFontDatabase::systemFont(QFontDatabase::FixedFont).family() &&
                font.pointSizeF() == boxFont.pointSizeF();
            return box->toPlainText() + (fixed             ? u" fixed"_s
                                         : font == boxFont ? u" box"_s
                                                           : u"?"_s);
        };
        QCOMPARE(shown(), u"╔═╗\n fixed"_s);
        kavrel.action(u"MnuHelp"_s)->trigger();
        QVERIFY(shown().endsWith(u" box"_s));
        // Change > Description takes a text of DOS symbols, and a text in Windows-1252 reads in
        // the box's font.
        kavrel.dialogs.chooseFile(menu);
        kavrel.action(u"MnuBewerkenBeschrijving"_s)->trigger();
        QCOMPARE(shown(), u"► Option 1\n fixed"_s);
        QCOMPARE(kavrel.storedGame(1).GText, menu);
        kavrel.dialogs.chooseFile(windows);
        kavrel.action(u"MnuBewerkenBeschrijving"_s)->trigger();
        QCOMPARE(shown(), u"Café box"_s);
        kavrel.action(u"mnu_remove_description"_s)->trigger();
        QCOMPARE(shown(), u"No description available box"_s);
        // Change > Screenshot takes a picture too big to decode whole and shows its corner.
        const QString big = kavrel.path(u"GAME/TITLE.PNG"_s);
        markedPicture({4000, 3000}).save(big, "PNG");
        kavrel.dialogs.chooseFile(big);
        kavrel.action(u"MnuBewerkenAfbeelding"_s)->trigger();
        const QImage picture = kavrel.find<PictureBox>(u"Picture1"_s)->picture();
        QCOMPARE(picture.size(), ShownPictureArea);
        QCOMPARE(picture.pixel(319, 199), Blue);
        QCOMPARE(kavrel.storedGame(1).GBmp, big);
        VERIFY_DIALOGS(kavrel.dialogs);
    }
};

QTEST_MAIN(GameFilesTest)
#include "tst_gamefiles.moc"
