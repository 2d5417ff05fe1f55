#pragma once

#include "platform/ProgramStarter.h"

// Starts programs as detached processes, their output and errors going to the last-start log
// (platform/LastStartLog.h) rather than to the terminal Kavrel came from.
class ProcessStarter : public ProgramStarter {
public:
    bool Shell(const ProgramStart& start) override;
};
