// The settings of the pickers for a game's files. Folder and file name are left to each
// command: the picker keeps them from one use to the next.
#include "platform/PickerFilters.h"
#include "store/Paths.h"
#include "window/Hoofdscherm.h"

void Hoofdscherm::PrepareFilePicker(GameFile kind) {
    CMDialog1.CancelError = true;
    CMDialog1.Flags = FilePicker::MustExistExplorerLongNames;
    switch (kind) {
    case GameFile::Program:
        CMDialog1.DefaultExt = QStringLiteral("exe");
        CMDialog1.Filter = PickerFilters::Executable;
        break;
    case GameFile::Screenshot:
        CMDialog1.DefaultExt = QStringLiteral("bmp");
        CMDialog1.Filter = PickerFilters::Screenshot;
        break;
    case GameFile::Description:
        CMDialog1.DefaultExt = QStringLiteral("txt");
        CMDialog1.Filter = PickerFilters::Description;
        break;
    }
}

QString Hoofdscherm::PickerFolderOf(const PathParts& stored) {
    return stored.folder.isEmpty() ? QString(PathSeparator) : stored.folder;
}
