#pragma once

#include <QPoint>

#include <functional>

class QWidget;

// A window's Left and Top as the settings store holds them, in twips. Along an axis where the
// user has not moved the window it gives back the very number that was read, so an untouched
// place survives any number of runs unchanged ("1007.5" stays "1007.5"). Where the window
// system does not tell where windows are (Wayland), it always gives back the place read.

// A Left and a Top, in twips.
struct PlaceTwips {
    float left;
    float top;
};

class StoredPlace {
public:
    // Where a window goes whose place read cannot be reached.
    enum class PlaceUsed {
        Default,                        // its default place
        DefaultMovedOntoScreen,         // the place read was the default: moved onto the screen
        MovedOntoScreenAsTheDefaultToo, // the default cannot be reached either: moved onto it
    };
    // Told when the place read cannot be used, with the place used instead.
    using Unreachable = std::function<void(PlaceTwips stored, PlaceTwips used, PlaceUsed how)>;

    // The place read from the window's settings section, and the one it falls back on.
    StoredPlace(PlaceTwips stored, PlaceTwips fallback, Unreachable unreachable);
    // The same, for a window system that does or does not tell windows' places.
    StoredPlace(PlaceTwips stored, PlaceTwips fallback, Unreachable unreachable, bool placesTold);

    // Moves the window to the place read, or to its default place when the one read would
    // leave too little of the window, at its present size, on its screen to grab and use it;
    // where the default would too, to the nearest place where the window lies on that screen,
    // or where it is larger, its caption and first controls do. Its screen is the one it opens on,
    // or another of the same desktop, never another X screen. Where places are not told, the
    // screens say nothing of where the window goes, and the place read is kept.
    void moveWindow(QWidget& window);

    float left(const QWidget& window) const;
    float top(const QWidget& window) const;

private:
    Unreachable m_unreachable;
    PlaceTwips m_place;
    PlaceTwips m_fallback;
    bool m_placesTold;
    QPoint m_placedAt;
};
