#pragma once

#include "base/Clock.h"
#include "ui/TrainDriver.h"

#include <algorithm>
#include <cstdint>

constexpr std::int64_t ms(std::int64_t milliseconds) {
    return milliseconds * kNanosecondsPerMillisecond;
}

// Lets `nanoseconds` pass on `clock`, waking `driver` each time it asks to be woken, as the
// program's event loop does; at the end the trains are brought up to it, as for any reader.
inline void passTime(HandSetClock& clock, TrainDriver& driver, std::int64_t nanoseconds) {
    const std::int64_t end = clock.now() + nanoseconds;
    while (driver.nextWakeAt() <= end) {
        clock.set(std::max(clock.now(), driver.nextWakeAt()));
        driver.wake();
    }
    clock.set(end);
    driver.catchUp();
}
