#include "BenchProgram.h"

#include "app/Program.h"
#include "ui/TrackView.h"

#include <QDir>
#include <QEvent>
#include <QEventLoop>
#include <QFile>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>

#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sys/resource.h>

namespace {

// Ends the run at once: the windows are still up, and unloading them is no part of a
// failed benchmark.
[[noreturn]] void stop(const char* what, const char* name = "") {
    std::fprintf(stderr, "bench: %s%s\n", what, name);
    std::_Exit(EXIT_FAILURE);
}

template <typename Found>
Found& found(Found* pointer, const char* name) {
    if (pointer == nullptr) {
        stop("the program has no ", name);
    }
    return *pointer;
}

} // namespace

std::int64_t steadyNanoseconds() {
    return SteadyClock().now();
}

ProcessUsage processUsage() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& time) {
        return static_cast<double>(time.tv_sec) + static_cast<double>(time.tv_usec) / 1e6;
    };
    return {seconds(usage.ru_utime) + seconds(usage.ru_stime),
            static_cast<double>(usage.ru_maxrss) / 1024.0};
}

void runEventLoopFor(int milliseconds) {
    QEventLoop loop;
    QTimer::singleShot(milliseconds, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}

int wholeNumberArgument(const char* text, int lowest, int highest) {
    int value = 0;
    const char* end = text + std::strlen(text);
    const auto [rest, error] = std::from_chars(text, end, value);
    if (error != std::errc() || rest != end || value < lowest || value > highest) {
        std::fprintf(stderr, "bench: \"%s\" is not a whole number from %d to %d\n", text, lowest,
                     highest);
        std::exit(EXIT_FAILURE);
    }
    return value;
}

BenchProgram::BenchProgram(const QByteArray& settings) {
    if (!m_folder.isValid() || !QDir(m_folder.path()).mkpath(QStringLiteral("Varnok"))) {
        stop("cannot make a settings folder");
    }
    QFile file(m_folder.path() + QStringLiteral("/Varnok/Varnok.conf"));
    if (!file.open(QIODevice::WriteOnly) || file.write(settings) != settings.size()) {
        stop("cannot write the settings file");
    }
    file.close();
    qputenv("XDG_CONFIG_HOME", m_folder.path().toLocal8Bit());
    m_program = std::make_unique<Program>(m_clock);
    m_program->show();
}

BenchProgram::~BenchProgram() = default;

std::int64_t BenchProgram::catchUp() {
    m_program->model().catchUp();
    return m_program->driver().time();
}

void BenchProgram::openOverview() {
    found(m_program->trackMap().findChild<QPushButton*>(QStringLiteral("cmdOverview")),
          "Overview button")
        .click();
}

void BenchProgram::setThrottles(int trains, int value) {
    for (int i = 0; i < trains; ++i) {
        const QString name = QStringLiteral("HScrollTrainSpeed%1").arg(i);
        found(m_program->trainControl().findChild<QScrollBar*>(name), "throttle").setValue(value);
    }
}

StepCounter::StepCounter(BenchProgram& program, int train) {
    const TrainDriver& driver = program.program().driver();
    connect(&driver, &TrainDriver::stepped, this, [this, train, &driver](int index) {
        if (index != train) {
            return;
        }
        lastStepAt = driver.time();
        if (steps++ == 0) {
            firstStepAt = lastStepAt;
        }
    });
}

PaintCounter::PaintCounter(BenchProgram& program) {
    program.program().trackMap().trackView().installEventFilter(this);
}

bool PaintCounter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Paint) {
        ++paints;
    }
    return QObject::eventFilter(watched, event);
}
