#include "ui/KeyPreview.h"

#include "sim/SharedState.h"
#include "ui/VirtualKeys.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QWidget>

#include <algorithm>
#include <vector>

namespace {

// One filter on the application sees a key event before any widget does, whichever control
// of the window has the focus.
class KeyPreviewFilter final : public QObject {
public:
    void addWindow(QWidget& window) {
        std::erase_if(m_windows, [](const QPointer<QWidget>& w) { return w.isNull(); });
        m_windows.emplace_back(&window);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const QEvent::Type type = event->type();
        if (type == QEvent::ApplicationStateChange) {
            letGoWhenTheKeyboardGoes(*static_cast<QApplicationStateChangeEvent*>(event));
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
            programState().KeyDownCode = type == QEvent::KeyPress ? virtualKeyCode(key) : kNoKey;
        }
        return true;
    }

private:
    // A key released while another program has the keyboard sends this one no release: the
    // key counts as let go when the keyboard goes, or it would steer the trains for ever.
    static void letGoWhenTheKeyboardGoes(const QApplicationStateChangeEvent& change) {
        if (change.applicationState() != Qt::ApplicationActive) {
            programState().KeyDownCode = kNoKey;
        }
    }

    bool previews(const QWidget& window) const {
        return std::any_of(m_windows.begin(), m_windows.end(),
                           [&window](const QPointer<QWidget>& w) { return w == &window; });
    }

    std::vector<QPointer<QWidget>> m_windows;
};

} // namespace

void installKeyPreview(QWidget& window) {
    static KeyPreviewFilter* const filter = [] {
        auto* created = new KeyPreviewFilter;
        created->setParent(qApp);
        qApp->installEventFilter(created);
        return created;
    }();
    filter->addWindow(window);
}
