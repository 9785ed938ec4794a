#include "RandomUser.h"

#include "app/Program.h"
#include "ui/OverviewWindow.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <array>

namespace {

struct NamedKey {
    Qt::Key key;
    const char* name;
};

// The keys that drive the trains, and the modifiers.
constexpr std::array<NamedKey, 6> kDrivingKeys = {{{Qt::Key_Control, "Ctrl"},
                                                   {Qt::Key_Shift, "Shift"},
                                                   {Qt::Key_Left, "Left"},
                                                   {Qt::Key_Up, "Up"},
                                                   {Qt::Key_Right, "Right"},
                                                   {Qt::Key_Down, "Down"}}};

// Keys that drive nothing; some would move the focus or act on a control if they got there.
constexpr std::array<NamedKey, 12> kOtherKeys = {{{Qt::Key_Alt, "Alt"},
                                                  {Qt::Key_Meta, "Meta"},
                                                  {Qt::Key_A, "A"},
                                                  {Qt::Key_5, "5"},
                                                  {Qt::Key_Space, "Space"},
                                                  {Qt::Key_Tab, "Tab"},
                                                  {Qt::Key_Escape, "Escape"},
                                                  {Qt::Key_Return, "Return"},
                                                  {Qt::Key_PageUp, "PageUp"},
                                                  {Qt::Key_Home, "Home"},
                                                  {Qt::Key_Delete, "Delete"},
                                                  {Qt::Key_F4, "F4"}}};

constexpr std::array<Qt::KeyboardModifier, 4> kModifiers = {Qt::ShiftModifier, Qt::ControlModifier,
                                                            Qt::AltModifier, Qt::MetaModifier};

Qt::KeyboardModifier modifierOf(Qt::Key key) {
    switch (key) {
    case Qt::Key_Shift:
        return Qt::ShiftModifier;
    case Qt::Key_Control:
        return Qt::ControlModifier;
    case Qt::Key_Alt:
        return Qt::AltModifier;
    case Qt::Key_Meta:
        return Qt::MetaModifier;
    default:
        return Qt::NoModifier;
    }
}

QString modifiersText(Qt::KeyboardModifiers modifiers) {
    QStringList names;
    const std::array<const char*, 4> modifierNames = {"Shift", "Ctrl", "Alt", "Meta"};
    for (std::size_t m = 0; m < kModifiers.size(); ++m) {
        if (modifiers.testFlag(kModifiers[m])) {
            names << QString::fromLatin1(modifierNames[m]);
        }
    }
    return names.isEmpty() ? QStringLiteral("no modifier") : names.join(QChar('+'));
}

QString numbered(const char* name, int index) {
    return QString::fromLatin1(name) + QString::number(index);
}

} // namespace

RandomUser::RandomUser(Program& program, std::uint32_t seed) : m_program(program), m_random(seed) {
    qApp->installEventFilter(&m_popups);
}

RandomUser::~RandomUser() {
    qApp->removeEventFilter(&m_popups);
}

bool RandomUser::PopupCloser::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Show && watched->isWidgetType()) {
        auto* widget = static_cast<QWidget*>(watched);
        if (widget->windowType() == Qt::Popup) {
            ++opened;
            // Closed from its own event loop, which is running by then.
            QTimer::singleShot(0, widget, &QWidget::close);
        }
    }
    return false;
}

int RandomUser::below(int bound) {
    return std::uniform_int_distribution<int>(0, bound - 1)(m_random);
}

QString RandomUser::act() {
    const int roll = below(100);
    if (roll < 35) {
        return keyAct();
    }
    if (roll < 75) {
        return mouseAct();
    }
    return tick();
}

QString RandomUser::keyAct() {
    const NamedKey key = below(10) < 6 ? kDrivingKeys[std::size_t(below(kDrivingKeys.size()))]
                                       : kOtherKeys[std::size_t(below(kOtherKeys.size()))];
    const bool press = below(2) == 0;
    // A key held down long enough comes again and again, flagged as a repeat.
    const bool repeat = press && below(10) == 0;
    const std::array<QWidget*, 3> windows = {&m_program.trackMap(), &m_program.trainControl(),
                                             m_program.overview()};
    QWidget* window = windows[std::size_t(below(3))];
    if (window == nullptr || !window->isVisible()) {
        window = &m_program.trackMap();
    }
    // The event carries the modifiers as they stand after it, as the window system sends it.
    if (press) {
        m_heldModifiers |= modifierOf(key.key);
    } else {
        m_heldModifiers &= ~Qt::KeyboardModifiers(modifierOf(key.key));
    }
    QTest::simulateEvent(window->windowHandle(), press, key.key, m_heldModifiers, QString(),
                         repeat);
    count(QStringLiteral("key"));
    return QStringLiteral("%1 %2%3 in %4")
        .arg(QString::fromLatin1(key.name), press ? QStringLiteral("down") : QStringLiteral("up"),
             repeat ? QStringLiteral(" (repeat)") : QString(), window->objectName());
}

std::vector<RandomUser::Target> RandomUser::visibleTargets() const {
    std::vector<Target> targets;
    const auto add = [&targets](QWidget& window, QWidget* control) {
        if (control != nullptr) {
            targets.push_back({&window, control->geometry(), control->objectName()});
        }
    };
    TrainControlWindow& controls = m_program.trainControl();
    for (int i = 0; i < 3; ++i) {
        for (const char* name :
             {"txtTrainColor", "txtTrainLength", "HScrollTrainSpeed", "boxTrainControl"}) {
            add(controls, controls.findChild<QWidget*>(numbered(name, i)));
        }
    }
    targets.push_back({&controls, controls.rect(), QStringLiteral("frmTrainControl")});

    TrackMapWindow& trackMap = m_program.trackMap();
    add(trackMap, trackMap.findChild<QPushButton*>(QStringLiteral("cmdOverview")));
    targets.push_back({&trackMap, trackMap.rect(), QStringLiteral("frmTrackMap")});

    if (OverviewWindow* overview = m_program.overview(); overview && overview->isVisible()) {
        add(*overview, overview->findChild<QPushButton*>(QStringLiteral("cmdClose")));
        targets.push_back({overview, overview->rect(), QStringLiteral("frmOverview")});
    }
    // A row outside the train control window's height cannot be reached.
    std::erase_if(targets, [](const Target& t) { return !t.window->rect().intersects(t.area); });
    return targets;
}

QPoint RandomUser::pointIn(const Target& target) {
    const QRect area = target.area.intersected(target.window->rect());
    const QRect quit =
        target.window == &m_program.trackMap()
            ? m_program.trackMap().findChild<QPushButton*>(QStringLiteral("cmdQuit"))->geometry()
            : QRect();
    for (;;) {
        const QPoint point(area.left() + below(area.width()), area.top() + below(area.height()));
        if (!quit.contains(point)) {
            return point;
        }
    }
}

QString RandomUser::mouseAct() {
    const std::vector<Target> targets = visibleTargets();
    const Target& target = targets[std::size_t(below(int(targets.size())))];
    const QPoint point = pointIn(target);
    const Qt::MouseButton button = below(2) == 0 ? Qt::LeftButton : Qt::RightButton;
    Qt::KeyboardModifiers modifiers;
    for (const Qt::KeyboardModifier modifier : kModifiers) {
        if (below(2) == 0) {
            modifiers |= modifier;
        }
    }
    QWindow* window = target.window->windowHandle();
    QString what;
    switch (below(5)) {
    case 0:
        QTest::mousePress(window, button, modifiers, point);
        what = QStringLiteral("press");
        break;
    case 1:
        QTest::mouseRelease(window, button, modifiers, point);
        what = QStringLiteral("release");
        break;
    case 2:
        QTest::mouseClick(window, button, modifiers, point);
        what = QStringLiteral("click");
        break;
    case 3:
        QTest::mouseDClick(window, button, modifiers, point);
        what = QStringLiteral("double click");
        break;
    default:
        // Drags a thumb when a button is down; otherwise only moves the pointer.
        QTest::mouseMove(window, point);
        modifiers = {};
        what = QStringLiteral("move");
        break;
    }
    count(QStringLiteral("mouse ") + what);
    // A move takes no button of its own: it drags with whatever is held.
    const QString buttonName = what == QStringLiteral("move") ? QString()
                               : button == Qt::LeftButton     ? QStringLiteral("left ")
                                                              : QStringLiteral("right ");
    return QStringLiteral("%1%2 with %3 on %4 at (%5, %6)")
        .arg(buttonName, what, modifiersText(modifiers), target.name)
        .arg(point.x())
        .arg(point.y());
}

QString RandomUser::tick() {
    switch (below(4)) {
    case 0: {
        const int i = below(3);
        // A stopped train takes no step.
        if (m_program.driver().clock(i).running()) {
            m_program.driver().takeStep(i);
            count(QStringLiteral("tick: train step"));
            return QStringLiteral("step of train %1").arg(i);
        }
        count(QStringLiteral("tick: stopped train"));
        return QStringLiteral("no step of stopped train %1").arg(i);
    }
    case 1:
        m_program.model().pollHeldKey();
        count(QStringLiteral("tick: key poll"));
        return QStringLiteral("key poll");
    case 2:
        if (OverviewWindow* overview = m_program.overview()) {
            overview->refresh();
        }
        count(QStringLiteral("tick: overview"));
        return QStringLiteral("overview refresh");
    default:
        // The real timers fire as they fall due, and the windows repaint.
        QCoreApplication::processEvents();
        count(QStringLiteral("tick: event loop"));
        return QStringLiteral("event loop pass");
    }
}
