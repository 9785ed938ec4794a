#include "sim/KeyCodes.h"
#include "sim/SharedState.h"
#include "track/TrackLayout.h"
#include "ui/DesignUnits.h"
#include "ui/OverviewWindow.h"
#include "ui/TrackMapWindow.h"
#include "ui/TrainControlWindow.h"
#include "ui/TrainModel.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QThread>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <xcb/xcb.h>

// Reads what the running program shows on the X display, for the end-to-end test and the
// README's screenshot. It never touches the program: it grabs pixels of its windows, and
// finds where a control lies from a window of its own, built by the program's own code and
// never shown.
//
//   screen_probe cells WINDOW               every shown track cell's colour, "index rrggbb"
//   screen_probe marker WINDOW MILLISECONDS the controlled-train marker's colours, one line
//                                           at each change, watched every few milliseconds
//   screen_probe keyfield WINDOW            the code that the overview's held-key field shows
//   screen_probe centre WINDOWNAME CONTROL  where a control's middle lies in its window
//   screen_probe shot FILE                  the whole screen, as a PNG file
//   screen_probe destroy WINDOW             destroys the window, as another client may
//
// WINDOW is an X window id; WINDOWNAME is frmTrackMap, frmTrainControl or frmOverview.

namespace {

QString hex(const QColor& color) {
    return QString::asprintf("%02x%02x%02x", color.red(), color.green(), color.blue());
}

QImage grab(WId window, const QRect& area = QRect(0, 0, -1, -1)) {
    return QGuiApplication::primaryScreen()
        ->grabWindow(window, area.x(), area.y(), area.width(), area.height())
        .toImage();
}

WId windowId(const char* text) {
    return static_cast<WId>(std::strtoull(text, nullptr, 0));
}

StoredPlace unplaced() {
    return StoredPlace({0, 0}, {0, 0}, {}, false);
}

// The program's windows, built by its own code and never shown.
struct DesignWindows {
    TrainModel model{SharedState{}};
    TrackCells cells;
    TrackMapWindow trackMap{model, cells, unplaced()};
    TrainControlWindow trainControl{model, unplaced()};
    OverviewWindow overview{model, unplaced()};

    QWidget* named(const QString& name) {
        if (name == QStringLiteral("frmTrackMap")) {
            return &trackMap;
        }
        if (name == QStringLiteral("frmTrainControl")) {
            return &trainControl;
        }
        if (name == QStringLiteral("frmOverview")) {
            return &overview;
        }
        return nullptr;
    }
};

QRect placeIn(QWidget& window, const char* control) {
    auto* widget = window.findChild<QWidget*>(QString::fromLatin1(control));
    if (widget == nullptr) {
        std::fprintf(stderr, "screen_probe: %s has no control %s\n",
                     qPrintable(window.objectName()), control);
        std::exit(EXIT_FAILURE);
    }
    return QRect(widget->mapTo(&window, QPoint(0, 0)), widget->size());
}

int cells(WId window) {
    const QImage image = grab(window);
    for (const TrackCell& cell : TrackSeg) {
        if (cell.shown) {
            const QRect box = twipsRect(cell.left, cell.top, cell.width, cell.height);
            std::printf("%d %s\n", cell.index, qPrintable(hex(image.pixelColor(box.center()))));
        }
    }
    return EXIT_SUCCESS;
}

int marker(WId window, int milliseconds) {
    DesignWindows design;
    const QPoint middle = placeIn(design.trackMap, "shapeTrainControlled").center();
    std::optional<QColor> last;
    QElapsedTimer watch;
    watch.start();
    while (watch.elapsed() < milliseconds) {
        const QColor seen = grab(window, QRect(middle, QSize(1, 1))).pixelColor(0, 0);
        if (seen != last) {
            std::printf("%s\n", qPrintable(hex(seen)));
            std::fflush(stdout);
            last = seen;
        }
        QThread::msleep(5);
    }
    return EXIT_SUCCESS;
}

// Matches the field against the same field of this probe's own overview, drawn with each
// code that a key of the program can leave there.
int keyField(WId window) {
    DesignWindows design;
    OverviewWindow& overview = design.overview;
    auto* field = overview.findChild<QWidget*>(QStringLiteral("txtKeyDown"));
    const QImage shown = grab(window, placeIn(overview, "txtKeyDown"));
    for (const KeyCode code : {kNoKey, kKeyCtrl, kKeyLeft, kKeyUp, kKeyRight, kKeyDown}) {
        design.model.setHeldKey(code);
        overview.refresh();
        if (field->grab().toImage().convertToFormat(shown.format()) == shown) {
            std::printf("%d\n", code);
            return EXIT_SUCCESS;
        }
    }
    std::printf("unknown\n");
    return EXIT_SUCCESS;
}

int centre(const QString& windowName, const char* control) {
    DesignWindows design;
    QWidget* window = design.named(windowName);
    if (window == nullptr) {
        std::fprintf(stderr, "screen_probe: no window %s\n", qPrintable(windowName));
        return EXIT_FAILURE;
    }
    const QPoint middle = placeIn(*window, control).center();
    std::printf("%d %d\n", middle.x(), middle.y());
    return EXIT_SUCCESS;
}

int shot(const QString& file) {
    return grab(0).save(file, "PNG") ? EXIT_SUCCESS : EXIT_FAILURE;
}

// The X server's DestroyWindow, from this probe's own connection: not a close that the
// program is asked for, but its window gone.
int destroy(WId window) {
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* connection = x11->connection();
    xcb_generic_error_t* error = xcb_request_check(
        connection, xcb_destroy_window_checked(connection, static_cast<xcb_window_t>(window)));
    std::free(error);
    return error == nullptr ? EXIT_SUCCESS : EXIT_FAILURE;
}

int usage() {
    std::fputs("usage: screen_probe cells WINDOW | marker WINDOW MILLISECONDS | keyfield WINDOW"
               " | centre WINDOWNAME CONTROL | shot FILE | destroy WINDOW\n",
               stderr);
    return EXIT_FAILURE;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    const QString command = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    int status = EXIT_FAILURE;
    if (command == QStringLiteral("cells") && argc == 3) {
        status = cells(windowId(argv[2]));
    } else if (command == QStringLiteral("marker") && argc == 4) {
        status = marker(windowId(argv[2]), std::atoi(argv[3]));
    } else if (command == QStringLiteral("keyfield") && argc == 3) {
        status = keyField(windowId(argv[2]));
    } else if (command == QStringLiteral("centre") && argc == 4) {
        status = centre(QString::fromLocal8Bit(argv[2]), argv[3]);
    } else if (command == QStringLiteral("destroy") && argc == 3) {
        status = destroy(windowId(argv[2]));
    } else if (command == QStringLiteral("shot") && argc == 3) {
        status = shot(QString::fromLocal8Bit(argv[2]));
    } else {
        status = usage();
    }
    return status;
}
