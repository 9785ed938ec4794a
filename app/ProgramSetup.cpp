#include "app/ProgramSetup.h"

#include "app/CommandLine.h"
#include "app/Identity.h"
#include "track/NodeRoutes.h"
#include "ui/WindowSystem.h"
#include "ui/X11KeyRepeat.h"

#include <QApplication>

#include <cstdio>

bool prepareProgram(int argc, char* argv[]) {
    setProgramIdentity();
    // Only Quit, or closing a main window, ends the program: it saves on the way out.
    QApplication::setQuitOnLastWindowClosed(false);
    // A held arrow key must stay held for the trains, not flicker off with each repeat.
    requestWholeKeyRepeats();

    warnOfUnknownArguments(argc, argv);
    if (!windowSystemTellsPlaces()) {
        std::fputs("varnok: this window system (Wayland) does not let programs place their "
                   "windows: they open where it puts them, and Quit keeps the places saved "
                   "before\n",
                   stderr);
    }
    if (const auto fault = CheckNodeTags(TrackSeg)) {
        std::fprintf(stderr, "varnok: the track's node cells are inconsistent: %s\n",
                     fault->c_str());
        return false;
    }
    return true;
}
