// Showing a huge screenshot beside its floor, showing a 320 x 200 one of the same format, in
// turns in the same run. One line per format: NAME kavrel_ms floor_ms ratio (medians), then the
// program's peak memory.
// Run by hand: build/default/bench/bench_pictures [part of the measures' names]
#include "Timing.h"
#include "platform/PictureLoading.h"

#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <gif_lib.h>
#include <png.h>
#ifdef Q_OS_UNIX
#include <sys/resource.h>
#endif

namespace {

QTemporaryDir workFolder;
QString only;

// A picture with something in every pixel, so that no format can skip over plain runs.
unsigned char shade(int x, int y, int channel) {
    return static_cast<unsigned char>((x * (channel + 1) + y * (3 - channel) + (x ^ y)) & 0xFF);
}

QString writePng(QSize size) {
    const QString path = workFolder.filePath(QStringLiteral("%1.png").arg(size.width()));
    FILE* file = std::fopen(QFile::encodeName(path).constData(), "wb");
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    png_init_io(png, file);
    png_set_compression_level(png, 1);
    png_set_IHDR(png, info, size.width(), size.height(), 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    std::vector<unsigned char> row(size_t(size.width()) * 3);
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x)
            for (int c = 0; c < 3; ++c)
                row[size_t(x) * 3 + c] = shade(x, y, c);
        png_write_row(png, row.data());
    }
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    std::fclose(file);
    return path;
}

QString writeBmp(QSize size) {
    const QString path = workFolder.filePath(QStringLiteral("%1.bmp").arg(size.width()));
    const quint32 stride = (quint32(size.width()) * 3 + 3) / 4 * 4;
    const quint32 pixels = stride * quint32(size.height());
    QByteArray header(54, '\0');
    header[0] = 'B';
    header[1] = 'M';
    const auto put = [&](int at, quint32 value) {
        for (int i = 0; i < 4; ++i)
            header[at + i] = char(value >> (8 * i));
    };
    put(2, 54 + pixels);
    put(10, 54);
    put(14, 40);
    put(18, quint32(size.width()));
    put(22, quint32(size.height()));
    put(26, 1 | 24 << 16);
    put(34, pixels);
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(header);
    QByteArray row(stride, '\0');
    for (int y = size.height() - 1; y >= 0; --y) {
        for (int x = 0; x < size.width(); ++x)
            for (int c = 0; c < 3; ++c)
                row[x * 3 + c] = char(shade(x, y, c));
        file.write(row);
    }
    return path;
}

QString writeGif(QSize size) {
    const QString path = workFolder.filePath(QStringLiteral("%1.gif").arg(size.width()));
    std::vector<GifColorType> colours(256);
    for (int i = 0; i < 256; ++i)
        colours[i] = {GifByteType(i), GifByteType(255 - i), GifByteType(i * 7)};
    ColorMapObject* map = GifMakeMapObject(256, colours.data());
    GifFileType* gif = EGifOpenFileName(QFile::encodeName(path).constData(), false, nullptr);
    EGifPutScreenDesc(gif, size.width(), size.height(), 8, 0, map);
    EGifPutImageDesc(gif, 0, 0, size.width(), size.height(), false, nullptr);
    std::vector<GifPixelType> row(size_t(size.width()));
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x)
            row[size_t(x)] = shade(x, y, 1);
        EGifPutLine(gif, row.data(), size.width());
    }
    EGifCloseFile(gif, nullptr);
    GifFreeMapObject(map);
    return path;
}

void measure(const QString& name, QString (*write)(QSize)) {
    if (!name.contains(only))
        return;
    const QString big = write({16000, 12000});
    const QString small = write({320, 200});
    std::vector<double> kavrel;
    std::vector<double> floor;
    bool shown = true;
    for (int round = 0; round < 21; ++round) {
        kavrel.push_back(millisecondsOf([&] { shown = shown && LoadPicture(big).has_value(); }));
        floor.push_back(millisecondsOf([&] { shown = shown && LoadPicture(small).has_value(); }));
    }
    QFile::remove(big);
    const double k = median(kavrel);
    const double f = median(floor);
    std::printf("%s %.2f %.2f %.2f%s\n", qPrintable(name), k, f, k / f,
                shown ? "" : " (NOT SHOWN)");
    std::fflush(stdout);
}

} // namespace

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc > 1)
        only = QString::fromLocal8Bit(argv[1]);
    std::printf("# NAME kavrel_ms floor_ms ratio (medians of 21)\n");
    measure(QStringLiteral("picture_png_16000x12000"), writePng);
    measure(QStringLiteral("picture_bmp_16000x12000"), writeBmp);
    measure(QStringLiteral("picture_gif_16000x12000"), writeGif);
#ifdef Q_OS_UNIX
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("# peak memory %ld MB\n", usage.ru_maxrss / 1024);
#endif
    return 0;
}
