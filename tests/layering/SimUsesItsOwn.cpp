// Compiled as a file of sim/: what sim/ and the layers below it offer is at hand.
#include "base/Fatal.h"
#include "sim/SharedState.h"
#include "track/TrackLayout.h"

int trainSlots() {
    return kTrainSlots;
}
