#pragma once

#include <QAbstractNativeEventFilter>
#include <QObject>

class QWidget;

// Watches, on X11, for a window of the program that another client destroys with the X
// server's DestroyWindow (not a close that the user asks for), and reports it as lost.
// Elsewhere it reports nothing.
class LostWindowWatch final : public QObject, public QAbstractNativeEventFilter {
    Q_OBJECT

public:
    LostWindowWatch();
    ~LostWindowWatch() override;
    LostWindowWatch(const LostWindowWatch&) = delete;
    LostWindowWatch& operator=(const LostWindowWatch&) = delete;

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) override;

signals:
    // The window system destroyed `window` without being asked.
    void windowLost(QWidget* window);
};
