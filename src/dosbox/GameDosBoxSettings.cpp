#include "dosbox/GameDosBoxSettings.h"

#include "platform/SettingsStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <algorithm>

namespace {

int gamesNaming(const QString& path, const GameTable& games) {
    return int(std::count_if(games.begin(), games.end(),
                             [&](const GameEntry& game) { return game.GConf == path; }));
}

// The title as a file name: letters, digits and a few marks kept, the rest "_".
QString fileNameFor(const QString& title) {
    QString name = title.left(60);
    for (QChar& c : name) {
        if (!c.isLetterOrNumber() && !QStringLiteral(" -_.()").contains(c))
            c = u'_';
    }
    name = name.trimmed();
    while (name.startsWith(u'.'))
        name.remove(0, 1);
    return name.isEmpty() ? QStringLiteral("game") : name;
}

QString newOwnFile(const QString& folder, const QString& title) {
    const QString base = folder + u'/' + fileNameFor(title);
    QString path = base + QStringLiteral(".conf");
    for (int k = 2; QFileInfo::exists(path); ++k)
        path = base + QStringLiteral(" %1.conf").arg(k);
    return QDir::toNativeSeparators(path);
}

bool writeText(const QString& path, const QString& text) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(text.endsWith(u'\n') ? text.toUtf8() : (text + u'\n').toUtf8());
    return file.commit();
}

} // namespace

QString ownDosBoxFolder(const SettingsStore& store) {
#ifdef Q_OS_WIN
    Q_UNUSED(store);
    return QDir::toNativeSeparators(
        QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
        QStringLiteral("/Kavrel/dosbox"));
#else
    return QDir::toNativeSeparators(QFileInfo(store.location()).absolutePath() +
                                    QStringLiteral("/dosbox"));
#endif
}

bool isOwnDosBoxFile(const QString& path, const SettingsStore& store) {
    return !path.isEmpty() &&
           QDir::cleanPath(QFileInfo(path).absolutePath()) ==
               QDir::cleanPath(QDir::fromNativeSeparators(ownDosBoxFolder(store)));
}

DosBoxSettingsForm settingsFormFor(const GameEntry& game, const SettingsStore& store,
                                   bool autoExit) {
    DosBoxSettingsForm form;
    form.title = game.GTitle;
    form.gameFolder = QDir::toNativeSeparators(QFileInfo(game.GPath).absolutePath());
    form.autoExit = autoExit;
    if (isOwnDosBoxFile(game.GConf, store)) {
        form.source = DosBoxSettingsForm::Source::Typed;
        QFile file(game.GConf);
        if (file.open(QIODevice::ReadOnly))
            form.typed = QString::fromUtf8(file.readAll());
    } else if (!game.GConf.isEmpty()) {
        form.source = DosBoxSettingsForm::Source::File;
        form.file = game.GConf;
    }
    form.image = game.GImage;
    form.setup = game.GSetup;
    form.exit = game.GExit;
    return form;
}

QString applySettingsForm(GameTable& games, int n, const DosBoxSettingsForm& answer,
                          const SettingsStore& store) {
    GameEntry changed = games[n];
    changed.GImage = answer.image;
    changed.GSetup = answer.setup;
    changed.GExit = answer.exit;
    changed.GConf.clear();
    if (answer.source == DosBoxSettingsForm::Source::File)
        changed.GConf = answer.file;
    if (answer.source == DosBoxSettingsForm::Source::Typed && !answer.typed.trimmed().isEmpty()) {
        // The game's own file is rewritten in place, unless another game names it too (a store
        // edited by hand): that game keeps its settings.
        const QString current = games[n].GConf;
        changed.GConf = isOwnDosBoxFile(current, store) && gamesNaming(current, games) == 1
                            ? current
                            : newOwnFile(ownDosBoxFolder(store), changed.GTitle);
        if (!writeText(changed.GConf, answer.typed))
            return QStringLiteral("The settings could not be saved in %1.").arg(changed.GConf);
    }
    const QString before = games[n].GConf;
    games[n] = changed;
    if (before != changed.GConf)
        dropOwnDosBoxFileIfUnused(before, games, store);
    return {};
}

void dropOwnDosBoxFileIfUnused(const QString& path, const GameTable& games,
                               const SettingsStore& store) {
    if (isOwnDosBoxFile(path, store) && gamesNaming(path, games) == 0)
        QFile::remove(path);
}
