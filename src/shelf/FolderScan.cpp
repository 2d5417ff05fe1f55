#include "shelf/FolderScan.h"

#include "platform/PictureLoading.h"
#include "platform/TextLoading.h"
#include "shelf/ProgramChoice.h"
#include "shelf/ProgramType.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <algorithm>

namespace {

const QStringList PictureSuffixes = {
    QStringLiteral("bmp"),  QStringLiteral("gif"),  QStringLiteral("jpg"), QStringLiteral("jpeg"),
    QStringLiteral("png"),  QStringLiteral("pcx"),  QStringLiteral("tga"), QStringLiteral("tif"),
    QStringLiteral("tiff"), QStringLiteral("webp"), QStringLiteral("lbm"), QStringLiteral("iff")};

// Where a file stands among the texts tried as a description; -1: not tried.
int descriptionRank(const QFileInfo& file) {
    const QString name = file.fileName().toUpper();
    const QString suffix = file.suffix().toUpper();
    if (name == u"README" || name.startsWith(u"README."))
        return 0;
    if (name == u"READ.ME")
        return 1;
    if (name == u"FILE_ID.DIZ")
        return 2;
    if (suffix == u"TXT")
        return 3;
    if (suffix == u"NFO")
        return 4;
    return -1;
}

QFileInfoList filesOf(const QString& folder) {
    return QDir(folder).entryInfoList(QDir::Files | QDir::Hidden, QDir::Name | QDir::IgnoreCase);
}

QString native(const QFileInfo& file) {
    return QDir::toNativeSeparators(file.absoluteFilePath());
}

bool isPicture(const QFileInfo& file) {
    return PictureSuffixes.contains(file.suffix().toLower());
}

void collectPictures(const QFileInfoList& files, QFileInfoList& pictures) {
    for (const QFileInfo& file : files)
        if (isPicture(file))
            pictures.append(file);
}

// Fills in everything but the program, its type and the title.
GameProposal proposalOfFolder(const QString& folder) {
    GameProposal game;
    game.folder = QDir::toNativeSeparators(QDir::cleanPath(folder));
    const QFileInfoList files = filesOf(folder);
    QFileInfoList pictures;
    QList<std::pair<int, QFileInfo>> texts;
    for (const QFileInfo& file : files) {
        if (ProgramChoice::isProgramName(file.fileName()))
            game.programs.append(native(file));
        else if (const int rank = descriptionRank(file); rank >= 0)
            texts.append({rank, file});
    }
    collectPictures(files, pictures);
    for (const QFileInfo& sub : QDir(folder).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QString name = sub.fileName().toLower();
        if (name == u"capture" || name == u"captures")
            collectPictures(filesOf(sub.absoluteFilePath()), pictures);
    }
    std::stable_sort(pictures.begin(), pictures.end(), [](const QFileInfo& a, const QFileInfo& b) {
        return a.lastModified() > b.lastModified();
    });
    for (const QFileInfo& picture : pictures)
        game.screenshots.append(native(picture));
    std::stable_sort(texts.begin(), texts.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (const auto& text : texts)
        game.descriptions.append(native(text.second));

    const auto shown = std::find_if(game.screenshots.begin(), game.screenshots.end(),
                                    [](const QString& path) { return LoadPicture(path); });
    if (shown != game.screenshots.end())
        game.screenshot = *shown;
    const auto read = std::find_if(game.descriptions.begin(), game.descriptions.end(),
                                   [](const QString& path) { return LoadFile(path); });
    if (read != game.descriptions.end())
        game.description = *read;
    return game;
}

} // namespace

GameProposal FolderScan::proposeFolder(const QString& folder) {
    GameProposal game = proposalOfFolder(folder);
    game.title = QFileInfo(QDir::cleanPath(folder)).fileName();
    game.program = ProgramChoice::choose(game.programs, game.title);
    game.dos = !isWindowsProgram(game.program);
    if (game.title.isEmpty())
        game.title = QFileInfo(game.program).completeBaseName();
    return game;
}

GameProposal FolderScan::proposeProgram(const QString& program) {
    const QFileInfo file(program);
    GameProposal game = proposalOfFolder(file.absolutePath());
    game.program = native(file);
    game.wholeFolder = false;
    if (!game.programs.contains(game.program))
        game.programs.prepend(game.program);
    game.dos = !isWindowsProgram(game.program);
    game.title = file.completeBaseName();
    return game;
}

bool FolderScan::report(int done, int total) {
    if (!wasStopped && progress && !progress(done, total))
        wasStopped = true;
    return !wasStopped;
}

void FolderScan::findGameFolders(const QString& folder, int depth, QStringList& found) {
    if (!report(0, 0))
        return;
    // A folder reached twice through links is looked through once.
    const QString canonical = QFileInfo(folder).canonicalFilePath();
    if (canonical.isEmpty() || visited.contains(canonical))
        return;
    visited.insert(canonical);
    const QDir dir(folder);
    const QFileInfoList files = dir.entryInfoList(QDir::Files | QDir::Hidden);
    const bool holdsPrograms = std::any_of(files.begin(), files.end(), [](const QFileInfo& f) {
        return ProgramChoice::isProgramName(f.fileName());
    });
    if (holdsPrograms)
        found.append(folder);
    if ((holdsPrograms && depth > 0) || depth >= Depth)
        return;
    for (const QFileInfo& sub : dir.entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot))
        findGameFolders(sub.absoluteFilePath(), depth + 1, found);
}

QList<GameProposal> FolderScan::scan(const QStringList& foldersAndPrograms) {
    QStringList folders;
    QStringList programs;
    for (const QString& path : foldersAndPrograms) {
        const QFileInfo item(path);
        if (item.isDir())
            findGameFolders(item.absoluteFilePath(), 0, folders);
        else if (item.isFile() && ProgramChoice::isProgramName(item.fileName()))
            programs.append(item.absoluteFilePath());
    }
    // Case aside, by character code: the same order in every locale.
    const auto inOrder = [](const QString& a, const QString& b) {
        return QString::compare(a, b, Qt::CaseInsensitive) < 0;
    };
    std::sort(folders.begin(), folders.end(), inOrder);
    std::sort(programs.begin(), programs.end(), inOrder);

    QList<GameProposal> games;
    const int total = int(folders.size() + programs.size());
    for (const QString& folder : folders) {
        if (!report(int(games.size()), total))
            return {};
        games.append(proposeFolder(folder));
    }
    for (const QString& program : programs) {
        if (!report(int(games.size()), total))
            return {};
        games.append(proposeProgram(program));
    }
    report(total, total);
    return wasStopped ? QList<GameProposal>() : games;
}
