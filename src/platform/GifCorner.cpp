// GIF: Qt's reader builds the whole picture before it can cut a corner from it. giflib hands
// over one row at a time: a picture stored row after row is unpacked up to the corner's last
// row; an interlaced one comes in four passes, of which the first three run through the whole
// picture, and the last is followed up to the corner's last row; that is afforded only up to
// InterlacedPixelsLimit. Only the first frame shows.
#include "platform/PictureCorners.h"

#include <QList>
#include <gif_lib.h>
#include <memory>

namespace {

// Pixels of an interlaced picture, half of which are unpacked before the corner is complete:
// 8000 x 8000 took 0.3 s here.
constexpr qint64 InterlacedPixelsLimit = 64'000'000;

int readFromDevice(GifFileType* gif, GifByteType* data, int length) {
    return int(static_cast<QIODevice*>(gif->UserData)->read(reinterpret_cast<char*>(data), length));
}

struct GifCloser {
    void operator()(GifFileType* gif) const {
        int error = 0;
        DGifCloseFile(gif, &error);
    }
};
using GifFile = std::unique_ptr<GifFileType, GifCloser>;

// The colour index that a graphic control block marks as transparent, or -1.
int transparentIndex(GifByteType* block) {
    return block && block[0] >= 4 && (block[1] & 1) ? block[4] : -1;
}

// Moves to the first frame's rows; gives its transparent colour index or -1. False when the
// file ends or is damaged first.
bool findFirstFrame(GifFileType* gif, int& transparent) {
    transparent = -1;
    for (;;) {
        GifRecordType record = UNDEFINED_RECORD_TYPE;
        if (DGifGetRecordType(gif, &record) != GIF_OK || record == TERMINATE_RECORD_TYPE)
            return false;
        if (record == IMAGE_DESC_RECORD_TYPE)
            return DGifGetImageDesc(gif) == GIF_OK;
        if (record == EXTENSION_RECORD_TYPE) {
            int code = 0;
            GifByteType* block = nullptr;
            if (DGifGetExtension(gif, &code, &block) != GIF_OK)
                return false;
            if (code == GRAPHICS_EXT_FUNC_CODE)
                transparent = transparentIndex(block);
            while (block)
                if (DGifGetExtensionNext(gif, &block) != GIF_OK)
                    return false;
        }
    }
}

QList<QRgb> coloursOf(const ColorMapObject* map, int transparent) {
    QList<QRgb> colours(256, qRgb(0, 0, 0));
    for (int i = 0; map && i < std::min(map->ColorCount, 256); ++i)
        colours[i] = qRgb(map->Colors[i].Red, map->Colors[i].Green, map->Colors[i].Blue);
    if (transparent >= 0)
        colours[transparent] = qRgba(0, 0, 0, 0);
    return colours;
}

} // namespace

std::optional<QImage> gifCorner(QIODevice& file, QSize area) {
    int error = 0;
    const GifFile gif(DGifOpen(&file, readFromDevice, &error));
    int transparent = -1;
    if (!gif || !findFirstFrame(gif.get(), transparent))
        return std::nullopt;
    const GifImageDesc& frame = gif->Image;
    // A screen of no size is the frame's own.
    const QSize screen = gif->SWidth > 0 && gif->SHeight > 0
                             ? QSize(gif->SWidth, gif->SHeight)
                             : QSize(frame.Left + frame.Width, frame.Top + frame.Height);
    const bool sized = screen.width() <= MaxPictureSide && screen.height() <= MaxPictureSide &&
                       frame.Width > 0 && frame.Width <= MaxPictureSide && frame.Height > 0;
    if (!sized || (frame.Interlace && qint64(frame.Width) * frame.Height > InterlacedPixelsLimit))
        return std::nullopt;
    const ColorMapObject* map = frame.ColorMap ? frame.ColorMap : gif->SColorMap;
    if (!map)
        return std::nullopt;
    const QList<QRgb> colours = coloursOf(map, transparent);

    // Where the frame does not cover the screen, the picture is transparent.
    QImage corner(screen.boundedTo(area), QImage::Format_ARGB32);
    corner.fill(Qt::transparent);
    QList<GifPixelType> row(frame.Width);
    const auto keep = [&](int y) {
        const int shownY = frame.Top + y;
        if (shownY >= corner.height())
            return;
        auto* line = reinterpret_cast<QRgb*>(corner.scanLine(shownY));
        for (int x = 0; x < frame.Width && frame.Left + x < corner.width(); ++x)
            line[frame.Left + x] = colours[row[x]];
    };
    const int lastShownRow = corner.height() - 1 - frame.Top;
    struct Pass {
        int first, step;
    };
    const QList<Pass> passes =
        frame.Interlace ? QList<Pass>{{0, 8}, {4, 8}, {2, 4}, {1, 2}} : QList<Pass>{{0, 1}};
    for (qsizetype pass = 0; pass < passes.size(); ++pass) {
        const bool last = pass == passes.size() - 1;
        for (int y = passes[pass].first; y < frame.Height; y += passes[pass].step) {
            if (last && y > lastShownRow)
                break;
            if (DGifGetLine(gif.get(), row.data(), frame.Width) != GIF_OK)
                return std::nullopt;
            keep(y);
        }
    }
    return corner;
}
