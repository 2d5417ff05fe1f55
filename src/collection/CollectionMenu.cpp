// The window's commands for the collection as a whole: going back to a backup, moving the games
// folder, export and import.
#include "backup/Backups.h"
#include "collection/CollectionArchive.h"
#include "collection/MoveGamesFolder.h"
#include "collection/StoreValues.h"
#include "platform/Dialogs.h"
#include "platform/SettingsStore.h"
#include "window/GameList.h"
#include "window/Hoofdscherm.h"

#include <QDir>

namespace {

const QString Kavrel = QStringLiteral("Kavrel");

QString gamesText(int games) {
    return games == 1 ? QStringLiteral("1 game") : QStringLiteral("%1 games").arg(games);
}

BackupChoice choiceFor(const Backups::Entry& backup) {
    const QString made = backup.made.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    if (!backup.games)
        return {made + QStringLiteral("  (cannot be read)"), false};
    return {made + QStringLiteral("  ") + gamesText(*backup.games), true};
}

} // namespace

bool Hoofdscherm::BackupFirst() {
    const std::optional<QString> failure = backups->make();
    if (failure)
        platform.dialogs.MsgBox(
            QStringLiteral("The collection cannot be backed up first, so it is left as it is. %1")
                .arg(*failure),
            MsgBoxStyle::Exclamation, Kavrel);
    return !failure;
}

void Hoofdscherm::ShowStoredCollection(std::optional<int> select) {
    const QPoint at = pos();
    // "Last" is now the replaced collection's: the exit stores the selection again.
    lastStored.reset();
    Form_Load();
    move(at);
    if (select && *select >= 0 && *select < GameCount()) {
        Lijst->setListIndex(*select);
        RefreshCaption();
    }
    if (GameCount() > 0)
        FocusPicture();
}

void Hoofdscherm::mnuRestoreCollection_Click() {
    const QList<Backups::Entry> shelf = backups->list();
    QList<BackupChoice> choices;
    for (const Backups::Entry& backup : shelf)
        choices.append(choiceFor(backup));
    const std::optional<int> row = platform.dialogs.chooseBackup(choices);
    if (!row || !shelf.value(*row).games)
        return FocusPicture();
    const std::optional<StoreValues> values = readIniFile(shelf[*row].file);
    if (!values) {
        platform.dialogs.MsgBox(QStringLiteral("The backup %1 cannot be read; nothing was changed.")
                                    .arg(QDir::toNativeSeparators(shelf[*row].file)),
                                MsgBoxStyle::Exclamation, Kavrel);
        return FocusPicture();
    }
    if (!BackupFirst())
        return FocusPicture();
    SettingsStore::Batch batch(platform.store);
    replaceStoreValues(platform.store, *values);
    ShowStoredCollection(std::nullopt);
}

void Hoofdscherm::mnuMoveGamesFolder_Click() {
    // The old folder is typed, not picked: after a move to a new disk it is often gone.
    const QString from = platform.dialogs.InputBox(
        QStringLiteral("The folder the games were in (it need not be there any more):"),
        QStringLiteral("Move games folder"), QDir::toNativeSeparators(suggestedOldFolder(Games)));
    if (from.isEmpty())
        return FocusPicture();
    const QString to = platform.dialogs.chooseFolder(
        QStringLiteral("Move games folder: where the games are now"), DosGamesFolder);
    if (to.isEmpty())
        return FocusPicture();
    if (const std::optional<QString> refusal = moveRefusal(from, to)) {
        platform.dialogs.MsgBox(*refusal, MsgBoxStyle::Exclamation, Kavrel);
        return FocusPicture();
    }
    const bool anyUnder = anyGameUnder(Games, from);
    GamesFolderMove move;
    if (anyUnder && BackupFirst()) {
        SettingsStore::Batch batch(platform.store);
        move = moveGamesFolder(platform.store, from, to);
        ShowStoredCollection(Lijst->ListIndex());
    } else if (anyUnder) {
        return FocusPicture();
    }
    platform.dialogs.MsgBox(describeMove(move, from, to), MsgBoxStyle::Information,
                            QStringLiteral("Move games folder"));
    FocusPicture();
}

void Hoofdscherm::mnuExportCollection_Click() {
    QString file = platform.dialogs.saveFile(QStringLiteral("Export collection"),
                                             QDir::home().filePath(QStringLiteral("Kavrel.zip")),
                                             QStringLiteral("Zip files (*.zip)"));
    if (file.isEmpty())
        return FocusPicture();
    if (!file.endsWith(QStringLiteral(".zip"), Qt::CaseInsensitive))
        file += QStringLiteral(".zip");
    if (const std::optional<QString> failure = exportCollection(platform.store, file))
        platform.dialogs.MsgBox(*failure, MsgBoxStyle::Exclamation, Kavrel);
    else
        platform.dialogs.MsgBox(QStringLiteral("%1 exported to %2.")
                                    .arg(gamesText(GameCount()), QDir::toNativeSeparators(file)),
                                MsgBoxStyle::Information, QStringLiteral("Export collection"));
    FocusPicture();
}

void Hoofdscherm::mnuImportCollection_Click() {
    const std::optional<QString> zip =
        platform.dialogs.openFile({QDir::homePath(),
                                   {},
                                   QStringLiteral("Kavrel collection (*.zip) |*.zip"),
                                   QStringLiteral("zip"),
                                   0x281000});
    if (!zip)
        return FocusPicture();
    const CollectionImport collection(*zip);
    if (!collection.refusal().isEmpty()) {
        platform.dialogs.MsgBox(collection.refusal(), MsgBoxStyle::Exclamation, Kavrel);
        return FocusPicture();
    }
    const QString folder = platform.dialogs.chooseFolder(
        QStringLiteral("Import collection: the folder that holds its games"),
        DosGamesFolder.isEmpty() ? collection.recordedGamesFolder() : DosGamesFolder);
    if (folder.isEmpty() || !BackupFirst())
        return FocusPicture();
    std::optional<QString> failure;
    {
        SettingsStore::Batch batch(platform.store);
        failure = collection.replace(platform.store, folder, userDataFolder());
        if (!failure)
            ShowStoredCollection(std::nullopt);
    }
    platform.dialogs.MsgBox(
        failure ? *failure
                : QStringLiteral("%1 imported; the games folder is %2.")
                      .arg(gamesText(collection.gameCount()), QDir::toNativeSeparators(folder)),
        failure ? MsgBoxStyle::Exclamation : MsgBoxStyle::Information,
        QStringLiteral("Import collection"));
    FocusPicture();
}
