#include "ui/StoredPlace.h"

#include "ui/DesignUnits.h"
#include "ui/WindowSystem.h"

#include <QGuiApplication>
#include <QRect>
#include <QScreen>
#include <QWidget>

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

// Whether a window at `area` can be reached: its top strip lies on one screen over its full
// height and over enough of its width.
bool reachable(const QRect& area) {
    const QRect strip(area.topLeft(), QSize(area.width(), kGrabStripHeight));
    const int widthNeeded = std::min(kGrabStripWidth, area.width());
    const auto screens = QGuiApplication::screens();
    return std::any_of(screens.begin(), screens.end(), [&](const QScreen* screen) {
        const QRect onScreen = screen->geometry().intersected(strip);
        return onScreen.height() == strip.height() && onScreen.width() >= widthNeeded;
    });
}

} // namespace

StoredPlace::StoredPlace(PlaceTwips stored, PlaceTwips fallback, Unreachable unreachable)
    : StoredPlace(stored, fallback, std::move(unreachable), windowSystemTellsPlaces()) {}

StoredPlace::StoredPlace(PlaceTwips stored, PlaceTwips fallback, Unreachable unreachable,
                         bool placesTold)
    : m_unreachable(std::move(unreachable)), m_place(stored), m_fallback(fallback),
      m_placesTold(placesTold) {}

void StoredPlace::moveWindow(QWidget& window) {
    const QRect area(pixelPlace(m_place), window.size().expandedTo(QSize(1, 1)));
    if (m_placesTold && !reachable(area)) {
        m_unreachable(m_place, m_fallback);
        m_place = m_fallback;
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
