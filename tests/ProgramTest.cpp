#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

// The real program, started as a user starts it, in a settings folder of its own.

namespace {

using testing::HasSubstr;

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
    EXPECT_THAT(errors, HasSubstr("takes no arguments; ignoring \"--fast\""));
    // Qt's own options are Qt's.
    EXPECT_THAT(errors, testing::Not(HasSubstr("offscreen")));
}

TEST_F(ProgramTest, ADamagedSettingsFileDoesNotStopIt) {
    writeSettings("[Globals]\nTrainCount=zero\n\x01\x02\xff garbage\n[frmTrackMap]\nLeft=1e99\n");
    EXPECT_TRUE(runsFor(1500));
    const std::string errors = errorOutput();
    EXPECT_THAT(errors, HasSubstr("[Globals] TrainCount = \"zero\""));
    EXPECT_THAT(errors, HasSubstr("[frmTrackMap] Left = \"1e99\""));
}

} // namespace
