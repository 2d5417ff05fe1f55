#pragma once

#include "platform/ProgramStarter.h"

#include <QList>

// Records every program start instead of starting anything; answers as told.
class RecordingStarter : public ProgramStarter {
public:
    bool Shell(const ProgramStart& start) override {
        starts.append(start);
        return succeeds;
    }

    QList<ProgramStart> starts;
    bool succeeds = true;
};
