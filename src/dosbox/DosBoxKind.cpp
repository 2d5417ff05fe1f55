#include "dosbox/DosBoxKind.h"

#include <QDateTime>
#include <QFileInfo>
#include <QHash>
#include <QProcess>

DosBoxKind dosBoxKindOf(const QString& program) {
    static QHash<QString, std::pair<QDateTime, DosBoxKind>> known;
    const QDateTime version = QFileInfo(program).lastModified();
    if (const auto found = known.constFind(program);
        found != known.constEnd() && found->first == version)
        return found->second;

    QProcess probe;
    probe.setStandardInputFile(QProcess::nullDevice());
    probe.setProcessChannelMode(QProcess::MergedChannels);
    probe.start(program, {QStringLiteral("-version")});
    DosBoxKind kind = DosBoxKind::Classic;
    if (!probe.waitForFinished(5000)) {
        probe.kill();
        probe.waitForFinished(1000);
    } else if (probe.readAll().toLower().contains("staging")) {
        kind = DosBoxKind::Staging;
    }
    known.insert(program, {version, kind});
    return kind;
}
