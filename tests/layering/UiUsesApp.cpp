// Compiled as a file of ui/: the windows cannot reach the program that owns them, so this must
// not build.
#include "app/Program.h"

void quitFromAWindow(Program& program) {
    program.SaveSettingsAndQuit();
}
