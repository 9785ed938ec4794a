#pragma once

#include <QIcon>

// Varnok's icon, drawn from its SVG picture at the sizes that window systems ask for.
QIcon programIcon();
