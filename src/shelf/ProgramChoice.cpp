#include "shelf/ProgramChoice.h"

#include <QFileInfo>
#include <algorithm>
#include <vector>

namespace {

// Programs that come with a game but are not the game. Names are compared without extension
// and in capitals.
// Installers and their removers, sound and machine set-up, DOS extenders and memory managers
// started by the game itself, viewers of the manual or the order form, and unpackers.
const QStringList HelperNames = {
    QStringLiteral("SETUP"),    QStringLiteral("INSTALL"),  QStringLiteral("CONFIG"),
    QStringLiteral("CONFIGUR"), QStringLiteral("SETSOUND"), QStringLiteral("SETBLAST"),
    QStringLiteral("SETSND"),   QStringLiteral("SETM"),     QStringLiteral("SETMAIN"),
    QStringLiteral("SNDCFG"),   QStringLiteral("SNDSETUP"), QStringLiteral("IMSETUP"),
    QStringLiteral("DXSETUP"),  QStringLiteral("DOS4GW"),   QStringLiteral("DOS32A"),
    QStringLiteral("PMODEW"),   QStringLiteral("CWSDPMI"),  QStringLiteral("LOADFIX"),
    QStringLiteral("README"),   QStringLiteral("READ"),     QStringLiteral("READTHIS"),
    QStringLiteral("HELP"),     QStringLiteral("CATALOG"),  QStringLiteral("ORDER"),
    QStringLiteral("ORDERFRM"), QStringLiteral("REGISTER"), QStringLiteral("VENDOR"),
    QStringLiteral("PKUNZIP"),  QStringLiteral("UNZIP"),    QStringLiteral("LHA"),
    QStringLiteral("ARJ"),      QStringLiteral("DEICE"),
};
// Names that begin so: INSTALL2, INSTALLW, UNINSTAL, UNINST32, SETUP32, SOUNDSET, SOUNDCFG.
const QStringList HelperPrefixes = {QStringLiteral("INSTALL"), QStringLiteral("UNINST"),
                                    QStringLiteral("DEINST"), QStringLiteral("SETUP"),
                                    QStringLiteral("SOUND")};
// Names that end so: GAMESETUP, WINSETUP, KEENCFG.
const QStringList HelperSuffixes = {QStringLiteral("SETUP"), QStringLiteral("CFG")};

// Ties go to the kind a game is most often started by.
int extensionRank(const QString& fileName) {
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    return suffix == u"exe" ? 0 : suffix == u"com" ? 1 : 2;
}

QString lettersAndDigits(const QString& name) {
    QString kept;
    for (const QChar c : name)
        if (c.isLetterOrNumber())
            kept.append(c.toUpper());
    return kept;
}

int longestCommonSubsequence(const QString& a, const QString& b) {
    std::vector<int> row(static_cast<std::size_t>(b.size()) + 1, 0);
    for (const QChar c : a) {
        int diagonal = 0;
        for (qsizetype j = 1; j <= b.size(); ++j) {
            const int above = row[static_cast<std::size_t>(j)];
            row[static_cast<std::size_t>(j)] =
                c == b[j - 1] ? diagonal + 1
                              : std::max(above, row[static_cast<std::size_t>(j - 1)]);
            diagonal = above;
        }
    }
    return row.back();
}

} // namespace

namespace ProgramChoice {

bool isProgramName(const QString& fileName) {
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    return suffix == u"exe" || suffix == u"com" || suffix == u"bat";
}

bool isHelper(const QString& fileName) {
    const QString name = QFileInfo(fileName).completeBaseName().toUpper();
    if (HelperNames.contains(name))
        return true;
    const auto begins = [&](const QString& prefix) {
        return name.startsWith(prefix);
    };
    const auto ends = [&](const QString& suffix) {
        return name.endsWith(suffix);
    };
    return std::any_of(HelperPrefixes.begin(), HelperPrefixes.end(), begins) ||
           std::any_of(HelperSuffixes.begin(), HelperSuffixes.end(), ends);
}

double closeness(const QString& programName, const QString& folderName) {
    const QString program = lettersAndDigits(QFileInfo(programName).completeBaseName());
    const QString folder = lettersAndDigits(folderName);
    if (program.isEmpty() || folder.isEmpty())
        return 0;
    return 2.0 * longestCommonSubsequence(program, folder) / double(program.size() + folder.size());
}

QString choose(const QStringList& programs, const QString& folderName) {
    const bool onlyHelpers =
        std::all_of(programs.begin(), programs.end(), [](const QString& p) { return isHelper(p); });
    QString best;
    double bestScore = -1;
    for (const QString& program : programs) {
        const QString name = QFileInfo(program).fileName();
        if (!onlyHelpers && isHelper(name))
            continue;
        const double score = closeness(name, folderName);
        const bool better =
            best.isEmpty() || score > bestScore ||
            (score == bestScore && std::pair(extensionRank(name), name.toUpper()) <
                                       std::pair(extensionRank(QFileInfo(best).fileName()),
                                                 QFileInfo(best).fileName().toUpper()));
        if (better) {
            best = program;
            bestScore = score;
        }
    }
    return best;
}

} // namespace ProgramChoice
