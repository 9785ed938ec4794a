#pragma once

#include <QObject>
#include <QPoint>
#include <QRect>
#include <QString>

#include <cstdint>
#include <map>
#include <random>
#include <vector>

class Program;
class QWidget;

// A user who does anything at all to the program's three windows, at random but repeatably:
// the same seed gives the same acts. Keys go down and up (Ctrl, Shift, the arrows and others);
// both mouse buttons press, release, click, double-click and drag, with any modifiers, on the
// swatches, length boxes, throttles, row boxes, window backgrounds, "Overview" and "Close";
// and the program's timers tick in between.
//
// It never presses Quit and never closes a window: either ends the program, which the caller
// does once, on purpose, at the end.
class RandomUser {
public:
    RandomUser(Program& program, std::uint32_t seed);
    ~RandomUser();
    RandomUser(const RandomUser&) = delete;
    RandomUser& operator=(const RandomUser&) = delete;

    // Does one thing and says what, to show where a check failed.
    QString act();

    // How often each kind of act was done.
    const std::map<QString, int>& counts() const { return m_counts; }

    // Menus and other popups that opened; each is closed again at once, as a user would, so
    // that the run goes on.
    int popupsOpened() const { return m_popups.opened; }

private:
    class PopupCloser final : public QObject {
    public:
        int opened = 0;

    protected:
        bool eventFilter(QObject* watched, QEvent* event) override;
    };

    // A place that can take a press: a control or the whole of a window, in that window's
    // coordinates.
    struct Target {
        QWidget* window;
        QRect area;
        QString name;
    };

    QString keyAct();
    QString mouseAct();
    QString tick();
    std::vector<Target> visibleTargets() const;
    QPoint pointIn(const Target& target);
    int below(int bound);
    void count(const QString& kind) { ++m_counts[kind]; }

    Program& m_program;
    std::mt19937 m_random;
    Qt::KeyboardModifiers m_heldModifiers;
    std::map<QString, int> m_counts;
    PopupCloser m_popups;
};
