// Kavrel's own work beside its floor, the least work that shows the same thing, measured in turns
// in the same run. One line per measure: NAME kavrel_ms floor_ms ratio (medians).
// Run by hand: build/default/bench/bench_kavrel [part of the measures' names]
#include "RecordingStarter.h"
#include "ScriptedDialogs.h"
#include "Timing.h"
#include "backup/Backups.h"
#include "platform/PictureLoading.h"
#include "platform/SettingsStore.h"
#include "shelf/FindDialog.h"
#include "shelf/FolderScan.h"
#include "store/TitleSort.h"
#include "window/Hoofdscherm.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPainter>
#include <QSettings>
#include <QStringListModel>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QThread>
#include <QToolButton>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <memory>
#include <numeric>

namespace {

QTemporaryDir workFolder;
int copies = 0;
// Measures whose names hold this text run; all of them when it is empty.
QString only;

QString inWork(const QString& name) {
    return workFolder.filePath(name);
}

// Runs both sides in turns; `prepare` runs before each side, outside the timing.
void measure(const char* name, int rounds, const std::function<void()>& kavrel,
             const std::function<void()>& floor, const std::function<void()>& prepare = {}) {
    if (!QString::fromLatin1(name).contains(only))
        return;
    std::vector<double> kavrelTimes;
    std::vector<double> floorTimes;
    for (int round = 0; round < rounds; ++round) {
        if (prepare)
            prepare();
        kavrelTimes.push_back(millisecondsOf(kavrel));
        if (prepare)
            prepare();
        floorTimes.push_back(millisecondsOf(floor));
    }
    const double k = median(kavrelTimes);
    const double f = median(floorTimes);
    std::printf("%s %.2f %.2f %.2f\n", name, k, f, k / f);
    std::fflush(stdout);
}

QString title(int n) {
    return QStringLiteral("Game %1").arg(n, 5, 10, QChar(u'0'));
}

// A store as Kavrel writes it, with `count` games of their own programs that all show the same
// picture and text.
QString makeStore(int count, const QString& picture) {
    const QString file = inWork(QStringLiteral("store-%1.conf").arg(count));
    QSettings settings(file, QSettings::IniFormat);
    settings.setValue(QStringLiteral("Options/GExit"), QStringLiteral("True"));
    settings.setValue(QStringLiteral("Games/Count"), QString::number(count));
    settings.setValue(QStringLiteral("Games/Last"), QStringLiteral("0"));
    for (int n = 1; n <= count; ++n) {
        const QString section = QStringLiteral("Game%1/").arg(n, 4, 10, QChar(u'0'));
        settings.setValue(section + QStringLiteral("GPath"),
                          inWork(QStringLiteral("games/GAME%1.EXE").arg(n)));
        settings.setValue(section + QStringLiteral("GBmp"), picture);
        settings.setValue(section + QStringLiteral("GText"), inWork(QStringLiteral("about.txt")));
        settings.setValue(section + QStringLiteral("GTitle"), title(n));
        settings.setValue(section + QStringLiteral("GType"), QStringLiteral("True"));
    }
    settings.sync();
    return file;
}

// A fresh copy, so that no settings cache of an earlier run answers.
QString freshCopy(const QString& store) {
    const QString copy = inWork(QStringLiteral("copy-%1.conf").arg(++copies));
    QFile::copy(store, copy);
    return copy;
}

struct Kavrel {
    explicit Kavrel(const QString& store) : settings(SettingsStore::openIniFile(store)) {
        window = std::make_unique<Hoofdscherm>(
            PlatformServices{*settings, dialogs, starter, workFolder.path(), [] {
                             }});
    }
    void trigger(const char* action) {
        window->findChild<QAction*>(QString::fromLatin1(action))->trigger();
    }
    void click(const char* button) {
        window->findChild<QToolButton*>(QString::fromLatin1(button))->click();
    }
    ScriptedDialogs dialogs;
    RecordingStarter starter;
    std::unique_ptr<SettingsStore> settings;
    std::unique_ptr<Hoofdscherm> window;
};

// The least a start-up can do: the same reads, the titles into a list, one picture, one text.
void floorStartup(const QString& store) {
    QSettings settings(store, QSettings::IniFormat);
    QWidget window;
    auto* list = new QComboBox(&window);
    auto* picture = new QLabel(&window);
    auto* text = new QTextEdit(&window);
    settings.value(QStringLiteral("Options/GExit"));
    const int count = settings.value(QStringLiteral("Games/Count")).toInt();
    QStringList titles;
    QString firstPicture;
    QString firstText;
    for (int n = 1; n <= count; ++n) {
        settings.beginGroup(QStringLiteral("Game%1").arg(n, 4, 10, QChar(u'0')));
        for (const char* key : {"GPath", "GType"})
            settings.value(QString::fromLatin1(key));
        firstPicture = settings.value(QStringLiteral("GBmp")).toString();
        firstText = settings.value(QStringLiteral("GText")).toString();
        titles.append(settings.value(QStringLiteral("GTitle")).toString());
        settings.endGroup();
    }
    list->addItems(titles);
    QImageReader reader(firstPicture);
    reader.setClipRect({0, 0, 320, 200});
    picture->setPixmap(QPixmap::fromImage(reader.read()));
    QFile file(firstText);
    if (file.open(QIODevice::ReadOnly))
        text->setPlainText(QString::fromUtf8(file.readAll()));
    window.show();
    QCoreApplication::processEvents();
}

// What a display of one game needs without the store: its picture's corner and its text.
void floorDisplay(QLabel& picture, QTextEdit& text, const QString& pictureFile) {
    QImageReader reader(pictureFile);
    reader.setClipRect({0, 0, 320, 200});
    picture.setPixmap(QPixmap::fromImage(reader.read()));
    QFile file(inWork(QStringLiteral("about.txt")));
    if (file.open(QIODevice::ReadOnly))
        text.setPlainText(QString::fromUtf8(file.readAll()));
}

void writePictures() {
    QImage small(320, 200, QImage::Format_RGB32);
    small.fill(Qt::darkCyan);
    small.save(inWork(QStringLiteral("shot.bmp")));
    QImage big(4000, 3000, QImage::Format_RGB32);
    QPainter painter(&big);
    painter.fillRect(big.rect(), QLinearGradient(0, 0, 4000, 3000));
    for (int x = 0; x < 4000; x += 97)
        painter.drawLine(x, 0, 4000 - x, 3000);
    painter.end();
    big.save(inWork(QStringLiteral("big.jpg")), "JPEG", 90);
    QFile text(inWork(QStringLiteral("about.txt")));
    text.open(QIODevice::WriteOnly);
    text.write(QByteArray("A game of some renown.\n").repeated(40));
    QFile program(inWork(QStringLiteral("game.exe")));
    program.open(QIODevice::WriteOnly);
}

void benchStartup(int count, int rounds) {
    const QString store = makeStore(count, inWork(QStringLiteral("shot.bmp")));
    QString copy;
    measure(
        qPrintable(QStringLiteral("startup_%1").arg(count)), rounds, [&] { Kavrel kavrel(copy); },
        [&] { floorStartup(copy); }, [&] { copy = freshCopy(store); });
}

// Rewriting the keys a command changes with QSettings alone, and syncing.
void floorRewrite(QSettings& settings, const QStringList& keys, const QString& value) {
    for (const QString& key : keys)
        settings.setValue(key, value);
    settings.sync();
}

void benchEdits(const QString& store) {
    Kavrel kavrel(freshCopy(store));
    QSettings floor(freshCopy(store), QSettings::IniFormat);
    int round = 0;
    const QStringList titleKey = {QStringLiteral("Game0001/GTitle")};
    measure(
        "retitle_9999", 7,
        [&] {
            kavrel.dialogs.type((round / 2) % 2 ? title(1) : title(1) + u'a');
            kavrel.trigger("MnuBewerkenTitel");
        },
        [&] { floorRewrite(floor, titleKey, (round / 2) % 2 ? title(1) : title(1) + u'a'); },
        [&] { ++round; });
    // Removing or adding the first game renumbers every game after it.
    QStringList gameKeys = {QStringLiteral("Games/Count")};
    for (int n = 1; n <= 9999; ++n)
        for (const char* key : {"GPath", "GBmp", "GText", "GTitle", "GType"})
            gameKeys.append(QStringLiteral("Game%1/").arg(n, 4, 10, QChar(u'0')) +
                            QString::fromLatin1(key));
    // A full collection takes no new game: each add follows a remove.
    measure(
        "remove_9999", 7, [&] { kavrel.trigger("MnuBestandVerwijderen"); },
        [&] { floorRewrite(floor, gameKeys, QString::number(round)); },
        [&] {
            ++round;
            if (kavrel.window->games().count() < 9999) {
                kavrel.dialogs.chooseFile(inWork(QStringLiteral("game.exe")));
                kavrel.dialogs.type(title(1));
                kavrel.dialogs.cancelFile();
                kavrel.dialogs.cancelFile();
                kavrel.trigger("MnuBestandNieuw");
            }
        });
    measure(
        "add_9999", 7,
        [&] {
            kavrel.dialogs.chooseFile(inWork(QStringLiteral("game.exe")));
            kavrel.dialogs.type(title(1));
            kavrel.dialogs.cancelFile();
            kavrel.dialogs.cancelFile();
            kavrel.trigger("MnuBestandNieuw");
        },
        [&] { floorRewrite(floor, gameKeys, QString::number(round)); },
        [&] {
            ++round;
            if (kavrel.window->games().count() == 9999)
                kavrel.trigger("MnuBestandVerwijderen");
        });
    if (!kavrel.dialogs.problems().isEmpty())
        std::printf("# edits: %s\n", qPrintable(kavrel.dialogs.problems()));
}

void benchSteps(const char* name, const QString& store, const QString& picture) {
    Kavrel kavrel(freshCopy(store));
    QWidget window;
    QLabel shown(&window);
    QTextEdit text(&window);
    window.show();
    int round = 0;
    measure(
        name, 21, [&] { kavrel.click((round / 2) % 2 ? "KnopVorige" : "KnopVolgende"); },
        [&] { floorDisplay(shown, text, picture); }, [&] { ++round; });
}

void benchTitleSort() {
    QStringList titles;
    for (int n = 9999; n >= 1; --n)
        titles.append(title(n));
    measure(
        "titlesort_9999", 5, [&] { exchangeSortOrder(titles); },
        [&] {
            std::vector<int> order(titles.size());
            std::iota(order.begin(), order.end(), 0);
            std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
                return titles[a].compare(titles[b], Qt::CaseInsensitive) < 0;
            });
        });
}

// A shelf of game folders as they ship: the game, its installer, a screenshot and a text each.
QString makeShelf(int games) {
    const QString root = inWork(QStringLiteral("shelf-%1").arg(games));
    QImage picture(64, 40, QImage::Format_RGB32);
    picture.fill(Qt::darkGreen);
    const QByteArray program = "MZ" + QByteArray(0x40, '\0');
    for (int n = 1; n <= games; ++n) {
        const QString folder = root + QStringLiteral("/GAME%1").arg(n, 3, 10, QChar(u'0'));
        QDir().mkpath(folder + QStringLiteral("/CAPTURE"));
        for (const char* name : {"/GAME.EXE", "/SETUP.EXE", "/INSTALL.BAT"}) {
            QFile file(folder + QString::fromLatin1(name));
            file.open(QIODevice::WriteOnly);
            file.write(program);
        }
        QFile text(folder + QStringLiteral("/README.TXT"));
        text.open(QIODevice::WriteOnly);
        text.write("How to play.\r\n");
        picture.save(folder + QStringLiteral("/CAPTURE/game_000.png"));
    }
    return root;
}

// What a scan must look at the least: every folder and file, each program's header, one
// picture's corner and one text a game.
void floorScan(const QString& root) {
    QDirIterator folders(root, QDir::Dirs | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (folders.hasNext()) {
        const QDir folder(folders.next());
        for (const QFileInfo& file : folder.entryInfoList(QDir::Files)) {
            QFile content(file.absoluteFilePath());
            content.open(QIODevice::ReadOnly);
            if (file.suffix() == u"png") {
                QImageReader reader(&content);
                reader.setClipRect({0, 0, 320, 200});
                reader.read();
            } else {
                content.read(file.suffix() == u"EXE" ? 64 : 4096);
            }
        }
    }
}

void benchScan() {
    const QString shelf = makeShelf(500);
    measure(
        "scan_500", 5, [&] { FolderScan().scan({shelf}); }, [&] { floorScan(shelf); });
}

// One key typed in Find and its results shown, beside filtering the titles into a plain list.
void benchFind() {
    QStringList titles;
    for (int n = 1; n <= 9999; ++n)
        titles.append(title(n));
    FindDialog find(titles);
    find.show();
    auto* text = find.findChild<QLineEdit*>(QStringLiteral("findText"));
    QListView floorView;
    QStringListModel floorModel;
    floorView.setModel(&floorModel);
    floorView.show();
    const QString typed = QStringLiteral("game 01");
    int round = 0;
    // Typing on to "game 01", and back again.
    const auto nextText = [&] {
        const int step = round % (2 * int(typed.size()));
        return typed.left(step < typed.size() ? step + 1 : 2 * typed.size() - step - 1);
    };
    measure(
        "find_key_9999", 21,
        [&] {
            text->setText(nextText());
            QCoreApplication::processEvents();
        },
        [&] {
            floorModel.setStringList(titles.filter(nextText(), Qt::CaseInsensitive));
            QCoreApplication::processEvents();
        },
        [&] { ++round; });
}

} // namespace

// A backup made before a command: a flushed, atomic copy of the store, and the removal of the
// oldest; its floor is a plain copy of the file.
void benchBackup(const QString& store) {
    Backups backups(store, inWork(QStringLiteral("backups")));
    const QString plain = inWork(QStringLiteral("plain-copy.conf"));
    measure(
        "backup_9999", 15, [&] { backups.make(); }, [&] { QFile::copy(store, plain); },
        [&] { QFile::remove(plain); });
}

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // The backups the commands make go into the work folder, not the user's.
    qputenv("XDG_STATE_HOME", QFile::encodeName(workFolder.path()));
    if (argc > 1)
        only = QString::fromLocal8Bit(argv[1]);
    writePictures();
    std::printf("# NAME kavrel_ms floor_ms ratio (medians, %d cores)\n",
                QThread::idealThreadCount());
    benchStartup(100, 15);
    benchStartup(1000, 11);
    benchStartup(9999, 7);
    const QString full = makeStore(9999, inWork(QStringLiteral("shot.bmp")));
    benchEdits(full);
    benchBackup(full);
    benchSteps("step_9999", full, inWork(QStringLiteral("shot.bmp")));
    const QString big = inWork(QStringLiteral("big.jpg"));
    benchSteps("step_jpeg_4000x3000", makeStore(2, big), big);
    benchTitleSort();
    benchScan();
    benchFind();
    return 0;
}
