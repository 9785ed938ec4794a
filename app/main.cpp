#include "app/ProgramSetup.h"
#include "app/Startup.h"
#include "ui/Windows.h"
#include "ui/X11Platform.h"

#include <QApplication>

#include <cstdlib>

int main(int argc, char* argv[]) {
    preferX11WhereAvailable();
    // Qt takes its own options (-platform, -display, ...) out of argv here.
    QApplication application(argc, argv);
    if (!prepareProgram(argc, argv)) {
        return EXIT_FAILURE;
    }
    Main();
    const int status = QApplication::exec();
    unloadWindows();
    return status;
}
