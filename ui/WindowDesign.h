#pragma once

#include "track/CellIndex.h"

#include <QString>

class QWidget;

// What the three windows share: a name, a caption, a background colour filling the client
// area, and a frame without a maximise button, since every window has a fixed size.
void applyWindowDesign(QWidget& window, const QString& name, const QString& caption,
                       Color background);
