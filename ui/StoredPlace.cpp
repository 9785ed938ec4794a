#include "ui/StoredPlace.h"

#include "app/TextConversions.h"
#include "ui/DesignUnits.h"
#include "ui/WindowSystem.h"

#include <QGuiApplication>
#include <QRect>
#include <QScreen>
#include <QWidget>

#include <cstdio>

namespace {

QPoint pixelPlace(float left, float top) {
    return {twipsToPixels(left), twipsToPixels(top)};
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

StoredPlace::StoredPlace(SettingsStore& store, const WindowPlaceKeys& keys)
    : StoredPlace(store, keys, windowSystemTellsPlaces()) {}

StoredPlace::StoredPlace(SettingsStore& store, const WindowPlaceKeys& keys, bool placesTold)
    : m_keys(keys), m_placesTold(placesTold),
      m_left(store.readSingle(QString::fromLatin1(keys.section), QStringLiteral("Left"),
                              keys.defaultLeft)),
      m_top(store.readSingle(QString::fromLatin1(keys.section), QStringLiteral("Top"),
                             keys.defaultTop)) {}

void StoredPlace::moveWindow(QWidget& window) {
    const QRect area(pixelPlace(m_left, m_top), window.size().expandedTo(QSize(1, 1)));
    if (m_placesTold && !reachable(area)) {
        std::fprintf(stderr,
                     "varnok: settings: [%s] Left = %s, Top = %s leave too little of the window "
                     "on any screen to reach it; using %s, %s\n",
                     m_keys.section, singleToText(m_left).c_str(), singleToText(m_top).c_str(),
                     singleToText(m_keys.defaultLeft).c_str(),
                     singleToText(m_keys.defaultTop).c_str());
        m_left = m_keys.defaultLeft;
        m_top = m_keys.defaultTop;
    }
    m_placedAt = pixelPlace(m_left, m_top);
    window.move(m_placedAt);
}

float StoredPlace::left(const QWidget& window) const {
    return !m_placesTold || window.x() == m_placedAt.x() ? m_left : pixelsToTwips(window.x());
}

float StoredPlace::top(const QWidget& window) const {
    return !m_placesTold || window.y() == m_placedAt.y() ? m_top : pixelsToTwips(window.y());
}
