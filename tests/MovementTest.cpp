#include "sim/Movement.h"

#include "PaintedState.h"
#include "RecordingCells.h"
#include "track/TrackCells.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace {

// Where a train stands and where it is bound: head, next node, first and last cell of its run.
using Position = std::array<CellIndex, 4>;

Position positionOf(const TrainRecord& train) {
    return {train.HeadPos, train.NextNode, train.RunStart, train.RunEnd};
}

// A train that has just taken `route` off a node: its head on the route's first cell.
Position startOf(const NodeRoute& route) {
    return {route.FirstSeg, route.ToNode, route.FirstSeg, route.LastSeg};
}

// Puts the train on the route's first cell, as if it had just left a node by it.
void placeOn(TrainRecord& train, const NodeRoute& route) {
    train.HeadPos = route.FirstSeg;
    train.NextNode = route.ToNode;
    train.RunStart = route.FirstSeg;
    train.RunEnd = route.LastSeg;
}

// The heads of a train along `route`, one a tick: every cell of the run, then its far node.
std::vector<CellIndex> headsAlong(const NodeRoute& route) {
    std::vector<CellIndex> heads;
    const CellIndex step = route.FirstSeg < route.LastSeg ? 1 : -1;
    for (CellIndex cell = route.FirstSeg; cell != route.LastSeg + step; cell += step) {
        heads.push_back(cell);
    }
    heads.push_back(route.ToNode);
    return heads;
}

// A death message about `n`, naming it as a whole number.
std::string stopNaming(std::string_view about, long n) {
    return "varnok: internal error: .*" + std::string(about) + ".*" + std::to_string(n) +
           "([^0-9]|$)";
}

} // namespace

// --- Choosing the exit at a node ----------------------------------------------------------------

TEST(MoveTrainAtANode, TheKeyHeldWhileTheHeadStandsOnTheNodeChoosesTheExit) {
    struct Choice {
        NodeRoute arrivingBy;
        KeyCode key;
        NodeRoute exit;
    };
    constexpr NodeRoute into502{502, 22, 2};  // 502's slot 1 leads back along it
    constexpr NodeRoute into501{501, 68, 24}; // 501's slot 2 leads back along it
    const std::array<Choice, 12> choices = {{
        // At the four-route node no key goes straight on, Left takes the leftmost exit and Right
        // the rightmost; Up, Down and Ctrl are no key here.
        {into502, kNoKey, {503, 133, 115}},
        {into502, kKeyUp, {503, 133, 115}},
        {into502, kKeyDown, {503, 133, 115}},
        {into502, kKeyCtrl, {503, 133, 115}},
        {into502, kKeyLeft, {503, 146, 134}},
        {into502, kKeyRight, {501, 84, 113}},
        // At a three-route node no key takes the rightmost exit, like Right.
        {into501, kNoKey, {502, 113, 84}},
        {into501, kKeyUp, {502, 113, 84}},
        {into501, kKeyDown, {502, 113, 84}},
        {into501, kKeyCtrl, {502, 113, 84}},
        {into501, kKeyRight, {502, 113, 84}},
        {into501, kKeyLeft, {502, 22, 2}},
    }};
    for (const auto& [arrivingBy, key, exit] : choices) {
        SCOPED_TRACE(testing::Message() << "into " << arrivingBy.ToNode << ", key " << key);
        SharedState state = paintedState();
        // Train 2 is neither in use nor controlled: its timer still moves it, and the keys
        // steer it like any other.
        state.TrainCount = 1;
        state.ControlledTrain = 0;
        TrainRecord& train = state.TrainData[2];
        train.Length = 5;
        placeOn(train, arrivingBy);
        RecordingCells cells;

        // Another key held along the run and on the tick into the node makes no difference.
        state.KeyDownCode = key == kKeyLeft ? kKeyRight : kKeyLeft;
        const std::vector<CellIndex> heads = headsAlong(arrivingBy);
        for (const CellIndex head : std::span(heads).subspan(1)) {
            MoveTrain(state, cells, 2);
            ASSERT_EQ(train.HeadPos, head);
        }
        state.KeyDownCode = key;
        MoveTrain(state, cells, 2);
        EXPECT_EQ(positionOf(train), startOf(exit));
    }
}

// A train that starts on a node has no run, so it looks for the slot whose first cell is 0. Only
// a fourth slot that no parse has filled yet holds one, and the route table is shared by all
// trains and kept from step to step.
TEST(MoveTrainAtANode, TheFirstStepFromAStartNodeDependsOnWhatEarlierStepsLeftInTheRouteTable) {
    struct FirstStep {
        CellIndex start;
        std::vector<CellIndex> earlier; // start nodes of other trains that step first, no key held
        NodeRoute noKey;
        NodeRoute left;
        NodeRoute right;
    };
    const std::array<FirstStep, 8> steps = {{
        // 502 fills all four slots itself, so nothing matches.
        {502, {}, {503, 146, 134}, {501, 2, 22}, {503, 133, 115}},
        // The fourth slot is still zeros: the train counts as arriving along it.
        {501, {}, {503, 24, 68}, {502, 113, 84}, {503, 24, 68}},
        {503, {}, {501, 68, 24}, {502, 134, 146}, {501, 68, 24}},
        // Three-route nodes leave the fourth slot alone.
        {501, {503}, {503, 24, 68}, {502, 113, 84}, {503, 24, 68}},
        {503, {501}, {501, 68, 24}, {502, 134, 146}, {501, 68, 24}},
        // Once a train has left 502 the fourth slot keeps one of its routes, and nothing matches.
        {501, {502}, {502, 22, 2}, {503, 24, 68}, {502, 22, 2}},
        {503, {502}, {502, 115, 133}, {501, 68, 24}, {502, 115, 133}},
        {503, {502, 501}, {502, 115, 133}, {501, 68, 24}, {502, 115, 133}},
    }};
    for (const auto& [start, earlier, noKey, left, right] : steps) {
        const std::array<std::pair<KeyCode, NodeRoute>, 3> keys = {
            {{kNoKey, noKey}, {kKeyLeft, left}, {kKeyRight, right}}};
        for (const auto& [key, exit] : keys) {
            SCOPED_TRACE(testing::Message() << "from " << start << " after " << earlier.size()
                                            << " other trains, key " << key);
            SharedState state = paintedState();
            RecordingCells cells;
            for (std::size_t other = 0; other < earlier.size(); ++other) {
                const int index = static_cast<int>(other) + 1;
                state.TrainData[other + 1].HeadPos = earlier[other];
                state.TrainData[other + 1].Length = 5;
                MoveTrain(state, cells, index);
            }
            cells.takeWrites();

            TrainRecord& train = state.TrainData[0];
            train.HeadPos = start;
            train.Length = 5;
            train.ColorIndex = 7;
            state.KeyDownCode = key;
            MoveTrain(state, cells, 0);
            EXPECT_EQ(positionOf(train), startOf(exit));
            // The start node never enters the body; only the new head cell is shown.
            EXPECT_EQ(train.Body[0], exit.FirstSeg);
            EXPECT_EQ(std::count(train.Body.begin(), train.Body.end(), 0), kBodyCapacity - 1);
            EXPECT_EQ(cells.writes, (std::vector<CellWrite>{{exit.FirstSeg, state.Palette[7]}}));
        }
    }
}

TEST(MoveTrainAtANode, RightTakesTheFirstSlotAtANodeOfNeitherThreeNorFourRoutes) {
    struct OddNode {
        std::string_view tag; // given to cell 501
        CellIndex runEnd;
        KeyCode key;
        NodeRoute exit;
    };
    constexpr std::string_view two = "2,503,24,68,502,22,2";
    constexpr std::string_view five = "5,501,84,113,501,2,22,503,146,134,503,133,115";
    const std::array<OddNode, 7> nodes = {{
        // Two routes, arriving along slot 1: no key goes on to slot (1 + 2) mod 2.
        {two, 22, kKeyRight, {503, 24, 68}},
        {two, 22, kNoKey, {502, 22, 2}},
        // Five declared and four listed, arriving along slot 1.
        {five, 2, kKeyRight, {501, 84, 113}},
        {five, 2, kNoKey, {503, 133, 115}},
        {five, 2, kKeyLeft, {503, 146, 134}},
        // One route, and an arrival that matches no slot.
        {"1,503,24,68", 68, kKeyRight, {503, 24, 68}},
        // No route declared: Right does not divide by the count.
        {"0,503,24,68,502,22,2", 22, kKeyRight, {503, 24, 68}},
    }};
    for (const auto& [tag, runEnd, key, exit] : nodes) {
        SCOPED_TRACE(testing::Message() << '"' << tag << "\", key " << key);
        SharedState state = paintedState();
        RecordingCells cells;
        cells.setTag(501, std::string(tag));
        TrainRecord& train = state.TrainData[0];
        train.HeadPos = 501;
        train.RunStart = runEnd;
        train.RunEnd = runEnd;
        train.NextNode = 501;
        train.Length = 1;
        state.KeyDownCode = key;
        MoveTrain(state, cells, 0);
        EXPECT_EQ(positionOf(train), startOf(exit));
    }
}

// --- Along a run --------------------------------------------------------------------------------

// With no key held a train keeps taking the exit two slots on. Its head spends a tick on every
// cell of each run and one on each node, and after the last run it is back where it started.
TEST(MoveTrainAlongARun, WithNoKeyATrainGoesRoundACircuitBackToItsStartNode) {
    struct Circuit {
        CellIndex start;
        std::vector<NodeRoute> routes;
    };
    const std::array<Circuit, 3> circuits = {{
        {501, {{503, 24, 68}, {502, 134, 146}, {501, 84, 113}}},
        {502, {{503, 146, 134}, {502, 115, 133}}},
        {503, {{501, 68, 24}, {502, 113, 84}, {503, 146, 134}}},
    }};
    for (const auto& [start, routes] : circuits) {
        SCOPED_TRACE(testing::Message() << "from " << start);
        SharedState state = paintedState();
        TrackCells cells;
        TrainRecord& train = state.TrainData[1];
        train.HeadPos = start;
        train.Length = 5;
        train.ColorIndex = 13;

        std::vector<CellIndex> heads;
        for (const NodeRoute& route : routes) {
            const std::vector<CellIndex> run = headsAlong(route);
            heads.insert(heads.end(), run.begin(), run.end());
        }
        ASSERT_EQ(std::find(heads.begin(), heads.end(), start), heads.end() - 1);
        for (std::size_t tick = 0; tick < heads.size(); ++tick) {
            MoveTrain(state, cells, 1);
            ASSERT_EQ(train.HeadPos, heads[tick]) << "tick " << tick + 1;
        }

        // The five newest heads show the train. Every other cell it passed, the nodes among
        // them, shows the track colour; the rest keep their design colours.
        const std::span<const CellIndex> shown = std::span(heads).last(5);
        for (const TrackCell& c : TrackSeg) {
            const auto slot = cellSlot(c.index).value_or(0);
            const bool passed = std::find(heads.begin(), heads.end(), c.index) != heads.end();
            const Color expected = std::find(shown.begin(), shown.end(), c.index) != shown.end()
                                       ? state.Palette[13]
                                   : passed || c.tag.empty() ? kWhite
                                                             : kYellow;
            EXPECT_EQ(cells.colorAt(slot), expected) << c.index;
        }
    }
}

TEST(MoveTrainAlongARun, ARunOfOneCellLeadsIntoItsNodeOnTheNextTick) {
    SharedState state = paintedState();
    RecordingCells cells;
    cells.setTag(501, "1,502,22,22");
    TrainRecord& train = state.TrainData[0];
    train.HeadPos = 501;
    train.Length = 2;
    MoveTrain(state, cells, 0);
    EXPECT_EQ(positionOf(train), (Position{22, 502, 22, 22}));
    // The run neither rises nor falls, so its step is -1; the head still goes to 502, not 21.
    MoveTrain(state, cells, 0);
    EXPECT_EQ(train.HeadPos, 502);
    EXPECT_EQ(train.Body[0], 502);
    EXPECT_EQ(train.Body[1], 22);
}

TEST(MoveTrainAlongARun, ATrainOnAPlainCellWithNoRunStepsDownOneCellATick) {
    SharedState state = paintedState();
    RecordingCells cells;
    TrainRecord& train = state.TrainData[0];
    train.HeadPos = 60;
    for (const CellIndex head : {59, 58, 57}) {
        MoveTrain(state, cells, 0);
        EXPECT_EQ(train.HeadPos, head);
    }
}

// --- Redrawing ----------------------------------------------------------------------------------

TEST(MoveTrainRedraw, ClearsTheOldBodyHeadFirstAndThenPaintsTheNewBodyHeadFirst) {
    struct Step {
        CellIndex head;
        std::array<CellIndex, 3> body;
        std::array<CellIndex, 3> newBody;
    };
    // A train of three on the run 22..2 towards 502, with no key held.
    const std::array<Step, 3> steps = {{
        {20, {20, 21, 22}, {19, 20, 21}},
        {2, {2, 3, 4}, {502, 2, 3}},
        {502, {502, 2, 3}, {133, 502, 2}},
    }};
    for (const auto& [head, body, newBody] : steps) {
        SCOPED_TRACE(testing::Message() << "head on " << head);
        SharedState state = paintedState();
        RecordingCells cells;
        TrainRecord& train = state.TrainData[0];
        placeOn(train, {502, 22, 2});
        train.HeadPos = head;
        train.Length = 3;
        train.ColorIndex = 20;
        std::copy(body.begin(), body.end(), train.Body.begin());
        MoveTrain(state, cells, 0);

        std::vector<CellWrite> expected;
        for (const CellIndex cell : body) {
            expected.push_back({cell, kWhite});
        }
        for (const CellIndex cell : newBody) {
            expected.push_back({cell, state.Palette[20]});
        }
        EXPECT_EQ(cells.writes, expected);
        EXPECT_TRUE(std::equal(newBody.begin(), newBody.end(), train.Body.begin()));
        EXPECT_EQ(train.Body[3], 0);
    }
}

TEST(MoveTrainRedraw, ATrainOfNoLengthMovesWithoutShowingACell) {
    for (const std::int32_t length : {0, -2}) {
        SharedState state = paintedState();
        RecordingCells cells;
        TrainRecord& train = state.TrainData[0];
        train.HeadPos = 502;
        train.Length = length;
        const std::vector<CellIndex> heads = headsAlong({503, 146, 134});
        for (const CellIndex head : heads) {
            MoveTrain(state, cells, 0);
            ASSERT_EQ(train.HeadPos, head) << length;
            // The body's first entry still follows the head.
            ASSERT_EQ(train.Body[0], head) << length;
        }
        EXPECT_TRUE(cells.writes.empty()) << length;
        EXPECT_EQ(train.Body[1], 0) << length;
    }
}

// --- Faults -------------------------------------------------------------------------------------

TEST(MoveTrainDeathTest, ATrainOutsideTheThreeStopsTheProgram) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    SharedState state = paintedState();
    RecordingCells cells;
    for (const int index : {-1, 3, 7}) {
        EXPECT_DEATH(MoveTrain(state, cells, index), stopNaming("train", index));
    }
}

TEST(MoveTrainDeathTest, ANodeWithNoExitToTakeStopsTheProgram) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    struct BadNode {
        std::string_view tag; // given to cell 501
        CellIndex runEnd;
        KeyCode key;
    };
    const std::array<BadNode, 4> nodes = {{
        // No route declared: Left and no key would divide by the count.
        {"0,503,24,68,502,22,2", 22, kNoKey},
        {"0,503,24,68,502,22,2", 22, kKeyLeft},
        // Five declared, arriving along slot 2: two on is slot 4, one past the table's end.
        {"5,501,84,113,501,2,22,503,146,134,503,133,115", 146, kNoKey},
        // A Tag that does not parse.
        {"3,502,22", 0, kNoKey},
    }};
    for (const auto& [tag, runEnd, key] : nodes) {
        SharedState state = paintedState();
        RecordingCells cells;
        cells.setTag(501, std::string(tag));
        TrainRecord& train = state.TrainData[0];
        train.HeadPos = 501;
        train.RunEnd = runEnd;
        train.Length = 1;
        state.KeyDownCode = key;
        EXPECT_DEATH(MoveTrain(state, cells, 0), stopNaming("node", 501)) << tag;
    }
}
