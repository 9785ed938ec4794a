#include "base/Fatal.h"

#include <cstdio>
#include <cstdlib>

void stopWithError(std::string_view what) {
    std::fprintf(stderr, "varnok: internal error: %.*s\n", static_cast<int>(what.size()),
                 what.data());
    std::fflush(stderr);
    std::abort();
}
