#include "NotSettingsFiles.h"
#include "app/DriveFile.h"
#include "base/QuotedText.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <optional>
#include <pwd.h>
#include <unistd.h>

// The real program, started as a user starts it, in a settings folder of its own.

namespace {

using testing::HasSubstr;

// How long to wait for what must come: only a failure waits this long.
constexpr int kPatience = 30'000; // ms

class ProgramTest : public testing::Test {
protected:
    ProgramTest() {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), m_config.path());
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_runtime.path());
        m_program.setProcessEnvironment(environment);
    }

    ~ProgramTest() override {
        if (m_program.state() != QProcess::NotRunning) {
            m_program.kill();
            m_program.waitForFinished();
        }
    }

    // Starts the program and lets it run for a while; true when it is still running then.
    bool runsFor(int milliseconds, const QStringList& arguments = {}) {
        m_program.start(QStringLiteral(VARNOK_PROGRAM), arguments);
        EXPECT_TRUE(m_program.waitForStarted());
        return !m_program.waitForFinished(milliseconds);
    }

    std::string errorOutput() { return m_program.readAllStandardError().toStdString(); }

    QString settingsFile() const { return m_config.path() + QStringLiteral("/Varnok/Varnok.conf"); }

    void writeSettings(const QByteArray& contents) {
        QDir().mkpath(m_config.path() + QStringLiteral("/Varnok"));
        QFile file(settingsFile());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(contents);
    }

    QTemporaryDir m_config;
    QTemporaryDir m_runtime;
    QProcess m_program;
};

TEST_F(ProgramTest, StartsAndKeepsRunningWithoutTouchingTheStore) {
    EXPECT_TRUE(runsFor(1500));
    m_program.terminate();
    m_program.waitForFinished();
    EXPECT_EQ(errorOutput(), "");
    // Only Quit writes the settings.
    EXPECT_FALSE(QFile::exists(settingsFile()));
}

TEST_F(ProgramTest, IgnoresArgumentsOfItsOwnWithAWarning) {
    EXPECT_TRUE(runsFor(1000, {QStringLiteral("--fast"), QStringLiteral("-platform"),
                               QStringLiteral("offscreen")}));
    const std::string errors = errorOutput();
    EXPECT_THAT(errors, HasSubstr("ignoring the unknown argument \"--fast\""));
    // Qt's own options are Qt's.
    EXPECT_THAT(errors, testing::Not(HasSubstr("offscreen")));
}

// The command line and the environment as a user meets them. Help and version are asked for
// where no window can open at all: no platform chosen, no X server, no Wayland compositor.
TEST_F(ProgramTest, AnswersItsCommandLineAndEnvironment) {
    // Variables set, or unset where they have no value, in this order.
    using Variables = std::vector<std::pair<QString, std::optional<QString>>>;
    struct Case {
        QStringList arguments;
        Variables environment;
        int status; // -1: runs on
        std::vector<std::string> output;
        std::vector<std::string> errors; // each a whole line; none other
    };
    const Variables noDisplay = {{"QT_QPA_PLATFORM", std::nullopt},
                                 {"DISPLAY", std::nullopt},
                                 {"WAYLAND_DISPLAY", std::nullopt}};
    const auto withNoDisplay = [&](const QString& platform) {
        Variables variables = noDisplay;
        variables.emplace_back("QT_QPA_PLATFORM", platform);
        return variables;
    };
    const std::string settings = settingsFile().toStdString();
    const std::string usage =
        "Usage: varnok [--help | --version | --record FILE | --play FILE [--check]]";
    const std::string noScreen = "varnok: no display to open windows on: ";
    const std::string toXvfb = "; set DISPLAY to a running X server, or run Varnok under xvfb-run";
    const std::string noneAtAll =
        noScreen + "DISPLAY is not set and no Wayland compositor answers" + toXvfb;
    const auto unknown = [](const std::string& quoted) {
        return "varnok: ignoring the unknown argument " + quoted +
               " (varnok --help lists what it takes)";
    };
    std::vector<Case> cases = {
        {{"--help"},
         noDisplay,
         0,
         {usage, "Settings: " + settings, "XDG_CONFIG_HOME", "QT_QPA_PLATFORM", "QT_SCALE_FACTOR",
          "XDG_RUNTIME_DIR", "man varnok"},
         {}},
        {{"-h", "--version"}, noDisplay, 0, {usage}, {}},
        {{"--version"}, noDisplay, 0, {"Varnok " VARNOK_VERSION "\n"}, {}},
        {{}, noDisplay, 1, {}, {noneAtAll}},
        {{"--fast"}, noDisplay, 1, {}, {noneAtAll}},
        {{},
         withNoDisplay("wayland"),
         1,
         {},
         {noScreen + "QT_QPA_PLATFORM is \"wayland\" and no Wayland compositor answers; start "
                     "Varnok where its compositor runs, or unset QT_QPA_PLATFORM"}},
        {{},
         withNoDisplay("xcb"),
         1,
         {},
         {noScreen + "QT_QPA_PLATFORM is \"xcb\" and DISPLAY is not set" + toXvfb}},
        {{"a\x1b]0;owned\x07"
          "b\tc\r",
          "\xe2\x80\xae"
          "evil",
          QString(70, QChar('x'))},
         {},
         -1,
         {},
         {unknown("\"a\\x1b]0;owned\\x07b\\tc\\r\""), unknown("\"\\u202eevil\""),
          unknown('"' + std::string(60, 'x') + "\"...")}},
        // Twice as large, the screen is 400 by 400 pixels, and the train control window's
        // default place, 377 pixels down, leaves its caption partly below it.
        {{},
         {{"QT_SCALE_FACTOR", "2"}},
         -1,
         {},
         {"varnok: settings: [frmTrainControl] Left = 1000, Top = 5650 leave too little of the "
          "window on its screen to reach it; using Left = 1000, Top = 4995, moved onto its "
          "screen"}},
    };
    // The language: LANGUAGE's order, else LC_ALL, LC_MESSAGES or LANG; C and English first
    // keep the texts as written. Before the windows and after them alike.
    const auto inLocale = [](Variables variables) {
        variables.insert(
            variables.begin(),
            {{"LC_ALL", std::nullopt}, {"LC_MESSAGES", std::nullopt}, {"LANGUAGE", std::nullopt}});
        return variables;
    };
    const std::string german = "Aufruf: varnok [--help | --version | --record DATEI";
    const std::string dutch = "Gebruik: varnok [--help | --version | --record BESTAND";
    cases.insert(
        cases.end(),
        {
            {{"--help"},
             inLocale({{"LANG", "de_DE.UTF-8"}}),
             0,
             {german, "Einstellungen: " + settings, "LANGUAGE, LC_ALL, LC_MESSAGES, LANG"},
             {}},
            {{"--help"},
             inLocale({{"LANG", "de_DE.UTF-8"}, {"LANGUAGE", "nl:de"}}),
             0,
             {dutch},
             {}},
            {{"--help"},
             inLocale({{"LANG", "fr_FR.UTF-8"}, {"LC_MESSAGES", "nl_NL.UTF-8"}}),
             0,
             {dutch},
             {}},
            {{"--help"},
             inLocale({{"LANG", "de_DE.UTF-8"}, {"LANGUAGE", "en:de"}}),
             0,
             {usage},
             {}},
            {{"--help"}, inLocale({{"LANG", "C"}, {"LANGUAGE", "de"}}), 0, {usage}, {}},
            {{"--help"}, inLocale({{"LANG", "de_DE.UTF-8"}, {"LC_ALL", "POSIX"}}), 0, {usage}, {}},
            {{},
             inLocale({{"LANG", "fr_FR.UTF-8"},
                       {"DISPLAY", std::nullopt},
                       {"WAYLAND_DISPLAY", std::nullopt},
                       {"QT_QPA_PLATFORM", "xcb"}}),
             1,
             {},
             {"varnok: aucun affichage où ouvrir des fenêtres : QT_QPA_PLATFORM vaut \"xcb\" et "
              "DISPLAY n'est pas défini ; définissez DISPLAY sur un serveur X en marche, ou lancez "
              "Varnok sous xvfb-run"}},
            {{"--fast"},
             inLocale({{"LANG", "nl_NL.UTF-8"}}),
             -1,
             {},
             {"varnok: het onbekende argument \"--fast\" wordt genegeerd (varnok --help noemt wat "
              "het aanneemt)"}},
        });
    // Drives: a command line that asks for none that can be, or a drive that cannot be played,
    // is told where no window could open; a drive that cannot be made, before one opens.
    QTemporaryDir scratch;
    const auto path = [](const QString& file) { return quotedPath(file.toStdString()); };
    const QString fifo = scratch.filePath(QStringLiteral("fifo.drive"));
    const QString huge = scratch.filePath(QStringLiteral("huge.drive"));
    ::mkfifo(QFile::encodeName(fifo), 0600);
    QFile hugeFile(huge);
    ASSERT_TRUE(hugeFile.open(QIODevice::WriteOnly) && hugeFile.resize(kLargestDrive + 1));
    const auto cannotPlay = [&](const QString& file, const std::string& why) {
        return "varnok: cannot play the drive " + path(file) + ": " + why;
    };
    const std::string cannotRecord = "varnok: cannot record the drive to ";
    const std::string toHelp = " (varnok --help lists what it takes)";
    const QString drives = QStringLiteral(VARNOK_DRIVES);
    const QString differs = drives + QStringLiteral("/differs/one-throttle-moved.drive");
    cases.insert(
        cases.end(),
        {{{"--record"},
          noDisplay,
          2,
          {},
          {"varnok: --record needs the file of the drive" + toHelp}},
         {{"--check"},
          noDisplay,
          2,
          {},
          {"varnok: --check checks the drive that --play names" + toHelp}},
         {{"--play", "a", "--record", "b"},
          noDisplay,
          2,
          {},
          {"varnok: one drive at a time: --record and --play take one file between them" + toHelp}},
         {{"--play", scratch.filePath("none"), "--check"},
          noDisplay,
          2,
          {},
          {cannotPlay(scratch.filePath("none"), "there is no such file")}},
         {{"--play", fifo},
          noDisplay,
          2,
          {},
          {cannotPlay(fifo, "it cannot be read: it is a FIFO, not a regular file")}},
         {{"--play", scratch.path(), "--check"},
          noDisplay,
          2,
          {},
          {cannotPlay(scratch.path(), "it cannot be read: it is a folder, not a regular file")}},
         {{"--play", huge},
          noDisplay,
          2,
          {},
          {cannotPlay(huge, "at " + std::to_string(kLargestDrive + 1) +
                                " bytes it is larger than a drive can be (" +
                                std::to_string(kLargestDrive) + ")")}},
         {{"--play", differs, "--check"},
          noDisplay,
          1,
          // The altered input is where the run departs.
          {"the drive did not reach its recorded end: the run departs from it at 2029 ms; at "
           "16029 ms train 1's throttle is 12 where the drive has 11"},
          {}},
         {{"--record", scratch.path()},
          {},
          1,
          {},
          {cannotRecord + path(scratch.path()) + ": it is not a regular file"}},
         {{"--record", fifo},
          {},
          1,
          {},
          {cannotRecord + path(fifo) + ": it is not a regular file"}},
         {{"--record", scratch.filePath("none/d.drive")},
          {},
          1,
          {},
          {cannotRecord + path(scratch.filePath("none/d.drive")) +
           ": No such file or directory"}}});
    // Every drive of the table of bad ones, each with what is said of it.
    QFile badDrives(drives + QStringLiteral("/bad/expected"));
    ASSERT_TRUE(badDrives.open(QIODevice::ReadOnly));
    for (const QByteArray& line : badDrives.readAll().split('\n')) {
        const QList<QByteArray> row = line.split('\t');
        if (row.size() == 2) {
            const QString file = drives + QStringLiteral("/bad/") + QString::fromUtf8(row[0]);
            cases.push_back({{"--play", file, "--check"},
                             noDisplay,
                             2,
                             {},
                             {cannotPlay(file, row[1].toStdString())}});
        }
    }
    // A drive's faults and verdicts in the user's language, with the numbers as written.
    Variables germanNoDisplay = inLocale({{"LANG", "de_DE.UTF-8"}});
    germanNoDisplay.insert(germanNoDisplay.end(), noDisplay.begin(), noDisplay.end());
    const QString throttleTooHigh = drives + QStringLiteral("/bad/throttle-too-high.drive");
    cases.insert(cases.end(),
                 {{{"--play", throttleTooHigh, "--check"},
                   germanNoDisplay,
                   2,
                   {},
                   {"varnok: die Fahrt " + path(throttleTooHigh) +
                    " lässt sich nicht abspielen: Zeile 6: throttle 101 liegt nicht in 0..100"}},
                  {{"--play", differs, "--check"},
                   germanNoDisplay,
                   1,
                   {"die Fahrt hat ihr aufgezeichnetes Ende nicht erreicht: der Lauf weicht bei "
                    "2029 ms von ihr ab; bei 16029 ms: bei Zug 1 ist der Fahrregler 12, wo die "
                    "Fahrt 11 hat"},
                   {}}});
    // A runtime folder made by another user where the program would make its own.
    QTemporaryDir temporary;
    const QString userRuntime = temporary.path() + QStringLiteral("/runtime-") +
                                QString::fromLocal8Bit(::getpwuid(::geteuid())->pw_name);
    std::optional<std::string> skipped;
    if (QDir().mkdir(userRuntime) && ::chown(QFile::encodeName(userRuntime), 65534, 65534) == 0) {
        cases.push_back({{},
                         {{"XDG_RUNTIME_DIR", std::nullopt}, {"TMPDIR", temporary.path()}},
                         1,
                         {},
                         {"varnok: no runtime folder of your own to keep one Varnok to a settings "
                          "file: XDG_RUNTIME_DIR is not set, and " +
                          quotedText(userRuntime.toStdString()) +
                          " belongs to another user (uid 65534); set XDG_RUNTIME_DIR to a folder "
                          "of your own with mode 0700"}});
    } else {
        skipped = "the row of a runtime folder made by another user needs the right to give a "
                  "folder away (chown), which this machine refuses";
    }
    for (std::size_t row = 0; row < cases.size(); ++row) {
        const Case& c = cases[row];
        SCOPED_TRACE("row " + std::to_string(row));
        QProcessEnvironment environment = m_program.processEnvironment();
        for (const auto& [name, value] : c.environment) {
            if (value) {
                environment.insert(name, *value);
            } else {
                environment.remove(name);
            }
        }
        std::string expectedErrors;
        for (const std::string& line : c.errors) {
            expectedErrors += line + "\n";
        }
        QProcess program;
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(VARNOK_PROGRAM), c.arguments);
        ASSERT_TRUE(program.waitForStarted());
        std::string errors;
        if (c.status < 0) {
            // Running: its warnings come first, and then it answers a second start.
            program.setReadChannel(QProcess::StandardError);
            while (errors.size() < expectedErrors.size() && program.waitForReadyRead(kPatience)) {
                errors += program.readAllStandardError().toStdString();
            }
            EXPECT_EQ(errors, expectedErrors);
            QProcess second;
            second.setProcessEnvironment(environment);
            second.start(QStringLiteral(VARNOK_PROGRAM));
            ASSERT_TRUE(second.waitForFinished(kPatience));
            EXPECT_EQ(second.exitCode(), 0);
            EXPECT_EQ(program.state(), QProcess::Running);
            program.kill();
            program.waitForFinished();
        } else {
            ASSERT_TRUE(program.waitForFinished(kPatience));
            EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
            EXPECT_EQ(program.exitCode(), c.status);
            EXPECT_EQ(program.readAllStandardError().toStdString(), expectedErrors);
        }
        const std::string output = program.readAllStandardOutput().toStdString();
        for (const std::string& part : c.output) {
            EXPECT_THAT(output, HasSubstr(part));
        }
        EXPECT_FALSE(QFile::exists(settingsFile()));
    }
    if (skipped) {
        GTEST_SKIP() << *skipped;
    }
}

TEST_F(ProgramTest, ADamagedSettingsFileDoesNotStopIt) {
    writeSettings("[Globals]\nTrainCount=zero\n\x01\x02\xff garbage\n[frmTrackMap]\nLeft=1e99\n");
    EXPECT_TRUE(runsFor(1500));
    const std::string errors = errorOutput();
    EXPECT_THAT(errors, HasSubstr("[Globals] TrainCount = \"zero\""));
    EXPECT_THAT(errors, HasSubstr("[frmTrackMap] Left = \"1e99\""));
}

// A settings file that cannot be a settings file: the program says so and starts. A read that
// blocked would never say anything.
TEST_F(ProgramTest, StartsAndSaysWhyWhateverIsInTheFilesPlace) {
    for (const NotASettingsFile& c : notSettingsFiles()) {
        QFile::remove(settingsFile());
        QDir().mkpath(QFileInfo(settingsFile()).path());
        c.make(settingsFile());
        m_program.start(QStringLiteral(VARNOK_PROGRAM));
        ASSERT_TRUE(m_program.waitForStarted()) << c.what;
        m_program.setReadChannel(QProcess::StandardError);
        EXPECT_TRUE(m_program.waitForReadyRead(kPatience)) << c.what;
        EXPECT_THAT(errorOutput(), HasSubstr(c.said)) << c.what;
        EXPECT_FALSE(m_program.waitForFinished(500)) << c.what;
        m_program.kill();
        m_program.waitForFinished();
    }
}

TEST_F(ProgramTest, ASecondStartOnTheSameSettingsLeavesTheFirstRunning) {
    writeSettings("[Globals]\n");
    EXPECT_TRUE(runsFor(1000));
    // The same file, reached as the first reached it, through a link to its folder, and
    // through a link to the file from a folder of its own.
    QTemporaryDir others;
    const QString linkedFolder = others.path() + QStringLiteral("/linked");
    const QString linkingFolder = others.path() + QStringLiteral("/linking");
    ASSERT_TRUE(QFile::link(m_config.path(), linkedFolder));
    ASSERT_TRUE(QDir().mkpath(linkingFolder + QStringLiteral("/Varnok")));
    ASSERT_TRUE(QFile::link(settingsFile(), linkingFolder + QStringLiteral("/Varnok/Varnok.conf")));
    for (const QString& config : {m_config.path(), linkedFolder, linkingFolder}) {
        QProcessEnvironment environment = m_program.processEnvironment();
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), config);
        QProcess second;
        second.setProcessEnvironment(environment);
        second.start(QStringLiteral(VARNOK_PROGRAM));
        ASSERT_TRUE(second.waitForFinished(5000)) << config.toStdString();
        EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(second.exitCode(), 0) << config.toStdString();
        EXPECT_EQ(second.readAllStandardError(), "");
        EXPECT_EQ(m_program.state(), QProcess::Running);
    }

    // A lock left by a program that was killed does not stop the next start.
    m_program.kill();
    m_program.waitForFinished();
    EXPECT_TRUE(runsFor(1000));
}

} // namespace
