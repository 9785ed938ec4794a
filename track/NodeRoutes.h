#pragma once

#include "track/CellDisplay.h"
#include "track/TrackLayout.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

// One route leaving a node: the cells FirstSeg..LastSeg, then the node ToNode.
struct NodeRoute {
    CellIndex ToNode = 0;
    CellIndex FirstSeg = 0;
    CellIndex LastSeg = 0;
};

inline constexpr int kRouteSlots = 4;

// The routes of the node parsed last. Slots that a parse does not reach keep what an earlier
// parse left there, and the trains' arrival search looks at all four.
struct RouteTable {
    std::array<NodeRoute, kRouteSlots> NodeRoutes{};
    std::int32_t NodeRouteCount = 0;
};

// Cuts off the text up to the first comma and returns it; the text keeps what follows the
// comma, or becomes empty when there is none.
std::string_view NextToken(std::string_view& text);

// Loads the routes of the node cell under `headPos` into `table`, group by group, field by
// field. The declared count is stored as it stands. On a fault (a token that is not a whole
// number, a fifth group) returns a description; the fields written before the fault keep
// their new values and nothing outside the table is touched.
std::optional<std::string> ParseNodeRoutes(const CellDisplay& cells, CellIndex headPos,
                                           RouteTable& table);

// Checks every Tag of a layout once: each parses, declares as many routes as it lists (one to
// four), and every route runs over existing plain cells to a node that lists the same route
// back. Returns a description naming the node and the fault, or nothing when all is well.
std::optional<std::string> CheckNodeTags(std::span<const TrackCell> layout);
