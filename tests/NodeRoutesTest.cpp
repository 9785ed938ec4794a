#include "track/NodeRoutes.h"

#include "track/TrackCells.h"
#include "track/TrackLayout.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <ostream>
#include <regex>
#include <string>
#include <string_view>
#include <utility>

// Found by argument-dependent lookup, so they must live beside NodeRoute.
static bool operator==(const NodeRoute& a, const NodeRoute& b) {
    return a.ToNode == b.ToNode && a.FirstSeg == b.FirstSeg && a.LastSeg == b.LastSeg;
}

static std::ostream& operator<<(std::ostream& out, const NodeRoute& r) {
    return out << "(" << r.ToNode << ", " << r.FirstSeg << ", " << r.LastSeg << ")";
}

namespace {

// A cell display whose one node cell carries whatever Tag a test gives it.
class OneNodeDisplay final : public CellDisplay {
public:
    static constexpr CellIndex kNode = 777;

    explicit OneNodeDisplay(std::string tag) : m_tag(std::move(tag)) {}

    std::string_view Tag(CellIndex n) const override {
        EXPECT_EQ(n, kNode) << "the parser read a cell other than the one asked for";
        return m_tag;
    }
    void SetBackColor(CellIndex, Color) override { ADD_FAILURE() << "the parser set a colour"; }

private:
    std::string m_tag;
};

constexpr NodeRoute kStale{-7, -8, -9};
constexpr std::int32_t kStaleCount = -3;

// A table whose every field holds a value no parse writes, so that untouched fields show.
RouteTable staleTable() {
    RouteTable table;
    table.NodeRoutes.fill(kStale);
    table.NodeRouteCount = kStaleCount;
    return table;
}

using Slots = std::array<NodeRoute, kRouteSlots>;

// What a Tag leaves in a stale table: the count and the four slots.
struct TagOutcome {
    std::string_view tag;
    std::int32_t count;
    Slots slots;
};

// Whether `text` names `n` as a whole number, not as part of a longer one.
bool namesNumber(const std::string& text, long n) {
    return std::regex_search(text, std::regex("(^|[^0-9])" + std::to_string(n) + "([^0-9]|$)"));
}

std::optional<std::string> parseTag(std::string tag, RouteTable& table) {
    const OneNodeDisplay display(std::move(tag));
    return ParseNodeRoutes(display, OneNodeDisplay::kNode, table);
}

} // namespace

// --- Cutting tokens -----------------------------------------------------------------------------

TEST(NextToken, CutsTheTextUpToTheFirstCommaAndKeepsWhatFollowsItUntilNothingIsLeft) {
    struct Cut {
        std::string_view text;
        std::string_view token;
        std::string_view rest;
    };
    // No comma takes the whole text; an empty text or a leading comma gives an empty token; a
    // trailing comma is dropped; blanks stay inside the token.
    const std::array<Cut, 8> cuts = {{{"3,502,22", "3", "502,22"},
                                      {"502,22", "502", "22"},
                                      {"68", "68", ""},
                                      {"", "", ""},
                                      {",5", "", "5"},
                                      {",,7", "", ",7"},
                                      {"5,", "5", ""},
                                      {" 1 , 2", " 1 ", " 2"}}};
    for (const auto& [text, token, rest] : cuts) {
        std::string_view left = text;
        EXPECT_EQ(NextToken(left), token) << '"' << text << '"';
        EXPECT_EQ(left, rest) << '"' << text << '"';
    }

    // A whole Tag, token by token.
    std::string_view text = "4,501,84,113,501,2,22,503,146,134,503,133,115";
    int tokens = 0;
    while (!text.empty()) {
        const std::string_view token = NextToken(text);
        EXPECT_FALSE(token.empty());
        EXPECT_EQ(token.find(','), std::string_view::npos);
        ++tokens;
    }
    EXPECT_EQ(tokens, 13);
}

// --- Parsing the shipped node Tags --------------------------------------------------------------

TEST(ParseNodeRoutesOnTheTrack, EachNodeGivesItsRoutesInItsSlots) {
    const TrackCells cells;
    struct NodeOutcome {
        CellIndex node;
        std::int32_t count;
        Slots slots;
    };
    const std::array<NodeOutcome, 3> nodes = {{
        {502, 4, {{{501, 84, 113}, {501, 2, 22}, {503, 146, 134}, {503, 133, 115}}}},
        {501, 3, {{{502, 22, 2}, {502, 113, 84}, {503, 24, 68}, kStale}}},
        {503, 3, {{{502, 115, 133}, {502, 134, 146}, {501, 68, 24}, kStale}}},
    }};
    for (const auto& [node, count, slots] : nodes) {
        RouteTable table = staleTable();
        EXPECT_EQ(ParseNodeRoutes(cells, node, table), std::nullopt) << node;
        EXPECT_EQ(table.NodeRouteCount, count) << node;
        EXPECT_EQ(table.NodeRoutes, slots) << node;
    }
}

TEST(ParseNodeRoutesOnTheTrack, AThreeRouteNodeLeavesTheFourthSlotAsItWas) {
    const TrackCells cells;

    RouteTable fresh;
    EXPECT_EQ(ParseNodeRoutes(cells, 501, fresh), std::nullopt);
    EXPECT_EQ(fresh.NodeRoutes[3], (NodeRoute{0, 0, 0}));

    RouteTable after502;
    EXPECT_EQ(ParseNodeRoutes(cells, 502, after502), std::nullopt);
    for (const CellIndex node : {501, 503}) {
        EXPECT_EQ(ParseNodeRoutes(cells, node, after502), std::nullopt);
        EXPECT_EQ(after502.NodeRouteCount, 3);
        EXPECT_EQ(after502.NodeRoutes[3], (NodeRoute{503, 133, 115})) << node;
    }
}

TEST(ParseNodeRoutesOnTheTrack, ReparsingTheSameNodeGivesTheSameTable) {
    const TrackCells cells;
    RouteTable first;
    RouteTable second;
    ASSERT_EQ(ParseNodeRoutes(cells, 502, first), std::nullopt);
    ASSERT_EQ(ParseNodeRoutes(cells, 502, second), std::nullopt);
    ASSERT_EQ(ParseNodeRoutes(cells, 502, second), std::nullopt);
    EXPECT_EQ(first.NodeRouteCount, second.NodeRouteCount);
    EXPECT_EQ(first.NodeRoutes, second.NodeRoutes);
}

// --- Parsing other Tags -------------------------------------------------------------------------

TEST(ParseNodeRoutes, StoresTheDeclaredCountAsItStandsAndFillsOneSlotPerGroupItLists) {
    constexpr NodeRoute s = kStale;
    const std::array<TagOutcome, 7> outcomes = {{
        // The count need not match the groups.
        {"1,502,22,2,503,24,68", 1, {{{502, 22, 2}, {503, 24, 68}, s, s}}},
        // A trailing comma ends the list normally.
        {"1,502,22,2,", 1, {{{502, 22, 2}, s, s, s}}},
        {"4,1,2,3,4,5,6,7,8,9,10,11,12,", 4, {{{1, 2, 3}, {4, 5, 6}, {7, 8, 9}, {10, 11, 12}}}},
        // A count alone, or with a comma after it, sets the count and no slot.
        {"3", 3, {{s, s, s, s}}},
        {"2,", 2, {{s, s, s, s}}},
        {"4,1,2,3,4,5,6,7,8,9,10,11,12", 4, {{{1, 2, 3}, {4, 5, 6}, {7, 8, 9}, {10, 11, 12}}}},
        // Tokens read as Longs, with signs and blanks.
        {" 1 ,+502, 22 ,-2", 1, {{{502, 22, -2}, s, s, s}}},
    }};
    for (const auto& [tag, count, slots] : outcomes) {
        RouteTable table = staleTable();
        EXPECT_EQ(parseTag(std::string(tag), table), std::nullopt) << '"' << tag << '"';
        EXPECT_EQ(table.NodeRouteCount, count) << '"' << tag << '"';
        EXPECT_EQ(table.NodeRoutes, slots) << '"' << tag << '"';
    }
}

// --- Tags that do not parse ---------------------------------------------------------------------

// A fifth group has no slot: the four slots are written, and nothing next to the table.
TEST(ParseNodeRoutesFaults, AFifthGroupIsAFaultAfterTheFourSlots) {
    struct Guarded {
        std::array<std::int32_t, 8> before;
        RouteTable table;
        std::array<std::int32_t, 8> after;
    } guarded{};
    guarded.before.fill(0x5A5A5A5A);
    guarded.after.fill(0x5A5A5A5A);
    guarded.table = staleTable();

    const auto fault = parseTag("5,1,2,3,4,5,6,7,8,9,10,11,12,13,14,15", guarded.table);
    ASSERT_TRUE(fault.has_value());
    EXPECT_TRUE(namesNumber(*fault, OneNodeDisplay::kNode)) << *fault;
    EXPECT_EQ(guarded.table.NodeRouteCount, 5);
    EXPECT_EQ(guarded.table.NodeRoutes[0], (NodeRoute{1, 2, 3}));
    EXPECT_EQ(guarded.table.NodeRoutes[3], (NodeRoute{10, 11, 12}));
    EXPECT_THAT(guarded.before, testing::Each(0x5A5A5A5A));
    EXPECT_THAT(guarded.after, testing::Each(0x5A5A5A5A));
}

TEST(ParseNodeRoutesFaults, AFaultNamesTheNodeAndKeepsTheFieldsWrittenBeforeIt) {
    constexpr NodeRoute s = kStale;
    const std::array<TagOutcome, 11> outcomes = {{
        // A lone fifth ToNode must not land anywhere, not even in the count next to the slots.
        {"4,1,2,3,4,5,6,7,8,9,10,11,12,99", 4, {{{1, 2, 3}, {4, 5, 6}, {7, 8, 9}, {10, 11, 12}}}},
        {"4,1,2,3,4,5,6,7,8,9,10,11,12,x", 4, {{{1, 2, 3}, {4, 5, 6}, {7, 8, 9}, {10, 11, 12}}}},
        // A missing, empty, non-numeric or too large token stops the group where it is.
        {"2,501,84", 2, {{{501, 84, s.LastSeg}, s, s, s}}},
        {"1,502,,2", 1, {{{502, s.FirstSeg, s.LastSeg}, s, s, s}}},
        {"1,502,2x2,2", 1, {{{502, s.FirstSeg, s.LastSeg}, s, s, s}}},
        {"1,502,22,99999999999", 1, {{{502, 22, s.LastSeg}, s, s, s}}},
        {"1,2147483648,22,2", 1, {{s, s, s, s}}},
        // A count that is not a number is a fault before anything is written.
        {"x,502,22,2", kStaleCount, {{s, s, s, s}}},
        {"", kStaleCount, {{s, s, s, s}}},
        {",502,22,2", kStaleCount, {{s, s, s, s}}},
        {"3.5.1,502,22,2", kStaleCount, {{s, s, s, s}}},
    }};
    for (const auto& [tag, count, slots] : outcomes) {
        RouteTable table = staleTable();
        const auto fault = parseTag(std::string(tag), table);
        ASSERT_TRUE(fault.has_value()) << '"' << tag << '"';
        EXPECT_TRUE(namesNumber(*fault, OneNodeDisplay::kNode)) << *fault;
        EXPECT_EQ(table.NodeRouteCount, count) << '"' << tag << '"';
        EXPECT_EQ(table.NodeRoutes, slots) << '"' << tag << '"';
    }
}

TEST(ParseNodeRoutesFaults, AFaultQuotesTheBadTokenAndNamesTheNodeOfTheTrack) {
    RouteTable table = staleTable();
    const auto fault = parseTag("1,502,2x2,2", table);
    ASSERT_TRUE(fault.has_value());
    EXPECT_NE(fault->find("2x2"), std::string::npos) << *fault;
    // A plain cell's empty Tag has no count.
    const TrackCells cells;
    const auto plain = ParseNodeRoutes(cells, 60, table);
    ASSERT_TRUE(plain.has_value());
    EXPECT_TRUE(namesNumber(*plain, 60)) << *plain;
}

// --- Checking all Tags of a layout --------------------------------------------------------------

namespace {

using Layout = std::array<TrackCell, kTrackCellCount>;

// The shipped layout with the Tag of `node` replaced.
Layout layoutWithTag(CellIndex node, std::string_view tag) {
    Layout layout = TrackSeg;
    const auto slot = cellSlot(node);
    EXPECT_TRUE(slot.has_value()) << node;
    layout[static_cast<std::size_t>(slot.value_or(0))].tag = tag;
    return layout;
}

// The layout with the node cells moved to the front, so that they are checked before anything
// else.
Layout nodesFirst(Layout layout) {
    std::stable_partition(layout.begin(), layout.end(),
                          [](const TrackCell& c) { return isNodeCell(c.index); });
    return layout;
}

// Checks that the layout is rejected with a message about `node` that also names `mentioned`.
void expectRejectedNaming(const Layout& layout, CellIndex node, long mentioned) {
    const auto fault = CheckNodeTags(layout);
    ASSERT_TRUE(fault.has_value()) << "accepted";
    // The first number that a message mentions is the node it is about; others may follow.
    std::smatch first;
    ASSERT_TRUE(std::regex_search(*fault, first, std::regex("[0-9]+"))) << *fault;
    EXPECT_EQ(std::stol(first.str()), node) << *fault;
    EXPECT_TRUE(namesNumber(*fault, mentioned)) << *fault;
}

} // namespace

TEST(CheckNodeTags, AcceptsTheShippedTrackInAnyOrderOfTheCells) {
    EXPECT_EQ(CheckNodeTags(TrackSeg), std::nullopt);
    Layout reversed = TrackSeg;
    std::reverse(reversed.begin(), reversed.end());
    EXPECT_EQ(CheckNodeTags(reversed), std::nullopt);
    EXPECT_EQ(CheckNodeTags(nodesFirst(TrackSeg)), std::nullopt);
}

TEST(CheckNodeTags, RejectsABadTagWithAMessageAboutTheNodeAtFault) {
    struct BadTag {
        CellIndex cell;
        std::string_view tag;
        CellIndex node;
        long mentioned;
    };
    const std::array<BadTag, 19> bad = {{
        // A count that differs from the groups, or no routes at all.
        {501, "2,502,22,2,502,113,84,503,24,68", 501, 501},
        {502, "5,501,84,113,501,2,22,503,146,134,503,133,115", 502, 502},
        {501, "0", 501, 501},
        {501, "0,502,22,2,502,113,84,503,24,68", 501, 501},
        {501, "-3,502,22,2,502,113,84,503,24,68", 501, 501},
        // 24..2 runs over 23, where there is no cell; 22..1 ends on one.
        {501, "3,502,24,2,502,113,84,503,24,68", 501, 23},
        {501, "3,502,22,1,502,113,84,503,24,68", 501, 1},
        // A route to a cell that is not a node.
        {501, "3,22,22,2,502,113,84,503,24,68", 501, 501},
        {501, "3,504,22,2,502,113,84,503,24,68", 501, 501},
        {501, "3,0,22,2,502,113,84,503,24,68", 501, 501},
        // 503 lists the run to 501 the wrong way round, so neither end's route is listed back.
        {503, "3,502,115,133,502,134,146,501,24,68", 501, 501},
        // 501 leads its first route to 503, which has no route back over 22..2.
        {501, "3,503,22,2,502,113,84,503,24,68", 501, 501},
        // 501 stops its first route one cell short; 502 lists the whole run back.
        {501, "3,502,22,3,502,113,84,503,24,68", 501, 501},
        // A fifth group.
        {502, "5,501,84,113,501,2,22,503,146,134,503,133,115,501,84,113", 502, 502},
        // Tokens that are not numbers, or missing.
        {503, "3,502,115,133,502,134,14six,501,68,24", 503, 503},
        {503, "three,502,115,133,502,134,146,501,68,24", 503, 503},
        {503, "3,502,115,133,502,134,146,501,68", 503, 503},
        {503, "3,502,115,133,,502,134,146,501,68,24", 503, 503},
        // Cell 12, in the middle of run 2..22, made into something with a Tag of its own; with a
        // plain cell tagged, the nodes go first so that 501's route over it is checked first.
        {12, "1,501,13,22", 501, 12},
    }};
    for (const auto& [cell, tag, node, mentioned] : bad) {
        SCOPED_TRACE(testing::Message() << "cell " << cell << " tagged \"" << tag << '"');
        const Layout layout = layoutWithTag(cell, tag);
        expectRejectedNaming(isNodeCell(cell) ? layout : nodesFirst(layout), node, mentioned);
    }
}
