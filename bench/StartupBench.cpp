#include "StartupBench.h"

#include "BenchProgram.h"
#include "app/ProgramSetup.h"
#include "ui/TrackMapWindow.h"
#include "ui/TrackView.h"
#include "ui/TrainControlWindow.h"
#include "ui/WindowSystem.h"

#include <QApplication>
#include <QEvent>
#include <QEventLoop>
#include <QTimer>
#include <QWindow>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

// Notes when both main windows are first exposed and when the track view's first frame has
// been painted and handed to the window system.
class StartupWatch final : public QObject {
public:
    // Runs the event loop until the first frame has been drawn. The application's own quit
    // would close the windows, and so run Quit.
    void waitForFirstFrame() { m_loop.exec(); }

    std::int64_t shownAt = 0;
    std::int64_t drawnAt = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Expose && shownAt == 0) {
            noteExposed(qobject_cast<QWindow*>(watched));
        }
        if (event->type() == QEvent::Paint && !m_painted &&
            qobject_cast<TrackView*>(watched) != nullptr) {
            m_painted = true;
            // The paint and its flush finish before the loop runs this.
            QTimer::singleShot(0, this, [this] {
                drawnAt = steadyNanoseconds();
                m_loop.quit();
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    void noteExposed(const QWindow* window) {
        if (window == nullptr || !window->isExposed()) {
            return;
        }
        for (const QWidget* widget : QApplication::topLevelWidgets()) {
            if (widget->windowHandle() != window) {
                continue;
            }
            m_trackMapShown |= qobject_cast<const TrackMapWindow*>(widget) != nullptr;
            m_trainControlShown |= qobject_cast<const TrainControlWindow*>(widget) != nullptr;
        }
        if (m_trackMapShown && m_trainControlShown) {
            shownAt = steadyNanoseconds();
        }
    }

    bool m_trackMapShown = false;
    bool m_trainControlShown = false;
    bool m_painted = false;
    QEventLoop m_loop;
};

struct StartTimes {
    double shownMilliseconds = 0;
    double drawnMilliseconds = 0;
};

StartTimes startOnce(const char* benchPath) {
    std::array<int, 2> pipeEnds{};
    if (pipe(pipeEnds.data()) != 0) {
        std::perror("bench: pipe");
        std::exit(EXIT_FAILURE);
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);
    std::array<char*, 3> arguments{const_cast<char*>(benchPath), const_cast<char*>("startup-child"),
                                   nullptr};
    pid_t child = 0;
    const std::int64_t startedAt = steadyNanoseconds();
    const int spawnError =
        posix_spawn(&child, benchPath, &actions, nullptr, arguments.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(pipeEnds[1]);
    if (spawnError != 0) {
        std::fprintf(stderr, "bench: cannot start %s\n", benchPath);
        std::exit(EXIT_FAILURE);
    }
    long long shownAt = 0;
    long long drawnAt = 0;
    std::FILE* report = fdopen(pipeEnds[0], "r");
    const bool read =
        report != nullptr && std::fscanf(report, "%lld %lld", &shownAt, &drawnAt) == 2;
    if (report != nullptr) {
        std::fclose(report);
    }
    int status = 0;
    waitpid(child, &status, 0);
    if (!read || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "bench: a start failed to report its times\n");
        std::exit(EXIT_FAILURE);
    }
    return {static_cast<double>(shownAt - startedAt) / 1e6,
            static_cast<double>(drawnAt - startedAt) / 1e6};
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

} // namespace

int runStartup(int runs, const char* benchPath) {
    std::vector<double> shown;
    std::vector<double> drawn;
    for (int run = 0; run < runs; ++run) {
        const StartTimes times = startOnce(benchPath);
        shown.push_back(times.shownMilliseconds);
        drawn.push_back(times.drawnMilliseconds);
    }
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    std::printf("start-up on %s, %d starts: median to both windows shown %.1f ms (fastest %.1f, "
                "slowest %.1f); to the first frame drawn %.1f ms\n",
                platform != nullptr ? platform : "the default platform", runs, median(shown),
                *std::min_element(shown.begin(), shown.end()),
                *std::max_element(shown.begin(), shown.end()), median(drawn));
    return 0;
}

int runStartupChild(int argc, char* argv[]) {
    // The program's own start, with the watch in place before the first window is made.
    WindowSystemChoice windowSystem = chooseWindowSystem(argc, argv);
    if (const auto& noDisplay = windowSystem.failure()) {
        std::fprintf(stderr, "start-up benchmark: %s\n", noDisplay->c_str());
        return EXIT_FAILURE;
    }
    QApplication application(argc, argv);
    windowSystem.releaseProbe();
    StartupWatch watch;
    application.installEventFilter(&watch);
    // The benchmark's own arguments are none of the program's.
    if (!prepareProgram(1, argv)) {
        return EXIT_FAILURE;
    }
    const BenchProgram program(QByteArray{});
    watch.waitForFirstFrame();
    std::printf("%lld %lld\n", static_cast<long long>(watch.shownAt),
                static_cast<long long>(watch.drawnAt));
    return watch.shownAt > 0 && watch.drawnAt > 0 ? 0 : EXIT_FAILURE;
}
