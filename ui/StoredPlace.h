#pragma once

#include "app/Settings.h"

#include <QPoint>

class QWidget;

// A window's Left and Top as the settings store holds them, in twips. Along an axis where the
// user has not moved the window it gives back the very number that was read, so an untouched
// place survives any number of runs unchanged ("1007.5" stays "1007.5"). Where the window
// system does not tell where windows are (Wayland), it always gives back the place read.
class StoredPlace {
public:
    // Reads Left, then Top, from the window's section.
    StoredPlace(SettingsStore& store, const WindowPlaceKeys& keys);
    // The same, for a window system that does or does not tell windows' places.
    StoredPlace(SettingsStore& store, const WindowPlaceKeys& keys, bool placesTold);

    // Moves the window to the place read, or to its default place when the one read would
    // leave too little of the window, at its present size, on any screen to grab and use it.
    // Where places are not told, the screens say nothing of where the window goes, and the
    // place read is kept.
    void moveWindow(QWidget& window);

    float left(const QWidget& window) const;
    float top(const QWidget& window) const;

private:
    WindowPlaceKeys m_keys;
    bool m_placesTold;
    float m_left;
    float m_top;
    QPoint m_placedAt;
};
