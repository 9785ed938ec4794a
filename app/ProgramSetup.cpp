#include "app/ProgramSetup.h"

#include "app/CommandLine.h"
#include "app/Identity.h"
#include "track/NodeRoutes.h"
#include "ui/WindowSystem.h"
#include "ui/X11KeyRepeat.h"

#include <QApplication>
#include <QCoreApplication>

#include <cstdio>

namespace {

// The context of the start-up's texts in the catalogs.
struct ProgramSetup {
    Q_DECLARE_TR_FUNCTIONS(ProgramSetup)
};

} // namespace

bool prepareProgram(int argc, char* argv[]) {
    setProgramIdentity();
    // Only Quit, or closing a main window, ends the program: it saves on the way out.
    QApplication::setQuitOnLastWindowClosed(false);
    // A held arrow key must stay held for the trains, not flicker off with each repeat.
    requestWholeKeyRepeats();

    warnOfUnknownArguments(argc, argv);
    if (!windowSystemTellsPlaces()) {
        const QString warning =
            ProgramSetup::tr("this window system (Wayland) does not let programs place their "
                             "windows: they open where it puts them, and Quit keeps the places "
                             "saved before");
        std::fprintf(stderr, "varnok: %s\n", warning.toLocal8Bit().constData());
    }
    if (const auto fault = CheckNodeTags(TrackSeg)) {
        const QString error = ProgramSetup::tr("the track's node cells are inconsistent: %1")
                                  .arg(QString::fromStdString(*fault));
        std::fprintf(stderr, "varnok: %s\n", error.toLocal8Bit().constData());
        return false;
    }
    return true;
}
