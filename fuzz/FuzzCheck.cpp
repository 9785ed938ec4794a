#include "FuzzCheck.h"

#include <cstdio>
#include <cstdlib>

void require(bool kept, const std::string& promise) {
    if (!kept) {
        std::fprintf(stderr, "broken promise: %s\n", promise.c_str());
        std::fflush(stderr);
        std::abort();
    }
}
