#pragma once

#include "platform/ProgramStarter.h"

#include <QList>

// Records every program start; it succeeds, or passes the start on to another starter.
class RecordingStarter : public ProgramStarter {
public:
    bool Shell(const ProgramStart& start) override {
        starts.append(start);
        return passTo ? passTo->Shell(start) : true;
    }

    QList<ProgramStart> starts;
    ProgramStarter* passTo = nullptr;
};
