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

bool onSomeScreen(const QRect& area) {
    const auto screens = QGuiApplication::screens();
    return std::any_of(screens.begin(), screens.end(),
                       [&](const QScreen* screen) { return screen->geometry().intersects(area); });
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
    // A window without height still has a place: judge it as at least one pixel.
    const QRect area(pixelPlace(m_left, m_top), window.size().expandedTo(QSize(1, 1)));
    if (m_placesTold && !onSomeScreen(area)) {
        std::fprintf(stderr,
                     "varnok: settings: [%s] Left = %s, Top = %s lie outside every screen; "
                     "using %s, %s\n",
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
