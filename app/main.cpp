#include "app/CommandLine.h"
#include "app/Program.h"
#include "app/ProgramSetup.h"
#include "app/RuntimeFolder.h"
#include "app/SettingsPath.h"
#include "app/SingleInstance.h"
#include "base/Clock.h"
#include "ui/WindowSystem.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[]) {
    // Help and version need no display: they are answered before Qt looks for one.
    switch (requestOf(argc, argv)) {
    case CommandLineRequest::Help:
        std::fputs(usageText().c_str(), stdout);
        return EXIT_SUCCESS;
    case CommandLineRequest::Version:
        std::fputs(versionText().c_str(), stdout);
        return EXIT_SUCCESS;
    case CommandLineRequest::Run:
        break;
    }
    WindowSystemChoice windowSystem = chooseWindowSystem(argc, argv);
    if (const auto& noDisplay = windowSystem.failure()) {
        std::fprintf(stderr, "varnok: %s\n", noDisplay->c_str());
        return EXIT_FAILURE;
    }
    // Before Qt looks for the runtime folder itself, and says what it finds in lines of its own.
    if (const auto noFolder = settlePrivateRuntimeFolder()) {
        std::fprintf(stderr, "varnok: %s\n", noFolder->c_str());
        return EXIT_FAILURE;
    }
    // Qt takes its own options (-platform, -display, ...) out of argv here.
    QApplication application(argc, argv);
    // Qt has its own connection now: the probe's may end without the server resetting.
    windowSystem.releaseProbe();
    if (!prepareProgram(argc, argv)) {
        return EXIT_FAILURE;
    }
    SingleInstance instance(settingsFilePath());
    switch (instance.claim()) {
    case SingleInstance::Claim::First:
        break;
    case SingleInstance::Claim::Shown:
        return EXIT_SUCCESS;
    case SingleInstance::Claim::NoAnswer:
        std::fprintf(stderr,
                     "varnok: another Varnok holds %s but does not answer; a second one would "
                     "save over its settings\n",
                     instance.lockFile().toLocal8Bit().constData());
        return EXIT_FAILURE;
    case SingleInstance::Claim::NoLock:
        std::fprintf(stderr,
                     "varnok: cannot take the lock %s, without which a second Varnok would save "
                     "over this one's settings\n",
                     instance.lockFile().toLocal8Bit().constData());
        return EXIT_FAILURE;
    }
    const SteadyClock clock;
    Program program(clock);
    QObject::connect(&instance, &SingleInstance::showRequested, &program,
                     &Program::showWindowsInFront);
    program.show();
    return QApplication::exec();
}
