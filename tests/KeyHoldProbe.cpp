#include "sim/SharedState.h"
#include "ui/KeyPreview.h"
#include "ui/TrainModel.h"
#include "ui/X11KeyRepeat.h"

#include <QApplication>
#include <QKeyEvent>
#include <QScrollBar>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <cstdlib>

// Shows a window with key preview and a focused scroll bar on the X display it is given, and
// reports on standard output every change of the held-key code, how many key presses the
// window system delivered, and where the scroll bar ends. Runs for the milliseconds given.

namespace {

class PressCounter final : public QObject {
public:
    int presses = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            ++presses;
        }
        return false;
    }
};

} // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    if (argc != 2) {
        std::fputs("usage: key_hold_probe MILLISECONDS\n", stderr);
        return EXIT_FAILURE;
    }
    std::printf("whole repeats %s\n", requestWholeKeyRepeats() ? "on" : "off");

    // Counted before the key preview takes the events.
    PressCounter counter;
    application.installEventFilter(&counter);

    TrainModel model{SharedState{}};
    KeyPreview preview(model);
    QWidget window;
    window.setGeometry(0, 0, 300, 100);
    preview.addWindow(window);
    QScrollBar throttle(Qt::Horizontal, &window);
    throttle.setGeometry(10, 40, 200, 15);
    throttle.setRange(0, 100);
    throttle.setValue(50);
    throttle.setFocusPolicy(Qt::StrongFocus);
    window.show();
    throttle.setFocus();

    KeyCode reported = model.state().KeyDownCode;
    QTimer poll;
    poll.setTimerType(Qt::PreciseTimer);
    QObject::connect(&poll, &QTimer::timeout, [&reported, &model] {
        if (model.state().KeyDownCode != reported) {
            reported = model.state().KeyDownCode;
            std::printf("code %d\n", reported);
            std::fflush(stdout);
        }
    });
    poll.start(1);

    QTimer::singleShot(0, [&window] {
        std::printf("ready %llu\n", static_cast<unsigned long long>(window.winId()));
        std::fflush(stdout);
    });
    QTimer::singleShot(std::atoi(argv[1]), [&] {
        std::printf("presses %d\nthrottle %d\n", counter.presses, throttle.value());
        QApplication::quit();
    });
    return QApplication::exec();
}
