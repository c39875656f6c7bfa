// Measures, for a program and a baseline started in turn, the time from exec()
// to the first window mapped on the X display, the time until that window's
// first drawing reaches the X server (XDamage), and the resident memory one
// second after the mapping; prints the medians and the program's ratio to the
// baseline. Each run starts with a fresh runtime and configuration folder.
// Usage: bench_startup_time RUNS BASELINE PROGRAM [LABEL]
// (DISPLAY must name a running X server)
#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

struct Run {
    double mappedMs = 0;
    double paintedMs = 0;
    double residentMiB = 0;
};

struct Series {
    const char* program;
    std::vector<double> mappedMs;
    std::vector<double> paintedMs;
    std::vector<double> residentMiB;
};

int damageEventBase = 0;

double residentMiB(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0)
            return std::atof(line.c_str() + 6) / 1024.0;
    return 0;
}

std::string loadAverage() {
    std::ifstream file("/proc/loadavg");
    std::string one, five, fifteen;
    file >> one >> five >> fifteen;
    return one + " " + five + " " + fifteen;
}

Run runOnce(Display* display, const char* program, const std::string& runtime) {
    std::system(("rm -rf " + runtime + " && mkdir -p -m 700 " + runtime).c_str());
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
        setenv("XDG_CONFIG_HOME", (runtime + "/config").c_str(), 1);
        execl(program, program, static_cast<char*>(nullptr));
        _exit(127);
    }
    // Every window the program creates is watched for drawing; the first
    // drawing into the window that is mapped ends the second measure.
    std::map<Window, Damage> damages;
    Window mapped = None;
    std::chrono::steady_clock::time_point shown;
    std::chrono::steady_clock::time_point painted;
    while (painted.time_since_epoch().count() == 0) {
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == CreateNotify) {
            damages[event.xcreatewindow.window] =
                XDamageCreate(display, event.xcreatewindow.window, XDamageReportNonEmpty);
        } else if (event.type == MapNotify && mapped == None) {
            mapped = event.xmap.window;
            shown = std::chrono::steady_clock::now();
        } else if (event.type == damageEventBase + XDamageNotify && mapped != None &&
                   reinterpret_cast<XDamageNotifyEvent&>(event).drawable == mapped) {
            painted = std::chrono::steady_clock::now();
        }
    }
    std::this_thread::sleep_for(std::chrono::seconds(1));
    Run run;
    run.mappedMs = std::chrono::duration<double, std::milli>(shown - start).count();
    run.paintedMs = std::chrono::duration<double, std::milli>(painted - start).count();
    run.residentMiB = residentMiB(child);
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    // The windows are gone with the program; their damage objects go too.
    XSync(display, False);
    while (XPending(display)) {
        XEvent event;
        XNextEvent(display, &event);
    }
    (void)damages;
    std::system(("rm -rf " + runtime).c_str());
    return run;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

void printRow(const char* what, const char* unit, const std::vector<double>& program,
              const std::vector<double>& baseline) {
    const double p = median(program);
    const double b = median(baseline);
    std::printf("  %-28s %8.1f %-3s %8.1f %-3s %6.2f x   (program %.1f-%.1f, baseline %.1f-%.1f)\n",
                what, p, unit, b, unit, p / b, *std::min_element(program.begin(), program.end()),
                *std::max_element(program.begin(), program.end()),
                *std::min_element(baseline.begin(), baseline.end()),
                *std::max_element(baseline.begin(), baseline.end()));
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s RUNS BASELINE PROGRAM [LABEL]\n", argv[0]);
        return 2;
    }
    const int runs = std::max(1, std::atoi(argv[1]));
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "no X display\n");
        return 1;
    }
    int damageError = 0;
    if (!XDamageQueryExtension(display, &damageEventBase, &damageError)) {
        std::fprintf(stderr, "the X server has no DAMAGE extension\n");
        return 1;
    }
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    Series baseline{argv[2], {}, {}, {}};
    Series program{argv[3], {}, {}, {}};
    const std::string loadBefore = loadAverage();
    const std::string runtime = "/tmp/bench-startup-" + std::to_string(getpid());
    // Turn about, so that neither side always runs on a cache the other warmed.
    for (int run = 0; run < runs; ++run)
        for (Series* series : run % 2 ? std::vector<Series*>{&program, &baseline}
                                      : std::vector<Series*>{&baseline, &program}) {
            const Run r = runOnce(display, series->program, runtime);
            series->mappedMs.push_back(r.mappedMs);
            series->paintedMs.push_back(r.paintedMs);
            series->residentMiB.push_back(r.residentMiB);
        }
    std::printf("%s: %d runs each, interleaved; load average %s before, %s after\n",
                argc > 4 ? argv[4] : argv[3], runs, loadBefore.c_str(), loadAverage().c_str());
    std::printf("  %-28s %12s %12s %8s\n", "median", "program", "baseline", "ratio");
    printRow("exec -> window mapped", "ms", program.mappedMs, baseline.mappedMs);
    printRow("exec -> first drawing shown", "ms", program.paintedMs, baseline.paintedMs);
    printRow("resident 1 s after mapping", "MiB", program.residentMiB, baseline.residentMiB);
    XCloseDisplay(display);
    return 0;
}
