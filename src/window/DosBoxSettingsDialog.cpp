#include "window/DosBoxSettingsDialog.h"

#include "dosbox/DosBoxCommand.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>
#include <tuple>

namespace {

// The images DOSBox mounts: CDs as D:, floppies as A:.
constexpr const char* ImageEndings[] = {".iso", ".cue", ".img", ".ima"};

template <typename Control> Control* named(Control* control, const char* name) {
    control->setObjectName(QString::fromLatin1(name));
    return control;
}

} // namespace

DosBoxSettingsDialog::DosBoxSettingsDialog(const DosBoxSettingsForm& current, QWidget* parent)
    : QDialog(parent), form(current) {
    setObjectName(QStringLiteral("DosBoxSettingsDialog"));
    setWindowTitle(QStringLiteral("DOSBox settings for %1").arg(current.title));

    auto* configuration = new QGroupBox(QStringLiteral("DOSBox configuration of the game's own"));
    noConfiguration = named(new QRadioButton(QStringLiteral("&None: your usual settings only")),
                            "noConfiguration");
    fileConfiguration = named(new QRadioButton(QStringLiteral("A &file that came with the game:")),
                              "fileConfiguration");
    typedConfiguration =
        named(new QRadioButton(QStringLiteral("Settings &typed here, over your usual ones:")),
              "typedConfiguration");
    file = named(new QLineEdit(current.file), "configurationFile");
    auto* browseFile = named(new QPushButton(QStringLiteral("Browse...")), "browseConfiguration");
    typed = named(new QPlainTextEdit(current.typed), "typedSettings");
    typed->setPlaceholderText(QStringLiteral("[cpu]\ncycles=20000\n\n[sblaster]\nirq=5"));
    typed->setTabChangesFocus(true);
    adoptedNote = named(new QLabel(QStringLiteral(
                            "This configuration's [autoexec] mounts and starts the game itself: "
                            "Kavrel runs it as it stands, with the image and the exit choice "
                            "below, and starts the setup program without it.")),
                        "adoptedNote");
    adoptedNote->setWordWrap(true);
    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(file);
    fileRow->addWidget(browseFile);
    auto* configurationLayout = new QVBoxLayout(configuration);
    configurationLayout->addWidget(noConfiguration);
    configurationLayout->addWidget(fileConfiguration);
    configurationLayout->addLayout(fileRow);
    configurationLayout->addWidget(typedConfiguration);
    configurationLayout->addWidget(typed);
    configurationLayout->addWidget(adoptedNote);
    using Source = DosBoxSettingsForm::Source;
    (current.source == Source::File    ? fileConfiguration
     : current.source == Source::Typed ? typedConfiguration
                                       : noConfiguration)
        ->setChecked(true);

    image = named(new QLineEdit(current.image), "image");
    image->setPlaceholderText(QStringLiteral("none"));
    auto* browseImage = named(new QPushButton(QStringLiteral("Browse...")), "browseImage");
    setup = named(new QLineEdit(current.setup), "setupProgram");
    setup->setPlaceholderText(QStringLiteral("none"));
    auto* browseSetup = named(new QPushButton(QStringLiteral("Browse...")), "browseSetup");
    exitChoice = named(new QComboBox, "exitChoice");
    exitChoice->addItems({QStringLiteral("As Auto-exit says (now %1)")
                              .arg(current.autoExit ? QStringLiteral("on") : QStringLiteral("off")),
                          QStringLiteral("Always"), QStringLiteral("Never")});
    exitChoice->setCurrentIndex(!current.exit ? 0 : *current.exit ? 1 : 2);

    auto* rows = new QFormLayout;
    const auto withButton = [](QWidget* field, QWidget* button) {
        auto* row = new QHBoxLayout;
        row->addWidget(field);
        row->addWidget(button);
        return row;
    };
    // A row's caption takes the keyboard to its field; the form would clear the buddy of a
    // caption whose field is a row of controls, so it is set once the row is in place.
    for (auto [text, field, row] :
         {std::tuple{QStringLiteral("&CD (D:) or floppy (A:) image:"), image,
                     withButton(image, browseImage)},
          std::tuple{QStringLiteral("&Setup program:"), setup, withButton(setup, browseSetup)}}) {
        auto* label = new QLabel(text);
        rows->addRow(label, row);
        label->setBuddy(field);
    }
    rows->addRow(QStringLiteral("DOSBox closes &when the game ends:"), exitChoice);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(configuration);
    layout->addLayout(rows);
    layout->addWidget(buttons);

    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(browseFile, &QPushButton::clicked, this, [this] {
        browse(file, QStringLiteral("DOSBox configuration"),
               QStringLiteral("DOSBox configurations (*.conf *.CONF)"));
        fileConfiguration->setChecked(true);
    });
    connect(browseImage, &QPushButton::clicked, this, [this] {
        browse(image, QStringLiteral("CD or floppy image"),
               QStringLiteral("CD and floppy images (*.iso *.cue *.img *.ima *.ISO *.CUE *.IMG "
                              "*.IMA)"));
    });
    connect(browseSetup, &QPushButton::clicked, this, [this] {
        browse(setup, QStringLiteral("Setup program"),
               QStringLiteral("Programs (*.exe *.com *.bat *.EXE *.COM *.BAT)"));
    });
    for (QRadioButton* choice : {noConfiguration, fileConfiguration, typedConfiguration})
        connect(choice, &QRadioButton::toggled, this, &DosBoxSettingsDialog::showSource);
    connect(file, &QLineEdit::textChanged, this, &DosBoxSettingsDialog::showSource);
    connect(typed, &QPlainTextEdit::textChanged, this, &DosBoxSettingsDialog::showSource);
    showSource();
    resize(560, sizeHint().height());
}

void DosBoxSettingsDialog::browse(QLineEdit* into, const QString& caption, const QString& filter) {
    const QString start = into->text().isEmpty() ? form.gameFolder : into->text();
    const QString chosen = QFileDialog::getOpenFileName(this, caption, start, filter);
    if (!chosen.isEmpty())
        into->setText(QDir::toNativeSeparators(chosen));
}

void DosBoxSettingsDialog::showSource() {
    file->setEnabled(fileConfiguration->isChecked());
    typed->setEnabled(typedConfiguration->isChecked());
    const bool adopts =
        (fileConfiguration->isChecked() && !autoexecOf(file->text()).isEmpty()) ||
        (typedConfiguration->isChecked() &&
         typed->toPlainText().contains(QStringLiteral("[autoexec]"), Qt::CaseInsensitive));
    adoptedNote->setVisible(adopts);
}

void DosBoxSettingsDialog::accept() {
    const QString imageName = image->text().trimmed().toLower();
    const bool knownImage =
        imageName.isEmpty() ||
        std::any_of(std::begin(ImageEndings), std::end(ImageEndings), [&](const char* ending) {
            return imageName.endsWith(QLatin1StringView(ending));
        });
    for (auto [field, what, named] :
         {std::tuple{file, "configuration file", fileConfiguration->isChecked()},
          std::tuple{image, "image", true}, std::tuple{setup, "setup program", true}}) {
        const QString path = field->text().trimmed();
        QString why;
        if (named && !path.isEmpty() && !QFileInfo(path).isFile())
            why = QStringLiteral("The %1 %2 does not exist.").arg(QLatin1StringView(what), path);
        else if (field == image && !knownImage)
            why = QStringLiteral("%1 is no CD image (.iso, .cue) or floppy image (.img, .ima).")
                      .arg(path);
        if (why.isEmpty())
            continue;
        QMessageBox::warning(this, windowTitle(), why);
        field->setFocus();
        return;
    }
    QDialog::accept();
}

DosBoxSettingsForm DosBoxSettingsDialog::answer() const {
    DosBoxSettingsForm answer = form;
    using Source = DosBoxSettingsForm::Source;
    answer.source = fileConfiguration->isChecked()    ? Source::File
                    : typedConfiguration->isChecked() ? Source::Typed
                                                      : Source::None;
    answer.file = file->text().trimmed();
    answer.typed = typed->toPlainText();
    answer.image = image->text().trimmed();
    answer.setup = setup->text().trimmed();
    answer.exit = exitChoice->currentIndex() == 0 ? std::nullopt
                                                  : std::optional(exitChoice->currentIndex() == 1);
    return answer;
}
