#pragma once

#include <span>

// One step of bringing the program up or down, named after what it brings up or releases.
struct TSequenceStep {
    const char* Name;
    void (*Run)();
};

// The fixed order in which the subsystems come up before any window exists, and the order in
// which they are released after the message loop. Every release step tolerates a subsystem that
// never came up, so that a start-up that fails part way still releases what it created.
std::span<const TSequenceStep> StartupSteps();
std::span<const TSequenceStep> ShutdownSteps();

// Runs start-up, the message loop and shutdown; returns the process's exit status.
int RunProgram();
