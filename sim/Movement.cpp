#include "sim/Movement.h"

#include "base/CheckedArithmetic.h"
#include "base/Fatal.h"
#include "sim/BodyUpkeep.h"

#include <string>

namespace {

constexpr int kNoArrivalSlot = kRouteSlots;

// The whole table is searched, slots left over from an earlier parse included: a train that
// starts on a node with no run matches a slot that is still all zeros.
int arrivalSlot(const RouteTable& routes, CellIndex runEnd) {
    for (int slot = 0; slot < kRouteSlots; ++slot) {
        if (routes.NodeRoutes[static_cast<std::size_t>(slot)].FirstSeg == runEnd) {
            return slot;
        }
    }
    return kNoArrivalSlot;
}

int departureSlot(CellIndex node, int arrival, std::int32_t routeCount, KeyCode key) {
    const auto slotsOn = [&](int steps) {
        if (routeCount == 0) {
            stopWithError("node " + std::to_string(node) + " declares no routes to leave by");
        }
        return (arrival + steps) % routeCount;
    };
    int slot = 0;
    if (key == kKeyLeft) {
        slot = slotsOn(1);
    } else if (key == kKeyRight) {
        slot = routeCount == 3 ? slotsOn(2) : routeCount == 4 ? slotsOn(3) : 0;
    } else {
        slot = slotsOn(2);
    }
    if (slot < 0 || slot >= kRouteSlots) {
        stopWithError("node " + std::to_string(node) + " has no route slot " +
                      std::to_string(slot));
    }
    return slot;
}

void leaveNode(SharedState& state, const CellDisplay& cells, TrainRecord& train) {
    const CellIndex node = train.HeadPos;
    if (const auto fault = ParseNodeRoutes(cells, node, state.Routes)) {
        stopWithError("the routes of node " + std::to_string(node) + " cannot be read: " + *fault);
    }
    const int arrival = arrivalSlot(state.Routes, train.RunEnd);
    const int departure =
        departureSlot(node, arrival, state.Routes.NodeRouteCount, state.KeyDownCode);
    const NodeRoute& route = state.Routes.NodeRoutes[static_cast<std::size_t>(departure)];
    train.HeadPos = route.FirstSeg;
    train.NextNode = route.ToNode;
    train.RunStart = route.FirstSeg;
    train.RunEnd = route.LastSeg;
}

} // namespace

void MoveTrain(SharedState& state, CellDisplay& cells, int index) {
    TrainRecord& train = trainAt(state, index);
    // Taken from the run the train is on before this step.
    const CellIndex direction = train.RunStart < train.RunEnd ? 1 : -1;
    HideTheWorm(state, cells, index);
    if (!cells.Tag(train.HeadPos).empty()) {
        leaveNode(state, cells, train);
    } else if (train.HeadPos == train.RunEnd) {
        train.HeadPos = train.NextNode;
    } else {
        train.HeadPos = checkedAdd(train.HeadPos, direction);
    }
    FeedTheWorm(state, index, train.HeadPos);
    PaintTheWorm(state, cells, index);
}
