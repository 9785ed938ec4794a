#include "track/TrackLayout.h"

#include "track/NodeRoutes.h"
#include "track/TrackCells.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <iterator>
#include <limits>
#include <map>
#include <string_view>
#include <utility>
#include <vector>

namespace {

// The runs as the track is meant to be: first and last index, and the node next to each end.
struct TrackRun {
    CellIndex first;
    CellIndex last;
    CellIndex nodeAtFirst;
    CellIndex nodeAtLast;
};

constexpr std::array<TrackRun, 5> kRuns = {{
    {2, 22, 502, 501},
    {24, 68, 501, 503},
    {84, 113, 502, 501},
    {115, 133, 503, 502},
    {134, 146, 503, 502},
}};

constexpr std::array<CellIndex, 3> kNodes = {501, 502, 503};

bool inARun(CellIndex n) {
    return std::any_of(kRuns.begin(), kRuns.end(),
                       [n](const TrackRun& run) { return n >= run.first && n <= run.last; });
}

const TrackCell& cell(CellIndex n) {
    const auto slot = cellSlot(n);
    if (!slot) {
        ADD_FAILURE() << "no cell " << n;
        return TrackSeg.front();
    }
    return TrackSeg[static_cast<std::size_t>(*slot)];
}

std::int64_t squaredDistance(const TrackCell& a, const TrackCell& b) {
    const std::int64_t dx = a.left - b.left;
    const std::int64_t dy = a.top - b.top;
    return dx * dx + dy * dy;
}

// Whether the corners lie `low` to `high` whole twips apart (fractions of a twip dropped).
bool distanceWithin(const TrackCell& a, const TrackCell& b, std::int64_t low, std::int64_t high) {
    const std::int64_t d2 = squaredDistance(a, b);
    return d2 >= low * low && d2 < (high + 1) * (high + 1);
}

// The routes of every node, read from its Tag by the program's own parser.
std::map<CellIndex, std::vector<NodeRoute>> parsedRoutes() {
    const TrackCells cells;
    std::map<CellIndex, std::vector<NodeRoute>> routes;
    for (const CellIndex node : kNodes) {
        RouteTable table;
        const auto fault = ParseNodeRoutes(cells, node, table);
        EXPECT_FALSE(fault.has_value()) << fault.value_or("");
        // As many routes as the Tag lists groups of three after the count, one to four.
        const std::string_view tag = cell(node).tag;
        EXPECT_EQ(std::count(tag.begin(), tag.end(), ','), 3 * table.NodeRouteCount) << tag;
        EXPECT_GE(table.NodeRouteCount, 1) << tag;
        EXPECT_LE(table.NodeRouteCount, 4) << tag;
        const auto count = std::clamp<std::ptrdiff_t>(table.NodeRouteCount, 0, kRouteSlots);
        routes[node].assign(table.NodeRoutes.begin(), table.NodeRoutes.begin() + count);
    }
    return routes;
}

// Whether the line touches the closed box of the cell.
bool lineTouchesCell(const TrackLine& line, const TrackCell& c) {
    // Clip the line's parameter range t in [0, 1] against the four sides of the box.
    const double dx = line.x2 - line.x1;
    const double dy = line.y2 - line.y1;
    const std::array<std::pair<double, double>, 4> sides = {{
        {-dx, line.x1 - c.left},
        {dx, c.left + c.width - line.x1},
        {-dy, line.y1 - c.top},
        {dy, c.top + c.height - line.y1},
    }};
    double t0 = 0.0;
    double t1 = 1.0;
    for (const auto& [p, q] : sides) {
        if (p == 0.0 && q < 0.0) {
            return false;
        }
        if (p < 0.0) {
            t0 = std::max(t0, q / p);
        } else if (p > 0.0) {
            t1 = std::min(t1, q / p);
        }
    }
    return t0 <= t1;
}

// Positive on one side of the line, negative on the other.
double sideOf(const TrackLine& line, double x, double y) {
    return (line.x2 - line.x1) * (y - line.y1) - (line.y2 - line.y1) * (x - line.x1);
}

} // namespace

// --- The cells ----------------------------------------------------------------------------------

TEST(TrackLayoutCells, HasTheCellsOfTheFiveRunsAndTheThreeNodesInIndexOrder) {
    std::vector<CellIndex> expected;
    for (const TrackRun& run : kRuns) {
        for (CellIndex n = run.first; n <= run.last; ++n) {
            expected.push_back(n);
        }
    }
    expected.insert(expected.end(), kNodes.begin(), kNodes.end());
    ASSERT_EQ(expected.size(), 131u);

    std::vector<CellIndex> actual;
    std::ranges::transform(TrackSeg, std::back_inserter(actual), &TrackCell::index);
    EXPECT_EQ(actual, expected);
    EXPECT_EQ(kTrackCellCount, 131);
}

TEST(TrackLayoutCells, CellSlotFindsExactlyTheExistingIndicesAndOnlyTheJunctionsAreNodes) {
    for (CellIndex n = -10; n <= 1000; ++n) {
        const bool node = std::find(kNodes.begin(), kNodes.end(), n) != kNodes.end();
        EXPECT_EQ(isNodeCell(n), node) << n;
        const auto slot = cellSlot(n);
        ASSERT_EQ(slot.has_value(), node || inARun(n)) << n;
        if (slot) {
            ASSERT_GE(*slot, 0);
            ASSERT_LT(*slot, kTrackCellCount);
            EXPECT_EQ(TrackSeg[static_cast<std::size_t>(*slot)].index, n);
        }
    }
    // The ends of the runs and the gaps between them, and indices far outside the table.
    for (const CellIndex n : {2, 22, 24, 68, 84, 113, 115, 133, 134, 146, 501, 502, 503}) {
        EXPECT_TRUE(cellSlot(n).has_value()) << n;
    }
    for (const CellIndex n :
         {0, 1, 23, 69, 83, 114, 147, 500, 504, -32768, 32767, 65536 + 2, 65536 + 501,
          std::numeric_limits<CellIndex>::min(), std::numeric_limits<CellIndex>::max()}) {
        EXPECT_FALSE(cellSlot(n).has_value()) << n;
    }
}

TEST(TrackLayoutCells, EachCellHasItsTagVisibilityAndSizeAndACornerOnTheSixtyTwipGrid) {
    for (const TrackCell& c : TrackSeg) {
        // Node cells carry a Tag, plain cells none.
        EXPECT_EQ(!c.tag.empty(), isNodeCell(c.index)) << c.index;
        // Only the cells under the bridge are hidden.
        EXPECT_EQ(c.shown, c.index < 30 || c.index > 32) << c.index;
        // Three cells are larger in one direction.
        EXPECT_EQ(c.width, c.index == 104 || c.index == 139 ? 255 : 195) << c.index;
        EXPECT_EQ(c.height, c.index == 112 ? 255 : 195) << c.index;
        EXPECT_EQ(c.left % 60, 0) << c.index;
        EXPECT_EQ(c.top % 60, 0) << c.index;
    }
}

TEST(TrackLayoutCells, AllCellsLieInsideTheTrackAreaAndReachItsEdges) {
    const auto right = [](const TrackCell& c) { return c.left + c.width; };
    const auto bottom = [](const TrackCell& c) { return c.top + c.height; };
    EXPECT_EQ(std::ranges::min(TrackSeg, {}, &TrackCell::left).left, 720);
    EXPECT_EQ(std::ranges::min(TrackSeg, {}, &TrackCell::top).top, 480);
    const int maxRight = right(std::ranges::max(TrackSeg, {}, right));
    const int maxBottom = bottom(std::ranges::max(TrackSeg, {}, bottom));
    EXPECT_EQ(maxRight, 8775);
    EXPECT_EQ(maxBottom, 5475);
    // The client area of the track map is 9150 x 5865 twips.
    EXPECT_LT(maxRight, 9150);
    EXPECT_LT(maxBottom, 5865);
}

TEST(TrackLayoutCells, NeighboursAndRunEndsAndTheirNodesLieAStepApartButEndsOfTwoRunsDoNot) {
    for (const TrackRun& run : kRuns) {
        for (CellIndex n = run.first; n < run.last; ++n) {
            EXPECT_TRUE(distanceWithin(cell(n), cell(n + 1), 240, 379))
                << n << " and " << n + 1 << " are "
                << std::sqrt(squaredDistance(cell(n), cell(n + 1))) << " twips apart";
        }
        EXPECT_TRUE(distanceWithin(cell(run.first), cell(run.nodeAtFirst), 247, 360))
            << run.first << " and node " << run.nodeAtFirst;
        EXPECT_TRUE(distanceWithin(cell(run.last), cell(run.nodeAtLast), 247, 360))
            << run.last << " and node " << run.nodeAtLast;
    }
    // 133 and 134 follow each other by index but end two different runs.
    for (const auto& [a, b] : {std::pair{133, 134}, std::pair{22, 24}, std::pair{113, 115}}) {
        EXPECT_FALSE(distanceWithin(cell(a), cell(b), 0, 379)) << a << " and " << b;
    }
}

TEST(TrackLayoutCells, OnlyCells89And90OverlapAndByACorner) {
    // How far two spans [a, a + aLength) and [b, b + bLength) overlap; not at all when <= 0.
    const auto overlap = [](int a, int aLength, int b, int bLength) {
        return std::min(a + aLength, b + bLength) - std::max(a, b);
    };
    for (std::size_t a = 0; a < TrackSeg.size(); ++a) {
        for (std::size_t b = a + 1; b < TrackSeg.size(); ++b) {
            const TrackCell& p = TrackSeg[a];
            const TrackCell& q = TrackSeg[b];
            const int width = overlap(p.left, p.width, q.left, q.width);
            const int height = overlap(p.top, p.height, q.top, q.height);
            if (p.index == 89 && q.index == 90) {
                EXPECT_EQ(width, 15);
                EXPECT_EQ(height, 15);
            } else {
                EXPECT_FALSE(p.shown && q.shown && width > 0 && height > 0)
                    << p.index << " and " << q.index << " overlap";
            }
        }
    }
}

// --- The routes that the node Tags list ---------------------------------------------------------

TEST(TrackLayoutRoutes, EachTagListsOneToFourRoutesAsDeclaredAndEachIsListedBackByItsFarNode) {
    // parsedRoutes() checks the count of each Tag against the tokens it lists.
    const auto routes = parsedRoutes();
    std::size_t total = 0;
    for (const auto& [node, list] : routes) {
        total += list.size();
        // Clang 14 cannot capture a structured binding.
        const CellIndex from = node;
        for (const NodeRoute& r : list) {
            const auto& far = routes.at(r.ToNode);
            const auto back = std::count_if(far.begin(), far.end(), [&](const NodeRoute& b) {
                return b.ToNode == from && b.FirstSeg == r.LastSeg && b.LastSeg == r.FirstSeg;
            });
            EXPECT_EQ(back, 1) << "node " << node << " lists (" << r.ToNode << ", " << r.FirstSeg
                               << ", " << r.LastSeg << ")";
        }
    }
    // Five runs, each listed once in each direction.
    EXPECT_EQ(total, 10u);
}

TEST(TrackLayoutRoutes, EveryRouteRunsOverOneWholeRunFromTheListingNodeToItsFarNode) {
    for (const auto& [node, list] : parsedRoutes()) {
        for (std::size_t slot = 0; slot < list.size(); ++slot) {
            const NodeRoute& r = list[slot];
            SCOPED_TRACE(testing::Message() << "node " << node << " slot " << slot);
            ASSERT_TRUE(isNodeCell(r.ToNode));
            EXPECT_NE(r.ToNode, node);
            const CellIndex step = r.FirstSeg <= r.LastSeg ? 1 : -1;
            // cell() fails the test for an index that names no cell.
            for (CellIndex n = r.FirstSeg; n != r.LastSeg; n += step) {
                EXPECT_TRUE(cell(n).tag.empty()) << n;
                EXPECT_TRUE(distanceWithin(cell(n), cell(n + step), 240, 379))
                    << n << " and " << n + step;
            }
            EXPECT_TRUE(cell(r.LastSeg).tag.empty());

            // FirstSeg is the end next to this node, LastSeg the end next to the far node.
            EXPECT_TRUE(distanceWithin(cell(r.FirstSeg), cell(node), 247, 360));
            EXPECT_TRUE(distanceWithin(cell(r.LastSeg), cell(r.ToNode), 247, 360));
            EXPECT_LT(squaredDistance(cell(r.FirstSeg), cell(node)),
                      squaredDistance(cell(r.LastSeg), cell(node)));
            EXPECT_LT(squaredDistance(cell(r.LastSeg), cell(r.ToNode)),
                      squaredDistance(cell(r.FirstSeg), cell(r.ToNode)));

            // The route is one whole run: both ends are ends of the same run. In particular no
            // route joins 133 and 134, which follow each other by index.
            const auto ends = std::minmax(r.FirstSeg, r.LastSeg);
            EXPECT_TRUE(std::any_of(
                kRuns.begin(), kRuns.end(),
                [&](const TrackRun& run) { return ends == std::minmax(run.first, run.last); }))
                << r.FirstSeg << ".." << r.LastSeg;
            EXPECT_FALSE(ends.first <= 133 && ends.second >= 134);
        }
    }
}

TEST(TrackLayoutRoutes, TheRoutesCoverEveryPlainCellOnceInEachDirection) {
    std::map<CellIndex, int> upwards;
    std::map<CellIndex, int> downwards;
    for (const auto& [node, list] : parsedRoutes()) {
        for (const NodeRoute& r : list) {
            auto& tally = r.FirstSeg < r.LastSeg ? upwards : downwards;
            const auto [low, high] = std::minmax(r.FirstSeg, r.LastSeg);
            for (CellIndex n = low; n <= high; ++n) {
                ++tally[n];
            }
        }
    }
    for (const TrackCell& c : TrackSeg) {
        if (!isNodeCell(c.index)) {
            EXPECT_EQ(upwards[c.index], 1) << c.index;
            EXPECT_EQ(downwards[c.index], 1) << c.index;
        }
    }
}

TEST(TrackLayoutRoutes, TheSlotsOfEachNodeTurnClockwiseOnScreen) {
    for (const auto& [node, list] : parsedRoutes()) {
        // With y growing downwards, a growing atan2(dy, dx) turns clockwise as seen on screen.
        std::vector<double> angles;
        for (const NodeRoute& r : list) {
            angles.push_back(std::atan2(cell(r.FirstSeg).top - cell(node).top,
                                        cell(r.FirstSeg).left - cell(node).left));
        }
        ASSERT_GE(angles.size(), 2u);
        int wraps = 0;
        for (std::size_t i = 0; i < angles.size(); ++i) {
            const double next = angles[(i + 1) % angles.size()];
            EXPECT_NE(next, angles[i]) << "node " << node << " slot " << i;
            wraps += next < angles[i] ? 1 : 0;
        }
        EXPECT_EQ(wraps, 1) << "node " << node << " lists its slots anticlockwise or out of order";
    }
}

// --- The bridge ---------------------------------------------------------------------------------

TEST(TrackLayoutBridge, TheSixLinesJoinIntoTwoOpenPolylinesOfThreePieces) {
    using Point = std::pair<int, int>;
    std::map<Point, int> degree;
    std::map<Point, Point> parent;
    const auto find = [&](Point p) {
        while (parent.at(p) != p) {
            p = parent.at(p);
        }
        return p;
    };
    for (const TrackLine& line : BridgeLines) {
        const Point a{line.x1, line.y1};
        const Point b{line.x2, line.y2};
        EXPECT_NE(a, b);
        ++degree[a];
        ++degree[b];
        parent.try_emplace(a, a);
        parent.try_emplace(b, b);
        parent[find(a)] = find(b);
    }
    // Two open chains of three pieces have eight distinct points: four ends, four joints.
    EXPECT_EQ(degree.size(), 8u);
    std::map<Point, int> endsPerChain;
    std::map<Point, int> piecesPerChain;
    for (const auto& [point, d] : degree) {
        EXPECT_LE(d, 2);
        endsPerChain[find(point)] += d == 1 ? 1 : 0;
    }
    for (const TrackLine& line : BridgeLines) {
        ++piecesPerChain[find({line.x1, line.y1})];
    }
    EXPECT_EQ(piecesPerChain.size(), 2u);
    for (const auto& [root, pieces] : piecesPerChain) {
        EXPECT_EQ(pieces, 3);
        EXPECT_EQ(endsPerChain[root], 2);
    }
}

TEST(TrackLayoutBridge, TheBridgeCellsRunBetweenTheTwoParallelMiddlePieces) {
    // The longest line of each parapet is its middle piece.
    const auto length = [](const TrackLine& l) { return std::hypot(l.x2 - l.x1, l.y2 - l.y1); };
    std::vector<TrackLine> lines(BridgeLines.begin(), BridgeLines.end());
    std::ranges::sort(lines, std::greater{}, length);
    const TrackLine& first = lines[0];
    const TrackLine& second = lines[1];
    EXPECT_EQ((first.x2 - first.x1) * (second.y2 - second.y1) -
                  (first.y2 - first.y1) * (second.x2 - second.x1),
              0)
        << "the middle pieces are not parallel";
    for (const CellIndex n : {59, 60, 61}) {
        const double x = cell(n).left + cell(n).width / 2.0;
        const double y = cell(n).top + cell(n).height / 2.0;
        EXPECT_LT(sideOf(first, x, y) * sideOf(second, x, y), 0.0) << n;
    }
}

TEST(TrackLayoutBridge, NoLineTouchesAShownCellButTheMiddlePiecesCrossHiddenOnes) {
    for (std::size_t i = 0; i < BridgeLines.size(); ++i) {
        for (const TrackCell& c : TrackSeg) {
            EXPECT_FALSE(c.shown && lineTouchesCell(BridgeLines[i], c))
                << "line " << i << " touches cell " << c.index;
        }
    }
    // Makes sure the touch test can see a crossing at all.
    for (const CellIndex n : {30, 32}) {
        EXPECT_TRUE(std::any_of(BridgeLines.begin(), BridgeLines.end(), [n](const TrackLine& line) {
            return lineTouchesCell(line, cell(n));
        })) << n;
    }
}
