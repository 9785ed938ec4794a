// Compiled as a file of sim/: no Qt header can be found, so this must not build.
#include "sim/SharedState.h"

#include <QString>

QString trainSlots() {
    return QString::number(kTrainSlots);
}
