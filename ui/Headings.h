#pragma once

#include <QFont>

#include <span>

class QWidget;

// A heading label of a window's design: its object name, caption, and Left and Width in twips.
struct Heading {
    const char* name;
    const char* caption;
    int left;
    int width;
};

// Adds a row of headings to `window`, `top` and `height` twips, each in the window's language
// and in `font` made small enough for its caption to fit. A press on a heading is the
// heading's, not the window's.
void addHeadings(QWidget& window, std::span<const Heading> headings, int top, int height,
                 const QFont& font, Qt::Alignment alignment);
