#pragma once

#include "ScratchSettings.h"
#include "app/Startup.h"
#include "sim/SharedState.h"
#include "ui/Windows.h"

#include <QByteArray>
#include <QString>
#include <QWidget>

#include <gtest/gtest.h>

#include <cstdlib>
#include <ostream>

// Texts in test failures, as text.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

// The program as start-up leaves it, on a settings store of its own. Afterwards every window
// is unloaded and the shared state cleared, as at the next program start.
class StartedProgram : public testing::Test {
protected:
    StartedProgram() { startQuietly(); }

    ~StartedProgram() override { unload(); }

    // Starts again on a store that holds `contents`.
    void restartWith(const QByteArray& contents) {
        unload();
        settings.writeFile(contents);
        startQuietly();
    }

    // The control of `window` with the object name `name`; a missing one ends the test run.
    template <typename Control>
    static Control& control(QWidget& window, const QString& name) {
        auto* found = window.findChild<Control*>(name);
        if (found == nullptr) {
            ADD_FAILURE() << name.toStdString() << " is missing";
            std::abort();
        }
        return *found;
    }

    static TrainRecord& train(int i) { return programState().TrainData[std::size_t(i)]; }

    ScratchSettings settings;

private:
    static void startQuietly() {
        testing::internal::CaptureStderr();
        Main();
        testing::internal::GetCapturedStderr();
    }

    static void unload() {
        unloadWindows();
        programState() = SharedState{};
    }
};
