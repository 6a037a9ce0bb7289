#pragma once

class TApplication;

// Implemented by each backend: dispatches the window system's messages until the application is
// asked to terminate.
void RunMessageLoop(TApplication& application);
