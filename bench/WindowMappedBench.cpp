// From a program's start to its window being mapped on the X display, for the message window and
// for the least GTK program with the same controls, side by side. Run under Xvfb:
//   xvfb-run -a build/native/bin/vexa_window_mapped_bench
#include <X11/Xlib.h>
#include <benchmark/benchmark.h>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// Starts Program with its output discarded and returns the seconds until it maps a top-level
// window; the program is then ended.
double SecondsUntilMapped(Display* display, const char* program) {
    XSync(display, True); // forget what earlier runs left
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        const int null = open("/dev/null", O_RDWR);
        dup2(null, STDOUT_FILENO);
        dup2(null, STDERR_FILENO);
        execl(program, program, static_cast<char*>(nullptr));
        _exit(127);
    }
    double seconds = -1;
    for (;;) {
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == MapNotify && event.xmap.event == DefaultRootWindow(display)) {
            seconds =
                std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
            break;
        }
    }
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    return seconds;
}

void WindowMapped(benchmark::State& state, const char* program) {
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        state.SkipWithError("no X display: run under xvfb-run");
        return;
    }
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    for (auto _ : state) {
        state.SetIterationTime(SecondsUntilMapped(display, program));
    }
    XCloseDisplay(display);
}

} // namespace

BENCHMARK_CAPTURE(WindowMapped, MessageWindow, VEXA_MESSAGE_WINDOW_PROGRAM)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(20);
BENCHMARK_CAPTURE(WindowMapped, MinimalGtkWindow, VEXA_MINIMAL_WINDOW_PROGRAM)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(20);
