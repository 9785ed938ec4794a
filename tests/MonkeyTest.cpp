#include "RandomUser.h"
#include "StartedProgram.h"
#include "track/TrackLayout.h"
#include "ui/TrackMapWindow.h"
#include "ui/TrainControlWindow.h"

#include <QCoreApplication>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <cstdio>
#include <deque>
#include <optional>
#include <string>

// The real windows under a random user. After every act the shared state must still be one
// that the trains and the windows can work with, and the train control window must have
// grown or shrunk by one row exactly when the number of trains changed.
//
//   test_monkey [--seed=N] [--events=N]
//
// A fixed seed and 100,000 acts by default; any other seed replays its own run exactly.

namespace {

constexpr std::uint32_t kFixedSeed = 20261208;
constexpr long kDefaultEvents = 100'000;
constexpr float kRowTwips = 600;
constexpr int kRowPixels = 40;

// The value of "--name=N" on the command line, if given.
template <typename T>
std::optional<T> option(const QString& name) {
    const QString prefix = QStringLiteral("--") + name + QChar('=');
    for (const QString& argument : QCoreApplication::arguments()) {
        if (argument.startsWith(prefix)) {
            bool ok = false;
            const qulonglong value = argument.mid(prefix.size()).toULongLong(&ok);
            if (!ok || value > qulonglong(std::numeric_limits<T>::max())) {
                ADD_FAILURE() << argument.toStdString() << " is not a number of its range";
                return std::nullopt;
            }
            return static_cast<T>(value);
        }
    }
    return std::nullopt;
}

bool namesACell(CellIndex n) {
    return cellSlot(n).has_value();
}

// What the trains and the windows rely on; the first broken rule, if any.
std::optional<std::string> brokenRule(const SharedState& state) {
    const auto broken = [](const std::string& what, long value) {
        return std::optional<std::string>(what + " is " + std::to_string(value));
    };
    if (state.TrainCount < 1 || state.TrainCount > kTrainSlots) {
        return broken("TrainCount", state.TrainCount);
    }
    if (state.ControlledTrain < 0 || state.ControlledTrain >= kTrainSlots) {
        return broken("ControlledTrain", state.ControlledTrain);
    }
    for (int i = 0; i < kTrainSlots; ++i) {
        const TrainRecord& train = state.TrainData[std::size_t(i)];
        const std::string name = "train " + std::to_string(i) + "'s ";
        if (!namesACell(train.HeadPos)) {
            return broken(name + "HeadPos", train.HeadPos);
        }
        if (train.ColorIndex < 0 || train.ColorIndex >= kPaletteSize) {
            return broken(name + "ColorIndex", train.ColorIndex);
        }
        if (train.Length < 0 || train.Length > kBodyCapacity) {
            return broken(name + "Length", train.Length);
        }
        for (std::size_t k = 0; k < train.Body.size(); ++k) {
            if (train.Body[k] != 0 && !namesACell(train.Body[k])) {
                return broken(name + "Body(" + std::to_string(k) + ")", train.Body[k]);
            }
        }
    }
    return std::nullopt;
}

class MonkeyTest : public StartedProgram {
protected:
    // The last few acts, to show with a failure.
    std::string recentActs() const {
        std::string text;
        for (const QString& act : m_recent) {
            text += "\n  " + act.toStdString();
        }
        return text;
    }

    void remember(const QString& act) {
        m_recent.push_back(act);
        if (m_recent.size() > 8) {
            m_recent.pop_front();
        }
    }

    std::deque<QString> m_recent;
};

TEST_F(MonkeyTest, NoActOfTheUserBreaksTheTrainsOrTheWindows) {
    const std::uint32_t seed = option<std::uint32_t>(QStringLiteral("seed")).value_or(kFixedSeed);
    const long events = option<long>(QStringLiteral("events")).value_or(kDefaultEvents);
    RandomUser user(program(), seed);
    std::mt19937 throttles(seed);

    // Every train running, at a throttle of its own.
    for (int i = 0; i < kTrainSlots; ++i) {
        model().setThrottle(i, std::uniform_int_distribution<int>(0, 100)(throttles));
    }
    ASSERT_EQ(brokenRule(state()), std::nullopt);

    long countChanges = 0;
    for (long n = 1; n <= events; ++n) {
        const std::int32_t countBefore = state().TrainCount;
        const float heightBefore = trainControl().heightTwips();
        const int pixelsBefore = trainControl().height();

        remember(QString::number(n) + QStringLiteral(": ") + user.act());

        const auto fault = brokenRule(state());
        ASSERT_EQ(fault, std::nullopt) << "seed " << seed << ", after:" << recentActs();
        ASSERT_EQ(user.popupsOpened(), 0) << "seed " << seed << ", after:" << recentActs();
        const int change = state().TrainCount - countBefore;
        countChanges += change != 0 ? 1 : 0;
        ASSERT_EQ(trainControl().heightTwips() - heightBefore, kRowTwips * float(change))
            << "seed " << seed << ", after:" << recentActs();
        ASSERT_EQ(trainControl().height() - pixelsBefore, kRowPixels * change)
            << "seed " << seed << ", after:" << recentActs();
    }

    std::printf("seed %u: %ld acts, %ld changes of the number of trains\n", seed, events,
                countChanges);
    for (const auto& [kind, times] : user.counts()) {
        std::printf("  %-22s %d\n", kind.toStdString().c_str(), times);
    }
    // Else the run never tried the rule of the window's height.
    if (events >= 1000) {
        EXPECT_GT(countChanges, 0);
    }

    // The one way out, taken on purpose: Quit keeps what the user left.
    const std::int32_t trainCount = state().TrainCount;
    const std::string height = QString::number(trainControl().heightTwips()).toStdString();
    EXPECT_EXIT(clickQuit(), testing::ExitedWithCode(0), "");
    const auto values = settings.fileValues();
    EXPECT_EQ(values.value(QStringLiteral("Globals/TrainCount")), QString::number(trainCount));
    EXPECT_EQ(values.value(QStringLiteral("frmTrainControl/Height")).toStdString(), height);
    for (int i = 0; i < kTrainSlots; ++i) {
        EXPECT_EQ(values.value(QStringLiteral("Globals/TrainColor%1").arg(i)),
                  QString::number(train(i).ColorIndex));
    }
}

} // namespace
