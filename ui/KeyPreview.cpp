#include "ui/KeyPreview.h"

#include "ui/LongTextBox.h"
#include "ui/TrainModel.h"
#include "ui/VirtualKeys.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

#include <algorithm>

KeyPreview::KeyPreview(TrainModel& model) : m_model(model) {
    // A filter on the application sees a key event before any widget does, whichever control
    // of the window has the focus.
    qApp->installEventFilter(this);
}

KeyPreview::~KeyPreview() {
    qApp->removeEventFilter(this);
}

void KeyPreview::addWindow(QWidget& window) {
    std::erase_if(m_windows, [](const QPointer<QWidget>& w) { return w.isNull(); });
    m_windows.emplace_back(&window);
}

bool KeyPreview::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type == QEvent::ApplicationStateChange) {
        // A key released while another program has the keyboard sends this one no release:
        // the key counts as let go when the keyboard goes, or it would steer the trains for
        // ever.
        if (static_cast<QApplicationStateChangeEvent*>(event)->applicationState() !=
            Qt::ApplicationActive) {
            m_model.setHeldKey(kNoKey);
        }
        return false;
    }
    if (type != QEvent::KeyPress && type != QEvent::KeyRelease) {
        return false;
    }
    if (!watched->isWidgetType() || !previews(*static_cast<QWidget*>(watched)->window())) {
        return false;
    }
    const auto& key = *static_cast<QKeyEvent*>(event);
    if (!key.isAutoRepeat()) {
        m_model.setHeldKey(type == QEvent::KeyPress ? virtualKeyCode(key) : kNoKey);
    }
    // A long list moves its cursor too, so the user can read and select it to its end.
    const auto* list = qobject_cast<const LongTextBox*>(watched);
    return list == nullptr || !LongTextBox::movesWith(key);
}

bool KeyPreview::previews(const QWidget& window) const {
    return std::any_of(m_windows.begin(), m_windows.end(),
                       [&window](const QPointer<QWidget>& w) { return w == &window; });
}
