#pragma once

#include "PassingTime.h"
#include "ScratchSettings.h"
#include "app/Program.h"
#include "sim/SharedState.h"
#include "ui/OverviewWindow.h"
#include "ui/TextBox.h"

#include <QByteArray>
#include <QPushButton>
#include <QScrollBar>
#include <QString>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <ostream>
#include <string>

// Texts in test failures, as text.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

// The program as a start leaves it, on a settings store of its own, with its start-up
// warnings kept, on a clock that stands still until the test lets time pass. Each test has a
// program of its own, as each start of the program has.
class StartedProgram : public testing::Test {
protected:
    StartedProgram() { startQuietly(); }

    // Starts again on a store that holds `contents`.
    void restartWith(const QByteArray& contents) {
        m_program.reset();
        settings.writeFile(contents);
        startQuietly();
    }

    // Starts again on the settings file where the environment now puts it.
    void restart() {
        m_program.reset();
        startQuietly();
    }

    // Lets `milliseconds` pass on the program's clock, its trains and key poll running as the
    // event loop would run them.
    void passTime(std::int64_t milliseconds) {
        ::passTime(m_clock, program().driver(), ms(milliseconds));
    }

    void clickQuit() {
        QTest::mouseClick(&control<QPushButton>(trackMap(), QStringLiteral("cmdQuit")),
                          Qt::LeftButton);
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

    Program& program() { return *m_program; }
    TrainModel& model() { return m_program->model(); }
    const SharedState& state() { return m_program->model().state(); }
    const TrainRecord& train(int i) { return trainAt(state(), i); }
    TrackMapWindow& trackMap() { return m_program->trackMap(); }
    TrainControlWindow& trainControl() { return m_program->trainControl(); }
    const StepClock& clock(int i) { return m_program->driver().clock(i); }

    // The control of train `index`'s row of the train control window whose name, without the
    // train's number, is `name`.
    template <typename Control>
    Control& trainControlBox(const char* name, int index) {
        return control<Control>(trainControl(), QString::fromLatin1(name) + QString::number(index));
    }
    QScrollBar& throttle(int i) { return trainControlBox<QScrollBar>("HScrollTrainSpeed", i); }
    TextBox& speedBox(int i) { return trainControlBox<TextBox>("txtTrainSpeed", i); }
    TextBox& lengthBox(int i) { return trainControlBox<TextBox>("txtTrainLength", i); }
    TextBox& swatch(int i) { return trainControlBox<TextBox>("txtTrainColor", i); }

    // The overview; the first time, made and shown as a press of Overview makes it.
    OverviewWindow& overview() {
        if (m_program->overview() == nullptr) {
            m_program->showOverview();
        }
        return *m_program->overview();
    }

    ScratchSettings settings;
    std::string startUpWarnings;

private:
    void startQuietly() {
        testing::internal::CaptureStderr();
        m_program = std::make_unique<Program>(m_clock);
        m_program->show();
        startUpWarnings = testing::internal::GetCapturedStderr();
    }

    HandSetClock m_clock;
    std::unique_ptr<Program> m_program;
};
