#include "sim/BodyList.h"

std::string BodyList(const SharedState& state, int index) {
    std::string list;
    for (const CellIndex cell : bodyOf(state, index)) {
        if (!list.empty()) {
            list += " - ";
        }
        list += std::to_string(cell);
    }
    return list;
}
