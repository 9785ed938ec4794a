#pragma once

#include "sim/SharedState.h"

#include <string>

// Train `index`'s body as text, head first, cells apart by " - ": "40 - 39 - 38". Entries that
// hold no cell yet show as "0"; a length of 0 or less gives the empty text.
std::string BodyList(const SharedState& state, int index);
