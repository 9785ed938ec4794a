#include "sim/SharedState.h"

SharedState& programState() {
    static SharedState state;
    return state;
}
