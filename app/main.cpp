#include "app/Identity.h"
#include "app/Startup.h"
#include "track/NodeRoutes.h"
#include "ui/Windows.h"
#include "ui/X11KeyRepeat.h"
#include "ui/X11Platform.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[]) {
    preferX11WhereAvailable();
    // Qt takes its own options (-platform, -display, ...) out of argv here.
    QApplication application(argc, argv);
    setProgramIdentity();
    // Only Quit, or closing a main window, ends the program: it saves on the way out.
    QApplication::setQuitOnLastWindowClosed(false);
    // A held arrow key must stay held for the trains, not flicker off with each repeat.
    requestWholeKeyRepeats();

    for (int i = 1; i < argc; ++i) {
        std::fprintf(stderr, "varnok: takes no arguments; ignoring \"%s\"\n", argv[i]);
    }
    if (const auto fault = CheckNodeTags(TrackSeg)) {
        std::fprintf(stderr, "varnok: the track's node cells are inconsistent: %s\n",
                     fault->c_str());
        return EXIT_FAILURE;
    }

    Main();
    const int status = QApplication::exec();
    unloadWindows();
    return status;
}
