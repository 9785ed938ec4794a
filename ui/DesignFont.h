#pragma once

#include <QFont>
#include <QString>

class QPushButton;

// The font a control was designed with, or the closest sans-serif of the same size where the
// family is not installed.
QFont designFont(const QString& family, qreal points, bool bold = false);

// `font`, made smaller where a substitute family is too wide for every line of `text` to fit
// in `width` pixels. A bitmap font of the design fits boxes that a scalable substitute of the
// same size overflows.
QFont fittingFont(QFont font, const QString& text, int width);

// Makes `button`'s font smaller where its text is wider than the button leaves it, as a
// caption in another language may be.
void fitButtonFont(QPushButton& button);
