#include "shelf/DroppedFiles.h"

#include "platform/PictureLoading.h"
#include "platform/TextLoading.h"
#include "shelf/ProgramChoice.h"

#include <QDir>
#include <QFileInfo>

namespace DroppedFiles {

Plan plan(const QList<QUrl>& dropped, Place place, bool gameSelected) {
    QStringList paths;
    int folders = 0;
    int programs = 0;
    for (const QUrl& url : dropped) {
        if (!url.isLocalFile())
            return {};
        const QFileInfo item(url.toLocalFile());
        if (item.isDir())
            ++folders;
        else if (item.isFile() && ProgramChoice::isProgramName(item.fileName()))
            ++programs;
        paths.append(QDir::toNativeSeparators(item.absoluteFilePath()));
    }
    const int count = int(paths.size());
    if (count == 0)
        return {};
    if (folders + programs == count)
        return {count == 1 && programs == 1 ? Action::AddProgram : Action::AddShelf, paths};
    if (count > 1 || folders + programs > 0 || !gameSelected)
        return {};
    if (place == Place::Screenshot && LoadPicture(paths[0]))
        return {Action::ChangeScreenshot, paths};
    if (place == Place::Description && LoadFile(paths[0]))
        return {Action::ChangeDescription, paths};
    return {};
}

} // namespace DroppedFiles
