#include "launch/StartFailure.h"

#include "platform/LastStartLog.h"
#include "store/GameTable.h"

QString startFailure(const GameEntry& game, const QString& program) {
    const QString what =
        game.GType ? QStringLiteral("The DOSBox at %1 could not start: choose another with "
                                    "Locate DOSBox... in the DOSBox menu.")
                         .arg(program)
                   : program + QStringLiteral(" could not be started.");
    return what + u'\n' + lastStartLogHint();
}
