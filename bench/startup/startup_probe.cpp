// Starts a program and prints the milliseconds from launch to its first mapped top-level window,
// as an X client sees it; then ends the program. Used by bench/compare-startup.sh.
//
//   bench_startup_probe PROGRAM [ARGS...]
#include <X11/Xlib.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s PROGRAM [ARGS...]\n", argv[0]);
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "%s: no X display\n", argv[0]);
        return 2;
    }
    // Watching the root's children before the program starts: no map can be missed.
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[1], argv + 1);
        _exit(127);
    }
    int status = 1;
    for (;;) {
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == MapNotify && !event.xmap.override_redirect) {
            const std::chrono::duration<double, std::milli> took =
                std::chrono::steady_clock::now() - start;
            std::printf("%.1f\n", took.count());
            status = 0;
            break;
        }
    }
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    XCloseDisplay(display);
    return status;
}
