#include "ui/X11Platform.h"

#include <QByteArray>
#include <QtGlobal>

#include <gtest/gtest.h>

#include <optional>

// The platform choice reads and sets only the environment; each case restores it.

namespace {

class Variable {
public:
    explicit Variable(const char* name) : m_name(name) {
        if (qEnvironmentVariableIsSet(name)) {
            m_saved = qgetenv(name);
        }
    }
    ~Variable() {
        if (m_saved) {
            qputenv(m_name, *m_saved);
        } else {
            qunsetenv(m_name);
        }
    }
    Variable(const Variable&) = delete;
    Variable& operator=(const Variable&) = delete;

private:
    const char* m_name;
    std::optional<QByteArray> m_saved;
};

class X11PlatformTest : public testing::Test {
protected:
    // What the program would run on, after its choice, with these two variables.
    static std::optional<QByteArray> chosenWith(std::optional<QByteArray> platform,
                                                std::optional<QByteArray> display) {
        const auto set = [](const char* name, const std::optional<QByteArray>& value) {
            if (value) {
                qputenv(name, *value);
            } else {
                qunsetenv(name);
            }
        };
        set("QT_QPA_PLATFORM", platform);
        set("DISPLAY", display);
        testing::internal::CaptureStdout();
        testing::internal::CaptureStderr();
        preferX11WhereAvailable();
        EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
        EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
        if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
            return std::nullopt;
        }
        return qgetenv("QT_QPA_PLATFORM");
    }

    Variable m_platform{"QT_QPA_PLATFORM"};
    Variable m_display{"DISPLAY"};
};

TEST_F(X11PlatformTest, ThePlatformTheUserChoseIsKept) {
    EXPECT_EQ(chosenWith("offscreen", ":0"), "offscreen");
    EXPECT_EQ(chosenWith("wayland", std::nullopt), "wayland");
}

TEST_F(X11PlatformTest, WithoutAnXServerTheChoiceStaysQtsAndNothingIsSaid) {
    EXPECT_EQ(chosenWith(std::nullopt, std::nullopt), std::nullopt);
    EXPECT_EQ(chosenWith(std::nullopt, ""), std::nullopt);
    // A display that names no server, as one left over from a closed session does.
    EXPECT_EQ(chosenWith(std::nullopt, "unix:/nonexistent/varnok-display"), std::nullopt);
    EXPECT_EQ(chosenWith("", std::nullopt), "");
}

} // namespace
