#include "app/CommandLine.h"
#include "app/DriveFile.h"
#include "app/DriveRecorder.h"
#include "app/Program.h"
#include "app/ProgramSetup.h"
#include "app/RuntimeFolder.h"
#include "app/SettingsPath.h"
#include "app/SingleInstance.h"
#include "app/Translations.h"
#include "base/Clock.h"
#include "ui/DrivePlayer.h"
#include "ui/DriveReport.h"
#include "ui/WindowSystem.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFile>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <variant>

namespace {

// A bad command line or a drive that cannot be played: said before any window opens.
constexpr int kUnusable = 2;

// The context of the start's texts in the catalogs.
struct Start {
    Q_DECLARE_TR_FUNCTIONS(Start)
};

void sayWhyNot(const QString& why) {
    std::fprintf(stderr, "varnok: %s\n", why.toLocal8Bit().constData());
}

void printVerdict(const DriveVerdict& verdict) {
    std::printf("%s\n", verdictText(verdict).c_str());
    std::fflush(stdout);
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
    const DriveRequest drive = takeDriveRequest(argc, argv);
    if (!drive.fault.empty()) {
        std::fprintf(stderr, "varnok: %s\n", drive.fault.c_str());
        return kUnusable;
    }
    std::optional<Drive> played;
    if (drive.mode == DriveRequest::Mode::Play || drive.mode == DriveRequest::Mode::Check) {
        auto read = readDriveFile(drive.file);
        if (const auto* fault = std::get_if<std::string>(&read)) {
            std::fprintf(stderr, "varnok: %s\n", fault->c_str());
            return kUnusable;
        }
        played = std::get<Drive>(std::move(read));
    }
    if (drive.mode == DriveRequest::Mode::Check) {
        // No display: the drive runs on a clock set by hand, with the plain application object.
        const DriveVerdict verdict = checkDrive(*played);
        printVerdict(verdict);
        return verdict.outcome == DriveVerdict::Outcome::Reached ? EXIT_SUCCESS : EXIT_FAILURE;
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
    const SteadyClock steadyClock;
    MillisecondClock millisecondClock(steadyClock);
    if (played) {
        // A drive's run keeps to itself: it neither reads nor writes the settings, so it needs
        // no lock on them. Its clock stands at 0 until the drive starts to play.
        HeldClock clock(millisecondClock);
        clock.holdAt(0);
        Program program(clock, played->start);
        DrivePlayer player(std::move(*played), program.model(), program.cells(), clock);
        QObject::connect(&player, &DrivePlayer::ended, &printVerdict);
        program.show();
        player.start();
        return QApplication::exec();
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
    std::unique_ptr<DriveRecorder> recorder;
    if (drive.mode == DriveRequest::Mode::Record) {
        auto made =
            DriveRecorder::create(drive.file, QFile::encodeName(settingsFilePath()).toStdString());
        if (const auto* fault = std::get_if<std::string>(&made)) {
            std::fprintf(stderr, "varnok: %s\n", fault->c_str());
            return EXIT_FAILURE;
        }
        recorder = std::get<std::unique_ptr<DriveRecorder>>(std::move(made));
    }
    // A recorded run is timed in the whole milliseconds that its drive holds.
    const Clock& clock = recorder ? static_cast<const Clock&>(millisecondClock) : steadyClock;
    Program program(clock);
    if (recorder) {
        program.recordTo(std::move(recorder));
    }
    QObject::connect(&instance, &SingleInstance::showRequested, &program,
                     &Program::showWindowsInFront);
    program.show();
    return QApplication::exec();
}
