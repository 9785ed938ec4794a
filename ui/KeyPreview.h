#pragma once

#include <QObject>
#include <QPointer>

#include <vector>

class QWidget;
class TrainModel;

// Every key pressed in a window with key preview goes to the model's held key before the
// window's focused control sees it, and no further, but for a long list in use, which also
// takes the keys that move its cursor: its code is held on a press, and no key on the release
// of any key. A held key's auto-repeat changes nothing, so the code stays steady from the real
// press to the real release. When the program loses the keyboard, whatever is held counts as
// released.
class KeyPreview final : public QObject {
public:
    // Watches the application's events for as long as it lives.
    explicit KeyPreview(TrainModel& model);
    ~KeyPreview() override;
    KeyPreview(const KeyPreview&) = delete;
    KeyPreview& operator=(const KeyPreview&) = delete;

    void addWindow(QWidget& window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool previews(const QWidget& window) const;

    TrainModel& m_model;
    std::vector<QPointer<QWidget>> m_windows;
};
