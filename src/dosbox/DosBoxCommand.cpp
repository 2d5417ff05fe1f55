#include "dosbox/DosBoxCommand.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

// DOSBox 0.74 runs no more "-c" commands than this and drops the rest without a word.
constexpr int ClassicCommandLimit = 11;

const QString Exit = QStringLiteral("exit");

bool isFloppyImage(const QString& image) {
    return image.endsWith(QStringLiteral(".img"), Qt::CaseInsensitive) ||
           image.endsWith(QStringLiteral(".ima"), Qt::CaseInsensitive);
}

QString quoted(const QString& path) {
    return u'"' + path + u'"';
}

QString mountImage(const QString& image) {
    return isFloppyImage(image) ? QStringLiteral("imgmount a %1 -t floppy").arg(quoted(image))
                                : QStringLiteral("imgmount d %1 -t iso").arg(quoted(image));
}

// C: is the program's folder, as DOSBox itself mounts it for a program on its command line.
QStringList runProgram(const QString& program) {
    const QFileInfo file(program);
    const QString name = file.fileName();
    return {QStringLiteral("mount c %1").arg(quoted(QDir::toNativeSeparators(file.absolutePath()))),
            QStringLiteral("c:"),
            name.endsWith(QStringLiteral(".bat"), Qt::CaseInsensitive)
                ? QStringLiteral("call ") + name
                : name};
}

bool isExit(const QString& command) {
    QString bare = command.trimmed().toLower();
    if (bare.startsWith(u'@'))
        bare.remove(0, 1);
    return bare == Exit;
}

// The adopted [autoexec] with the exit choice applied.
QStringList adopted(QStringList commands, bool closes) {
    if (!closes)
        commands.removeIf(isExit);
    else if (commands.isEmpty() || !isExit(commands.last()))
        commands.append(Exit);
    return commands;
}

// The first file the command needs that is not there, named for the user.
QString missingFile(const GameEntry& game, const QString& program, DosProgram which) {
    if (which == DosProgram::Setup && program.isEmpty())
        return QStringLiteral("The game has no setup program: choose one in its DOSBox "
                              "settings.");
    if (!QFileInfo(program).isFile())
        return which == DosProgram::Setup
                   ? QStringLiteral("The setup program %1 does not exist.").arg(program)
                   : QStringLiteral("The game's program file does not exist.");
    if (!game.GConf.isEmpty() && !QFileInfo(game.GConf).isFile())
        return QStringLiteral("The DOSBox configuration %1 does not exist.").arg(game.GConf);
    if (!game.GImage.isEmpty() && !QFileInfo(game.GImage).isFile())
        return QStringLiteral("The disc image %1 does not exist.").arg(game.GImage);
    return {};
}

} // namespace

bool hasOwnDosBoxSettings(const GameEntry& game) {
    return !game.GConf.isEmpty() || !game.GImage.isEmpty() || !game.GSetup.isEmpty() ||
           game.GExit.has_value();
}

bool closesWithGame(const GameEntry& game, bool autoExit) {
    return game.GExit.value_or(autoExit);
}

QStringList autoexecOf(const QString& configuration) {
    QFile file(configuration);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringList commands;
    bool inAutoexec = false;
    for (const QString& line : QString::fromUtf8(file.readAll()).split(u'\n')) {
        const QString trimmed = line.trimmed();
        if (trimmed.startsWith(u'[')) {
            inAutoexec = trimmed.compare(u"[autoexec]", Qt::CaseInsensitive) == 0;
            continue;
        }
        // DOSBox itself skips these lines of a configuration, [autoexec] included.
        if (!inAutoexec || trimmed.isEmpty() || trimmed.startsWith(u'#') ||
            trimmed.startsWith(u'%'))
            continue;
        commands.append(trimmed);
    }
    return commands;
}

DosBoxCommand dosBoxCommand(const GameEntry& game, DosProgram which, bool autoExit,
                            DosBoxKind kind) {
    const QString program = which == DosProgram::Game ? game.GPath : game.GSetup;
    if (const QString missing = missingFile(game, program, which); !missing.isEmpty())
        return {{}, {}, missing};

    DosBoxCommand command;
    QStringList& arguments = command.arguments;
    const QStringList ownAutoexec = game.GConf.isEmpty() ? QStringList() : autoexecOf(game.GConf);
    if (!game.GConf.isEmpty()) {
        if (kind == DosBoxKind::Classic)
            arguments.append(QStringLiteral("-userconf"));
        arguments << QStringLiteral("-conf") << game.GConf;
        if (kind == DosBoxKind::Staging)
            arguments.append(QStringLiteral("-nolocalconf"));
    }
    if (!ownAutoexec.isEmpty())
        arguments.append(QStringLiteral("-noautoexec"));

    const bool closes = which == DosProgram::Game && closesWithGame(game, autoExit);
    QStringList commands;
    if (!game.GImage.isEmpty())
        commands.append(mountImage(game.GImage));
    if (which == DosProgram::Game && !ownAutoexec.isEmpty()) {
        commands += adopted(ownAutoexec, closes);
        command.workingFolder = QDir::toNativeSeparators(QFileInfo(game.GConf).absolutePath());
    } else {
        commands += runProgram(program);
        if (closes)
            commands.append(Exit);
    }
    if (kind == DosBoxKind::Classic && commands.size() > ClassicCommandLimit)
        return {{},
                {},
                QStringLiteral("The [autoexec] of %1 has more lines than DOSBox 0.74 takes from "
                               "Kavrel: at most %2, the image and the exit included.")
                    .arg(game.GConf)
                    .arg(ClassicCommandLimit)};
    for (const QString& line : commands)
        arguments << QStringLiteral("-c") << line;
    return command;
}
