// Measures the time from exec() of a program to its first window being mapped
// on the X display, over several runs, and prints the median in milliseconds.
// Usage: bench_startup_time PROGRAM [RUNS]   (DISPLAY must name a running X server)
#include <X11/Xlib.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {
double runOnce(Display* display, const char* program, int run) {
    const std::string runtime =
        "/tmp/bench-startup-" + std::to_string(getpid()) + "-" + std::to_string(run);
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
        setenv("XDG_CONFIG_HOME", (runtime + "/config").c_str(), 1);
        execl(program, program, static_cast<char*>(nullptr));
        _exit(127);
    }
    XEvent event;
    do {
        XNextEvent(display, &event);
    } while (event.type != MapNotify);
    const auto shown = std::chrono::steady_clock::now();
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    std::system(("rm -rf " + runtime).c_str());
    return std::chrono::duration<double, std::milli>(shown - start).count();
}
} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s PROGRAM [RUNS]\n", argv[0]);
        return 2;
    }
    const int runs = argc > 2 ? std::atoi(argv[2]) : 10;
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "no X display\n");
        return 1;
    }
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        const std::string runtime =
            "/tmp/bench-startup-" + std::to_string(getpid()) + "-" + std::to_string(run);
        std::system(("mkdir -p -m 700 " + runtime).c_str());
        times.push_back(runOnce(display, argv[1], run));
    }
    std::sort(times.begin(), times.end());
    std::printf("%s: median %.1f ms, min %.1f ms, max %.1f ms over %d runs\n", argv[1],
                times[times.size() / 2], times.front(), times.back(), runs);
    XCloseDisplay(display);
    return 0;
}
