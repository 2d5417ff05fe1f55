#pragma once

#include "platform/ProgramStarter.h"

#include <QList>

// Records every program start; answers as told, or passes the start on to another starter.
class RecordingStarter : public ProgramStarter {
public:
    bool Shell(const ProgramStart& start) override {
        starts.append(start);
        return passTo ? passTo->Shell(start) : succeeds;
    }

    QList<ProgramStart> starts;
    bool succeeds = true;
    ProgramStarter* passTo = nullptr;
};
