#pragma once

#include "dosbox/DosBoxSettingsForm.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QRadioButton;

// Games > Change > DOSBox settings...: a DOS game's own configuration (none, a file that came
// with it, or settings typed here), its CD or floppy image, its setup program, and whether
// DOSBox closes when it ends.
class DosBoxSettingsDialog : public QDialog {
    Q_OBJECT

public:
    DosBoxSettingsDialog(const DosBoxSettingsForm& current, QWidget* parent = nullptr);

    DosBoxSettingsForm answer() const;

    // Keeps the dialog open, and says why, while a file named in it is not there.
    void accept() override;

private:
    void browse(QLineEdit* into, const QString& caption, const QString& filter);
    void showSource();

    DosBoxSettingsForm form;
    QRadioButton* noConfiguration = nullptr;
    QRadioButton* fileConfiguration = nullptr;
    QRadioButton* typedConfiguration = nullptr;
    QLineEdit* file = nullptr;
    QPlainTextEdit* typed = nullptr;
    QLabel* adoptedNote = nullptr;
    QLineEdit* image = nullptr;
    QLineEdit* setup = nullptr;
    QComboBox* exitChoice = nullptr;
};
