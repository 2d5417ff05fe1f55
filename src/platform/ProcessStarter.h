#pragma once

#include "platform/ProgramStarter.h"

// Starts programs as detached processes.
class ProcessStarter : public ProgramStarter {
public:
    bool Shell(const ProgramStart& start) override;
};
