#pragma once

#include "base/Clock.h"
#include "ui/TrainDriver.h"

#include <algorithm>
#include <cstdint>

constexpr std::int64_t ms(std::int64_t milliseconds) {
    return milliseconds * kNanosecondsPerMillisecond;
}

// Lets `nanoseconds` pass on `clock`, waking `driver` each time its timer falls due, as the
// program's event loop does. What the trains did after the last wake shows to a reader that
// catches up first.
inline void passTime(HandSetClock& clock, TrainDriver& driver, std::int64_t nanoseconds) {
    const std::int64_t end = clock.now() + nanoseconds;
    for (auto at = driver.nextWakeAt(); at && *at <= end; at = driver.nextWakeAt()) {
        clock.set(std::max(clock.now(), *at));
        driver.wake();
    }
    clock.set(end);
}
