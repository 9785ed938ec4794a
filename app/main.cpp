#include "app/CommandLine.h"
#include "app/Program.h"
#include "app/ProgramSetup.h"
#include "app/RuntimeFolder.h"
#include "app/SettingsPath.h"
#include "app/SingleInstance.h"
#include "app/Translations.h"
#include "base/Clock.h"
#include "ui/WindowSystem.h"

#include <QApplication>
#include <QCoreApplication>

#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

// The context of the start's texts in the catalogs.
struct Start {
    Q_DECLARE_TR_FUNCTIONS(Start)
};

void sayWhyNot(const QString& why) {
    std::fprintf(stderr, "varnok: %s\n", why.toLocal8Bit().constData());
}

} // namespace

int main(int argc, char* argv[]) {
    Translations translations;
    // Until Qt has looked for a display, a plain application object carries the catalogs of
    // what the start says: the help, or why no window can open.
    auto beforeTheWindows = std::make_unique<QCoreApplication>(argc, argv);
    translations.install();
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
    beforeTheWindows.reset();
    // Qt takes its own options (-platform, -display, ...) out of argv here.
    QApplication application(argc, argv);
    translations.install();
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
        sayWhyNot(Start::tr("another Varnok holds %1 but does not answer; a second one would save "
                            "over its settings")
                      .arg(instance.lockFile()));
        return EXIT_FAILURE;
    case SingleInstance::Claim::NoLock:
        sayWhyNot(Start::tr("cannot take the lock %1, without which a second Varnok would save "
                            "over this one's settings")
                      .arg(instance.lockFile()));
        return EXIT_FAILURE;
    }
    const SteadyClock clock;
    Program program(clock);
    QObject::connect(&instance, &SingleInstance::showRequested, &program,
                     &Program::showWindowsInFront);
    program.show();
    return QApplication::exec();
}
