#include "ui/StoredPlace.h"

#include "ui/DesignUnits.h"
#include "ui/WindowSystem.h"

#include <QRect>
#include <QScreen>
#include <QWidget>

#include <algorithm>
#include <utility>

namespace {

QPoint pixelPlace(PlaceTwips place) {
    return {twipsToPixels(place.left), twipsToPixels(place.top)};
}

// The strip at the top of a window by which the user grabs it: its caption bar, or the top
// of a window without a frame.
constexpr int kGrabStripHeight = 30;
// How much of that strip must be on a screen to grab the window and see what it is.
constexpr int kGrabStripWidth = 100;

// Whether a window at `area` can be reached on `screen`, the screen it opens on, or on another
// of the same desktop: its top strip lies on one of them over its full height and over enough
// of its width. A screen of another desktop (another X screen) does not count: the window
// cannot go there.
bool reachable(const QRect& area, const QScreen& screen) {
    const QRect strip(area.topLeft(), QSize(area.width(), kGrabStripHeight));
    const int widthNeeded = std::min(kGrabStripWidth, area.width());
    const auto screens = screen.virtualSiblings();
    return std::any_of(screens.begin(), screens.end(), [&](const QScreen* sibling) {
        const QRect onScreen = sibling->geometry().intersected(strip);
        return onScreen.height() == strip.height() && onScreen.width() >= widthNeeded;
    });
}

// The place nearest `place` where a window of `size` lies wholly on `screen`; where it is wider
// or taller than the screen, its left or top edge at the screen's, so that its caption and
// first controls are on it. Along an axis where it need not move, the place keeps its number.
PlaceTwips placeOnScreen(PlaceTwips place, const QSize& size, const QRect& screen) {
    const QPoint from = pixelPlace(place);
    const int left = std::clamp(from.x(), screen.left(),
                                std::max(screen.left(), screen.right() + 1 - size.width()));
    const int top = std::clamp(from.y(), screen.top(),
                               std::max(screen.top(), screen.bottom() + 1 - size.height()));
    return {left == from.x() ? place.left : pixelsToTwips(left),
            top == from.y() ? place.top : pixelsToTwips(top)};
}

} // namespace

StoredPlace::StoredPlace(PlaceTwips stored, PlaceTwips fallback, Unreachable unreachable)
    : StoredPlace(stored, fallback, std::move(unreachable), windowSystemTellsPlaces()) {}

StoredPlace::StoredPlace(PlaceTwips stored, PlaceTwips fallback, Unreachable unreachable,
                         bool placesTold)
    : m_unreachable(std::move(unreachable)), m_place(stored), m_fallback(fallback),
      m_placesTold(placesTold) {}

void StoredPlace::moveWindow(QWidget& window) {
    const QSize size = window.size().expandedTo(QSize(1, 1));
    const QScreen* screen = window.screen();
    const auto reachableAt = [&](PlaceTwips place) {
        return reachable(QRect(pixelPlace(place), size), *screen);
    };
    if (m_placesTold && screen != nullptr && !reachableAt(m_place)) {
        // The default place, where that can be reached; else the default moved onto the screen.
        const bool isDefault = m_place.left == m_fallback.left && m_place.top == m_fallback.top;
        const bool defaultReachable = !isDefault && reachableAt(m_fallback);
        const PlaceTwips chosen =
            defaultReachable ? m_fallback : placeOnScreen(m_fallback, size, screen->geometry());
        m_unreachable(m_place, chosen,
                      defaultReachable ? PlaceUsed::Default
                      : isDefault      ? PlaceUsed::DefaultMovedOntoScreen
                                       : PlaceUsed::MovedOntoScreenAsTheDefaultToo);
        m_place = chosen;
    }
    m_placedAt = pixelPlace(m_place);
    window.move(m_placedAt);
}

float StoredPlace::left(const QWidget& window) const {
    return !m_placesTold || window.x() == m_placedAt.x() ? m_place.left : pixelsToTwips(window.x());
}

float StoredPlace::top(const QWidget& window) const {
    return !m_placesTold || window.y() == m_placedAt.y() ? m_place.top : pixelsToTwips(window.y());
}
