// The time from a tap on the board of the running program to the tap's
// recording being heard at the sound server, beside the time from exec() of
// `paplay` with the same recording to its sound, measured the same way in the
// same run; prints the medians and the program's ratio to paplay.
//
// The tap is a real X click (XTest) on the cell "あ" of the program's window,
// found from the window's geometry and the design layout. "Heard" is the
// moment the first loud sample reaches a recording stream on the monitor of
// the null sink, read in blocks of 1 ms. With the default options a board tap
// speaks the cell and opens the selection panel, which "戻る" closes again
// before the next tap. A second series taps the board-set button just before
// the cell, so that the cell's recording is one of the new board's. Program
// and paplay runs take turns, each after 300 ms of silence.
//
// Usage: bench_tap_to_sound RUNS PROGRAM
// PROGRAM is the talk executable in a folder with its recordings; DISPLAY and
// the sound server (PULSE_SERVER) must be those the program will use.
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <pulse/error.h>
#include <pulse/simple.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

// A sample louder than this is sound; the null sink's silence is exact zeros.
constexpr int kLoud = 1000;

[[noreturn]] void fail(const std::string& what) {
    std::fprintf(stderr, "bench_tap_to_sound: %s\n", what.c_str());
    std::exit(1);
}

// Reads the null sink's monitor in 1 ms blocks on a thread of its own and
// notes when sound arrives and when it was last heard.
class MonitorListener {
public:
    MonitorListener() {
        const pa_sample_spec sampleFormat{PA_SAMPLE_S16LE, 44100, 2};
        pa_buffer_attr attr{};
        attr.maxlength = std::uint32_t(-1);
        attr.fragsize = kBlockBytes;
        int error = 0;
        m_stream = pa_simple_new(nullptr, "bench_tap_to_sound", PA_STREAM_RECORD, "null.monitor",
                                 "monitor", &sampleFormat, nullptr, &attr, &error);
        if (!m_stream)
            fail(std::string("no recording stream on null.monitor: ") + pa_strerror(error));
        m_thread = std::thread([this] { listen(); });
    }
    ~MonitorListener() {
        m_running = false;
        m_thread.join();
        pa_simple_free(m_stream);
    }

    // Forgets the last arrival; the next loud block is noted.
    void arm() { m_arrived = 0; }
    std::optional<Clock::time_point> waitForSound(std::chrono::milliseconds timeout) const {
        const auto end = Clock::now() + timeout;
        while (Clock::now() < end) {
            if (const auto at = m_arrived.load())
                return Clock::time_point(Clock::duration(at));
            std::this_thread::sleep_for(200us);
        }
        return std::nullopt;
    }
    void waitForSilence(std::chrono::milliseconds quiet) const {
        const auto end = Clock::now() + 20s;
        while (Clock::now() < end) {
            if (Clock::now() - Clock::time_point(Clock::duration(m_lastLoud.load())) >= quiet)
                return;
            std::this_thread::sleep_for(5ms);
        }
        fail("the sound does not stop");
    }

private:
    static constexpr size_t kBlockBytes = 44100 * 4 / 1000;

    void listen() {
        std::vector<std::int16_t> block(kBlockBytes / 2);
        while (m_running) {
            int error = 0;
            if (pa_simple_read(m_stream, block.data(), kBlockBytes, &error) < 0)
                fail(std::string("monitor read failed: ") + pa_strerror(error));
            const auto now = Clock::now().time_since_epoch().count();
            if (std::any_of(block.begin(), block.end(),
                            [](std::int16_t s) { return std::abs(int(s)) > kLoud; })) {
                m_lastLoud = now;
                std::int64_t none = 0;
                m_arrived.compare_exchange_strong(none, now);
            }
        }
    }

    pa_simple* m_stream = nullptr;
    std::thread m_thread;
    std::atomic<bool> m_running{true};
    std::atomic<std::int64_t> m_arrived{0};
    std::atomic<std::int64_t> m_lastLoud{0};
};

// The program's main window on the X display, and clicks at design positions
// (twips of the client area, scaled as the window is).
class ProgramWindow {
public:
    ProgramWindow(Display* display, Window window)
        : m_display(display) {
        XWindowAttributes attributes;
        XGetWindowAttributes(display, window, &attributes);
        Window child;
        XTranslateCoordinates(display, window, DefaultRootWindow(display), 0, 0, &m_x, &m_y,
                              &child);
        m_scale = attributes.width / (15270.0 / 15);
    }

    void moveTo(int twipsX, int twipsY) const {
        XTestFakeMotionEvent(m_display, -1, m_x + int(twipsX / 15.0 * m_scale),
                             m_y + int(twipsY / 15.0 * m_scale), 0);
        XSync(m_display, False);
    }
    void click() const {
        XTestFakeButtonEvent(m_display, 1, True, 0);
        XTestFakeButtonEvent(m_display, 1, False, 0);
        XFlush(m_display);
    }
    void clickAt(int twipsX, int twipsY) const {
        moveTo(twipsX, twipsY);
        click();
    }

private:
    Display* m_display;
    int m_x = 0;
    int m_y = 0;
    double m_scale = 1;
};

// Design positions: the cell of column 9, row 0 of the ten-column board
// (あ, ア or 0), "戻る" of the selection panel laid over the board, and the
// board-set button.
constexpr int kCellX = 9 * 1530 + 765;
constexpr int kCellY = 2400 + 5715 / 10;
constexpr int kPanelBackX = 6120 + 9075 / 2;
constexpr int kPanelBackY = 2400 + 7200 + 1560 / 2;
constexpr int kBoardSetX = 12870 + 2295 / 2;
constexpr int kBoardSetY = 9990 + 1065 / 2;

pid_t startProgram(const std::string& program, const std::string& runtime) {
    std::system(("rm -rf " + runtime + " && mkdir -p -m 700 " + runtime).c_str());
    const pid_t child = fork();
    if (child == 0) {
        setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
        setenv("XDG_CONFIG_HOME", (runtime + "/config").c_str(), 1);
        execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    return child;
}

Window waitForMappedWindow(Display* display) {
    XEvent event;
    do {
        XNextEvent(display, &event);
    } while (event.type != MapNotify);
    return event.xmap.window;
}

double millisecondsBetween(Clock::time_point from, Clock::time_point to) {
    return std::chrono::duration<double, std::milli>(to - from).count();
}

double tapToSound(const ProgramWindow& window, MonitorListener& monitor, bool changeBoard) {
    if (changeBoard) {
        window.clickAt(kBoardSetX, kBoardSetY);
        std::this_thread::sleep_for(20ms);
    }
    window.moveTo(kCellX, kCellY);
    monitor.arm();
    const auto tapped = Clock::now();
    window.click();
    const auto heard = monitor.waitForSound(3s);
    if (!heard)
        fail("the tap was not heard");
    // The voice's pause, then the selection panel; "戻る" closes it.
    std::this_thread::sleep_for(900ms);
    window.clickAt(kPanelBackX, kPanelBackY);
    return millisecondsBetween(tapped, *heard);
}

double paplayToSound(const std::string& clip, MonitorListener& monitor) {
    monitor.arm();
    const auto started = Clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execlp("paplay", "paplay", clip.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    const auto heard = monitor.waitForSound(3s);
    waitpid(child, nullptr, 0);
    if (!heard)
        fail("paplay was not heard");
    return millisecondsBetween(started, *heard);
}

struct Stats {
    double median;
    double min;
    double max;
};

Stats stats(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return {n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2, values.front(),
            values.back()};
}

void printRow(const char* what, const std::vector<double>& program, const Stats& baseline) {
    const Stats p = stats(program);
    std::printf("  %-40s %7.1f ms %7.1f ms %6.2f x   (program %.1f-%.1f)\n", what, p.median,
                baseline.median, p.median / baseline.median, p.min, p.max);
}

std::string loadAverage() {
    std::ifstream file("/proc/loadavg");
    std::string one, five, fifteen;
    file >> one >> five >> fifteen;
    return one + " " + five + " " + fifteen;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s RUNS PROGRAM\n", argv[0]);
        return 2;
    }
    const int runs = std::max(1, std::atoi(argv[1]));
    const std::string program = argv[2];
    const std::string clip = program.substr(0, program.rfind('/') + 1) + "あ.wav";
    Display* display = XOpenDisplay(nullptr);
    if (!display)
        fail("no X display");
    int event = 0, error = 0, major = 0, minor = 0;
    if (!XTestQueryExtension(display, &event, &error, &major, &minor))
        fail("the X server has no XTEST extension");
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);

    MonitorListener monitor;
    const std::string runtime = "/tmp/bench-tap-" + std::to_string(getpid());
    const pid_t child = startProgram(program, runtime);
    const ProgramWindow window(display, waitForMappedWindow(display));
    // Whatever the program prepares after its window shows is ready by now.
    std::this_thread::sleep_for(2s);

    const std::string loadBefore = loadAverage();
    std::vector<double> paplay, tap, tapAfterChange;
    for (int run = 0; run < runs; ++run) {
        monitor.waitForSilence(300ms);
        paplay.push_back(paplayToSound(clip, monitor));
        monitor.waitForSilence(300ms);
        tap.push_back(tapToSound(window, monitor, false));
        monitor.waitForSilence(300ms);
        paplay.push_back(paplayToSound(clip, monitor));
        monitor.waitForSilence(300ms);
        tapAfterChange.push_back(tapToSound(window, monitor, true));
    }
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    std::system(("rm -rf " + runtime).c_str());

    const Stats baseline = stats(paplay);
    std::printf("tap -> sound: %d runs each, interleaved; load average %s before, %s after\n", runs,
                loadBefore.c_str(), loadAverage().c_str());
    std::printf("  %-40s %10s %10s %8s\n", "median", "program", "paplay", "ratio");
    printRow("board tap -> heard", tap, baseline);
    printRow("board tap after a board change -> heard", tapAfterChange, baseline);
    std::printf("  paplay exec -> heard: median %.1f ms, %.1f-%.1f\n", baseline.median,
                baseline.min, baseline.max);
    return 0;
}
