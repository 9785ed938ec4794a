#pragma once

#include <string>

// A promise that a fuzz input must keep: when it does not, says which and stops, so that
// libFuzzer keeps the input.
void require(bool kept, const std::string& promise);
