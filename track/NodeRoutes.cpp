#include "track/NodeRoutes.h"

#include "base/TextConversions.h"

#include <algorithm>

namespace {

constexpr std::array<const char*, 3> kFieldNames = {"ToNode", "FirstSeg", "LastSeg"};

// Built by appending: GCC 12 at -O3 warns falsely (-Wrestrict) on "\"" + std::string.
std::string quoted(std::string_view text) {
    std::string result;
    result.reserve(text.size() + 2);
    result.append(1, '"').append(text).append(1, '"');
    return result;
}

struct ParsedTag {
    std::optional<std::string> fault;
    int groups = 0;
};

// The parse proper, on the Tag text itself.
ParsedTag parseTag(std::string_view text, RouteTable& table) {
    ParsedTag result;
    const std::string_view countToken = NextToken(text);
    const auto count = textToLong(countToken);
    if (!count) {
        result.fault = "the route count " + quoted(countToken) + " is not a whole number";
        return result;
    }
    table.NodeRouteCount = *count;

    // The loop runs on the text that is left, not on the declared count.
    int slot = 0;
    while (!text.empty()) {
        if (slot >= kRouteSlots) {
            result.fault = "it lists more than " + std::to_string(kRouteSlots) + " routes";
            return result;
        }
        NodeRoute& route = table.NodeRoutes[static_cast<std::size_t>(slot)];
        const std::array<CellIndex*, 3> fields = {&route.ToNode, &route.FirstSeg, &route.LastSeg};
        for (std::size_t f = 0; f < fields.size(); ++f) {
            const std::string_view token = NextToken(text);
            const auto value = textToLong(token);
            if (!value) {
                result.fault = "route " + std::to_string(slot) + " has " + kFieldNames[f] + " " +
                               quoted(token) + ", which is not a whole number";
                return result;
            }
            *fields[f] = *value;
        }
        ++slot;
        result.groups = slot;
    }
    return result;
}

const TrackCell* findCell(std::span<const TrackCell> layout, CellIndex n) {
    const auto found = std::find_if(layout.begin(), layout.end(),
                                    [n](const TrackCell& cell) { return cell.index == n; });
    return found == layout.end() ? nullptr : &*found;
}

// What one route of `node` must satisfy for a train to follow it and come back.
std::optional<std::string> checkRoute(std::span<const TrackCell> layout, const TrackCell& node,
                                      int slot, const NodeRoute& route) {
    const std::string name = "route " + std::to_string(slot);
    const TrackCell* far = findCell(layout, route.ToNode);
    if (far == nullptr || far->tag.empty()) {
        return name + " leads to " + std::to_string(route.ToNode) + ", which is not a node cell";
    }
    const CellIndex step = route.FirstSeg <= route.LastSeg ? 1 : -1;
    for (CellIndex n = route.FirstSeg;; n += step) {
        const TrackCell* cell = findCell(layout, n);
        if (cell == nullptr || !cell->tag.empty()) {
            return name + " runs over " + std::to_string(n) + ", which is not a plain track cell";
        }
        if (n == route.LastSeg) {
            break;
        }
    }
    RouteTable back;
    if (parseTag(far->tag, back).fault) {
        return std::nullopt; // reported when the far node itself is checked
    }
    const bool listedBack =
        std::any_of(back.NodeRoutes.begin(), back.NodeRoutes.end(), [&](const NodeRoute& r) {
            return r.ToNode == node.index && r.FirstSeg == route.LastSeg &&
                   r.LastSeg == route.FirstSeg;
        });
    if (!listedBack) {
        return name + " is not listed the other way round by node " + std::to_string(route.ToNode);
    }
    return std::nullopt;
}

std::optional<std::string> checkNode(std::span<const TrackCell> layout, const TrackCell& node) {
    RouteTable table;
    const ParsedTag parsed = parseTag(node.tag, table);
    if (parsed.fault) {
        return parsed.fault;
    }
    if (parsed.groups < 1) {
        return std::string("it lists no route");
    }
    if (table.NodeRouteCount != parsed.groups) {
        return "it declares " + std::to_string(table.NodeRouteCount) + " routes but lists " +
               std::to_string(parsed.groups);
    }
    for (int slot = 0; slot < parsed.groups; ++slot) {
        if (auto fault =
                checkRoute(layout, node, slot, table.NodeRoutes[static_cast<std::size_t>(slot)])) {
            return fault;
        }
    }
    return std::nullopt;
}

} // namespace

std::string_view NextToken(std::string_view& text) {
    const std::size_t comma = text.find(',');
    if (comma == std::string_view::npos) {
        const std::string_view token = text;
        text = {};
        return token;
    }
    const std::string_view token = text.substr(0, comma);
    text.remove_prefix(comma + 1);
    return token;
}

std::optional<std::string> ParseNodeRoutes(const CellDisplay& cells, CellIndex headPos,
                                           RouteTable& table) {
    if (auto fault = parseTag(cells.Tag(headPos), table).fault) {
        return "node " + std::to_string(headPos) + ": " + *fault;
    }
    return std::nullopt;
}

std::optional<std::string> CheckNodeTags(std::span<const TrackCell> layout) {
    for (const TrackCell& cell : layout) {
        if (cell.tag.empty()) {
            continue;
        }
        if (auto fault = checkNode(layout, cell)) {
            return "node " + std::to_string(cell.index) + ": " + *fault;
        }
    }
    return std::nullopt;
}
