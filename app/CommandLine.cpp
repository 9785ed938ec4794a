#include "app/CommandLine.h"

#include "app/SettingsPath.h"
#include "base/QuotedText.h"

#include <QCoreApplication>
#include <QString>

#include <cstdio>
#include <string_view>

namespace {

// The context of the command line's texts in the catalogs.
struct CommandLine {
    Q_DECLARE_TR_FUNCTIONS(CommandLine)
};

} // namespace

CommandLineRequest requestOf(int argc, const char* const argv[]) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "--help" || argument == "-h") {
            return CommandLineRequest::Help;
        }
        if (argument == "--version") {
            return CommandLineRequest::Version;
        }
    }
    return CommandLineRequest::Run;
}

DriveRequest takeDriveRequest(int& argc, char* argv[]) {
    DriveRequest request;
    bool check = false;
    int kept = 1;
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        const bool record = argument == "--record";
        if (!record && argument != "--play") {
            check = check || argument == "--check";
            if (argument != "--check") {
                argv[kept++] = argv[i];
            }
            continue;
        }
        if (i + 1 == argc) {
            request.fault = CommandLine::tr("%1 needs the file of the drive (varnok --help lists "
                                            "what it takes)")
                                .arg(QString::fromUtf8(argument.data(), qsizetype(argument.size())))
                                .toStdString();
        } else if (request.mode != DriveRequest::Mode::None) {
            request.fault = CommandLine::tr("one drive at a time: --record and --play take one "
                                            "file between them (varnok --help lists what it "
                                            "takes)")
                                .toStdString();
        }
        request.mode = record ? DriveRequest::Mode::Record : DriveRequest::Mode::Play;
        request.file = i + 1 < argc ? argv[++i] : "";
    }
    if (check) {
        if (request.mode == DriveRequest::Mode::Play) {
            request.mode = DriveRequest::Mode::Check;
        } else if (request.fault.empty()) {
            request.fault = CommandLine::tr("--check checks the drive that --play names (varnok "
                                            "--help lists what it takes)")
                                .toStdString();
        }
    }
    argc = kept;
    argv[argc] = nullptr;
    return request;
}

std::string usageText() {
    // Only named here: asking for help never opens the file.
    const QString usage = CommandLine::tr(
        "Usage: varnok [--help | --version | --record FILE | --play FILE [--check]]\n"
        "\n"
        "Varnok is a model railway: up to three trains run on a fixed track with three\n"
        "junctions, each at the pace of its own throttle, steered with the arrow keys.\n"
        "\n"
        "  -h, --help     show this help and exit\n"
        "      --version  show the name and version and exit\n"
        "      --record FILE  run as usual, and write the drive (the start, every input\n"
        "                     with its time, the end state at Quit) to FILE\n"
        "      --play FILE    open the windows at FILE's start and play its inputs; the\n"
        "                     settings are neither read nor written, and you drive on\n"
        "                     from where it ends\n"
        "      --check        with --play, run the drive without windows as fast as it\n"
        "                     goes, and exit 0 if it reaches its recorded end, else 1\n"
        "Qt's own options, such as -platform xcb, are taken as Qt takes them.\n"
        "\n"
        "Settings: %1\n"
        "  written at Quit; delete it, with Varnok not running, to start from the defaults.\n"
        "\n"
        "Environment:\n"
        "  XDG_CONFIG_HOME  the folder of the settings (~/.config when unset)\n"
        "  QT_QPA_PLATFORM  the window system; when unset, X11 where an X server answers\n"
        "                   on DISPLAY (it alone lets windows open where they were last),\n"
        "                   else Wayland\n"
        "  QT_SCALE_FACTOR  makes every window larger, for example 2 on a dense screen\n"
        "  XDG_RUNTIME_DIR  a folder of yours alone (mode 0700) for the lock that keeps one\n"
        "                   Varnok to a settings file; when unset, runtime-USER in /tmp\n"
        "  LANGUAGE, LC_ALL, LC_MESSAGES, LANG\n"
        "                   the language of the windows and the messages\n"
        "\n"
        "The manual: man varnok\n");
    return usage.arg(settingsFilePath()).toStdString();
}

std::string versionText() {
    return "Varnok " VARNOK_VERSION "\n";
}

void warnOfUnknownArguments(int argc, const char* const argv[]) {
    for (int i = 1; i < argc; ++i) {
        const QString warning =
            CommandLine::tr("ignoring the unknown argument %1 (varnok --help lists what it takes)")
                .arg(QString::fromStdString(quotedText(argv[i])));
        std::fprintf(stderr, "varnok: %s\n", warning.toLocal8Bit().constData());
    }
}
