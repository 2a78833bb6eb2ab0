// Start-up of the real program against bare Qt windows, seen from outside on an X server.
//
//   startup_bench PROGRAM BARE_WINDOW [ROUNDS]
//
// The references are BARE_WINDOW alone and BARE_WINDOW with its one bold label ("label"). Each
// round starts the three one after the other, rotating which goes first, and measures the time from
// just before the process is created to the first frame painted into its window: the X DAMAGE
// extension reports every drawing into the window, and the frame counts as painted once both corner
// pixels show the window's brown. After half a second of idling the resident memory is read from
// /proc. Prints medians and ratios.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xdamage.h>

#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

namespace {

using clock_type = std::chrono::steady_clock;

struct Sample
{
    double startup_ms;
    long rss_kib;
};

long residentKib(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string key;
    while (status >> key) {
        if (key == "VmRSS:") {
            long kib = 0;
            status >> kib;
            return kib;
        }
        status.ignore(1 << 16, '\n');
    }
    return -1;
}

bool cornersPainted(Display *display, Window window)
{
    constexpr unsigned long brown = 0x804040;
    for (auto [x, y] : {std::pair{3, 3}, {977, 727}}) {
        XImage *image = XGetImage(display, window, x, y, 1, 1, AllPlanes, ZPixmap);
        if (!image)
            return false;
        const unsigned long pixel = XGetPixel(image, 0, 0) & 0xffffff;
        XDestroyImage(image);
        if (pixel != brown)
            return false;
    }
    return true;
}

int damageEventBase = 0;

Sample startOnce(Display *display, const char *program, const char *argument = nullptr)
{
    const Window root = DefaultRootWindow(display);
    XSync(display, True); // drop what earlier rounds left

    const auto started = clock_type::now();
    const pid_t pid = fork();
    if (pid == 0) {
        execl(program, program, argument, static_cast<char *>(nullptr));
        std::perror("exec");
        _exit(127);
    }

    Window window = 0;
    Damage damage = 0;
    double elapsed = -1;
    pollfd connection{ConnectionNumber(display), POLLIN, 0};
    while (elapsed < 0) {
        if (!XPending(display) && poll(&connection, 1, 20000) <= 0) {
            std::fprintf(stderr, "%s: no frame within 20 s\n", program);
            break;
        }
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == MapNotify && !window && event.xmap.event == root) {
            XWindowAttributes attributes;
            XGetWindowAttributes(display, event.xmap.window, &attributes);
            if (attributes.width == 981 && attributes.height == 730) {
                window = event.xmap.window;
                damage = XDamageCreate(display, window, XDamageReportNonEmpty);
                if (cornersPainted(display, window))
                    elapsed = std::chrono::duration<double, std::milli>(clock_type::now() - started)
                                  .count();
            }
        } else if (event.type == damageEventBase + XDamageNotify && window) {
            XDamageSubtract(display, damage, None, None);
            if (cornersPainted(display, window))
                elapsed =
                    std::chrono::duration<double, std::milli>(clock_type::now() - started).count();
        }
    }

    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    const long rss = residentKib(pid);
    if (damage)
        XDamageDestroy(display, damage);
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    return {elapsed, rss};
}

template <typename T> T median(std::vector<T> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s PROGRAM BARE_WINDOW [ROUNDS]\n", argv[0]);
        return 2;
    }
    const int rounds = argc > 3 ? std::atoi(argv[3]) : 15;
    Display *display = XOpenDisplay(nullptr);
    int errorBase = 0;
    int major = 1, minor = 1;
    if (!display || !XDamageQueryExtension(display, &damageEventBase, &errorBase) ||
        !XDamageQueryVersion(display, &major, &minor)) {
        std::fprintf(stderr, "needs an X server with the DAMAGE extension\n");
        return 1;
    }
    // A window may be gone before its damage object: such errors are no concern here.
    XSetErrorHandler([](Display *, XErrorEvent *) { return 0; });
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);

    struct Subject
    {
        const char *name, *program, *argument;
        std::vector<double> ms;
        std::vector<long> kib;
    };
    Subject subjects[] = {{"program", argv[1], nullptr, {}, {}},
                          {"bare window", argv[2], nullptr, {}, {}},
                          {"one-label window", argv[2], "label", {}, {}}};
    for (Subject &s : subjects) // warm the caches of fonts and libraries for all
        startOnce(display, s.program, s.argument);
    for (int round = 0; round < rounds; ++round) {
        for (int turn = 0; turn < 3; ++turn) {
            Subject &s = subjects[(round + turn) % 3];
            const Sample sample = startOnce(display, s.program, s.argument);
            s.ms.push_back(sample.startup_ms);
            s.kib.push_back(sample.rss_kib);
        }
    }
    std::printf("rounds: %d, medians\n", rounds);
    for (const Subject &s : subjects)
        std::printf("%-17s first frame %7.1f ms   idle resident %7ld KiB\n", s.name, median(s.ms),
                    median(s.kib));
    const Subject &program = subjects[0];
    for (const Subject &reference : {subjects[1], subjects[2]}) {
        std::printf("program / %-17s first frame %.2f   resident %.2f\n", reference.name,
                    median(program.ms) / median(reference.ms),
                    double(median(program.kib)) / double(median(reference.kib)));
    }
    XCloseDisplay(display);
    return 0;
}
