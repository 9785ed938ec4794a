#include "ui/DesignFont.h"

#include <QFontMetricsF>
#include <QPushButton>
#include <QStringList>
#include <QStyle>
#include <QStyleOptionButton>

#include <algorithm>

QFont designFont(const QString& family, qreal points, bool bold) {
    QFont font(family);
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

QFont fittingFont(QFont font, const QString& text, int width) {
    constexpr qreal kSmallestPoints = 4.0;
    constexpr qreal kStep = 0.25;
    const QStringList lines = text.split(QChar('\n'));
    const auto widest = [&lines](const QFont& candidate) {
        const QFontMetricsF metrics(candidate);
        qreal widestLine = 0;
        for (const QString& line : lines) {
            widestLine = std::max(widestLine, metrics.horizontalAdvance(line));
        }
        return widestLine;
    };
    while (font.pointSizeF() - kStep >= kSmallestPoints && widest(font) > width) {
        font.setPointSizeF(font.pointSizeF() - kStep);
    }
    return font;
}

void fitButtonFont(QPushButton& button) {
    QStyleOptionButton option;
    option.initFrom(&button);
    option.text = button.text();
    const QRect contents =
        button.style()->subElementRect(QStyle::SE_PushButtonContents, &option, &button);
    button.setFont(fittingFont(button.font(), button.text(), contents.width()));
}
