#include "track/NodeRoutes.h"

#include "track/TrackCells.h"
#include "track/TrackLayout.h"

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
    void SetBackColor(CellIndex, Colour) override { ADD_FAILURE() << "the parser set a colour"; }

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

TEST(NextToken, CutsTheTextUpToTheFirstComma) {
    std::string_view text = "3,502,22";
    EXPECT_EQ(NextToken(text), "3");
    EXPECT_EQ(text, "502,22");
    EXPECT_EQ(NextToken(text), "502");
    EXPECT_EQ(text, "22");
}

TEST(NextToken, TakesTheWholeTextWhenThereIsNoComma) {
    std::string_view text = "68";
    EXPECT_EQ(NextToken(text), "68");
    EXPECT_EQ(text, "");
}

TEST(NextToken, GivesAnEmptyTokenForAnEmptyText) {
    std::string_view text = "";
    EXPECT_EQ(NextToken(text), "");
    EXPECT_EQ(text, "");
    EXPECT_EQ(NextToken(text), "");
    EXPECT_EQ(text, "");
}

TEST(NextToken, GivesAnEmptyTokenBeforeALeadingComma) {
    std::string_view text = ",5";
    EXPECT_EQ(NextToken(text), "");
    EXPECT_EQ(text, "5");

    text = ",,7";
    EXPECT_EQ(NextToken(text), "");
    EXPECT_EQ(text, ",7");
}

TEST(NextToken, DropsATrailingCommaAndLeavesNothing) {
    std::string_view text = "5,";
    EXPECT_EQ(NextToken(text), "5");
    EXPECT_EQ(text, "");
}

TEST(NextToken, KeepsBlanksInsideTheToken) {
    std::string_view text = " 1 , 2";
    EXPECT_EQ(NextToken(text), " 1 ");
    EXPECT_EQ(text, " 2");
}

TEST(NextToken, WalksATagTokenByToken) {
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

TEST(ParseNodeRoutesOnTheTrack, Node502GivesFourRoutesInItsSlots) {
    const TrackCells cells;
    RouteTable table = staleTable();
    EXPECT_EQ(ParseNodeRoutes(cells, 502, table), std::nullopt);
    EXPECT_EQ(table.NodeRouteCount, 4);
    EXPECT_EQ(table.NodeRoutes[0], (NodeRoute{501, 84, 113}));
    EXPECT_EQ(table.NodeRoutes[1], (NodeRoute{501, 2, 22}));
    EXPECT_EQ(table.NodeRoutes[2], (NodeRoute{503, 146, 134}));
    EXPECT_EQ(table.NodeRoutes[3], (NodeRoute{503, 133, 115}));
}

TEST(ParseNodeRoutesOnTheTrack, Nodes501And503GiveThreeRoutes) {
    const TrackCells cells;
    RouteTable table;
    EXPECT_EQ(ParseNodeRoutes(cells, 501, table), std::nullopt);
    EXPECT_EQ(table.NodeRouteCount, 3);
    EXPECT_EQ(table.NodeRoutes[0], (NodeRoute{502, 22, 2}));
    EXPECT_EQ(table.NodeRoutes[1], (NodeRoute{502, 113, 84}));
    EXPECT_EQ(table.NodeRoutes[2], (NodeRoute{503, 24, 68}));

    EXPECT_EQ(ParseNodeRoutes(cells, 503, table), std::nullopt);
    EXPECT_EQ(table.NodeRouteCount, 3);
    EXPECT_EQ(table.NodeRoutes[0], (NodeRoute{502, 115, 133}));
    EXPECT_EQ(table.NodeRoutes[1], (NodeRoute{502, 134, 146}));
    EXPECT_EQ(table.NodeRoutes[2], (NodeRoute{501, 68, 24}));
}

TEST(ParseNodeRoutesOnTheTrack, AThreeRouteNodeLeavesTheFourthSlotAsItWas) {
    const TrackCells cells;

    RouteTable fresh;
    EXPECT_EQ(ParseNodeRoutes(cells, 501, fresh), std::nullopt);
    EXPECT_EQ(fresh.NodeRoutes[3], (NodeRoute{0, 0, 0}));

    RouteTable after502;
    EXPECT_EQ(ParseNodeRoutes(cells, 502, after502), std::nullopt);
    EXPECT_EQ(ParseNodeRoutes(cells, 501, after502), std::nullopt);
    EXPECT_EQ(after502.NodeRouteCount, 3);
    EXPECT_EQ(after502.NodeRoutes[3], (NodeRoute{503, 133, 115}));

    EXPECT_EQ(ParseNodeRoutes(cells, 503, after502), std::nullopt);
    EXPECT_EQ(after502.NodeRoutes[3], (NodeRoute{503, 133, 115}));
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

TEST(ParseNodeRoutes, StoresTheDeclaredCountAsItStandsAndFillsOneSlotPerGroup) {
    RouteTable table = staleTable();
    EXPECT_EQ(parseTag("1,502,22,2,503,24,68", table), std::nullopt);
    EXPECT_EQ(table.NodeRouteCount, 1);
    EXPECT_EQ(table.NodeRoutes[0], (NodeRoute{502, 22, 2}));
    EXPECT_EQ(table.NodeRoutes[1], (NodeRoute{503, 24, 68}));
    EXPECT_EQ(table.NodeRoutes[2], kStale);
    EXPECT_EQ(table.NodeRoutes[3], kStale);
}

TEST(ParseNodeRoutes, ATrailingCommaEndsTheListNormally) {
    RouteTable table = staleTable();
    EXPECT_EQ(parseTag("1,502,22,2,", table), std::nullopt);
    EXPECT_EQ(table.NodeRouteCount, 1);
    EXPECT_EQ(table.NodeRoutes[0], (NodeRoute{502, 22, 2}));
    EXPECT_EQ(table.NodeRoutes[1], kStale);
}

TEST(ParseNodeRoutes, ACountAloneSetsTheCountAndNoSlot) {
    RouteTable table = staleTable();
    EXPECT_EQ(parseTag("3", table), std::nullopt);
    EXPECT_EQ(table.NodeRouteCount, 3);
    for (const NodeRoute& route : table.NodeRoutes) {
        EXPECT_EQ(route, kStale);
    }

    // A comma after the count leaves nothing to parse either.
    table = staleTable();
    EXPECT_EQ(parseTag("2,", table), std::nullopt);
    EXPECT_EQ(table.NodeRouteCount, 2);
    for (const NodeRoute& route : table.NodeRoutes) {
        EXPECT_EQ(route, kStale);
    }
}

TEST(ParseNodeRoutes, FillsAllFourSlots) {
    RouteTable table = staleTable();
    EXPECT_EQ(parseTag("4,1,2,3,4,5,6,7,8,9,10,11,12", table), std::nullopt);
    EXPECT_EQ(table.NodeRouteCount, 4);
    EXPECT_EQ(table.NodeRoutes[0], (NodeRoute{1, 2, 3}));
    EXPECT_EQ(table.NodeRoutes[1], (NodeRoute{4, 5, 6}));
    EXPECT_EQ(table.NodeRoutes[2], (NodeRoute{7, 8, 9}));
    EXPECT_EQ(table.NodeRoutes[3], (NodeRoute{10, 11, 12}));
}

TEST(ParseNodeRoutes, ReadsTokensAsLongsWithSignsAndBlanks) {
    RouteTable table = staleTable();
    EXPECT_EQ(parseTag(" 1 ,+502, 22 ,-2", table), std::nullopt);
    EXPECT_EQ(table.NodeRouteCount, 1);
    EXPECT_EQ(table.NodeRoutes[0], (NodeRoute{502, 22, -2}));
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
    for (const std::int32_t guard : guarded.before) {
        EXPECT_EQ(guard, 0x5A5A5A5A);
    }
    for (const std::int32_t guard : guarded.after) {
        EXPECT_EQ(guard, 0x5A5A5A5A);
    }
}

TEST(ParseNodeRoutesFaults, AFifthGroupIsAFaultBeforeItsFirstTokenIsTaken) {
    // A lone fifth ToNode must not land anywhere, not even in the count next to the slots.
    for (const std::string_view tail : {"99", "x", ""}) {
        RouteTable table = staleTable();
        const auto fault = parseTag("4,1,2,3,4,5,6,7,8,9,10,11,12," + std::string(tail), table);
        if (tail.empty()) {
            // "12," ends the list normally.
            EXPECT_EQ(fault, std::nullopt);
        } else {
            ASSERT_TRUE(fault.has_value()) << tail;
            EXPECT_TRUE(namesNumber(*fault, OneNodeDisplay::kNode)) << *fault;
        }
        EXPECT_EQ(table.NodeRouteCount, 4) << tail;
        EXPECT_EQ(table.NodeRoutes[3], (NodeRoute{10, 11, 12})) << tail;
    }
}

TEST(ParseNodeRoutesFaults, AMissingTokenStopsTheGroupWhereItIs) {
    RouteTable table = staleTable();
    const auto fault = parseTag("2,501,84", table);
    ASSERT_TRUE(fault.has_value());
    EXPECT_TRUE(namesNumber(*fault, OneNodeDisplay::kNode)) << *fault;
    EXPECT_EQ(table.NodeRouteCount, 2);
    EXPECT_EQ(table.NodeRoutes[0].ToNode, 501);
    EXPECT_EQ(table.NodeRoutes[0].FirstSeg, 84);
    EXPECT_EQ(table.NodeRoutes[0].LastSeg, kStale.LastSeg);
    EXPECT_EQ(table.NodeRoutes[1], kStale);
}

TEST(ParseNodeRoutesFaults, AnEmptyTokenIsAFault) {
    RouteTable table = staleTable();
    const auto fault = parseTag("1,502,,2", table);
    ASSERT_TRUE(fault.has_value());
    EXPECT_TRUE(namesNumber(*fault, OneNodeDisplay::kNode)) << *fault;
    EXPECT_EQ(table.NodeRoutes[0].ToNode, 502);
    EXPECT_EQ(table.NodeRoutes[0].FirstSeg, kStale.FirstSeg);
}

TEST(ParseNodeRoutesFaults, ANonNumericTokenIsAFaultThatQuotesIt) {
    RouteTable table = staleTable();
    const auto fault = parseTag("1,502,2x2,2", table);
    ASSERT_TRUE(fault.has_value());
    EXPECT_TRUE(namesNumber(*fault, OneNodeDisplay::kNode)) << *fault;
    EXPECT_NE(fault->find("2x2"), std::string::npos) << *fault;
    EXPECT_EQ(table.NodeRoutes[0].ToNode, 502);
    EXPECT_EQ(table.NodeRoutes[0].FirstSeg, kStale.FirstSeg);
}

TEST(ParseNodeRoutesFaults, ATokenBeyondTheLongRangeIsAFault) {
    RouteTable table = staleTable();
    const auto fault = parseTag("1,502,22,99999999999", table);
    ASSERT_TRUE(fault.has_value());
    EXPECT_TRUE(namesNumber(*fault, OneNodeDisplay::kNode)) << *fault;
    EXPECT_EQ(table.NodeRoutes[0].FirstSeg, 22);
    EXPECT_EQ(table.NodeRoutes[0].LastSeg, kStale.LastSeg);

    table = staleTable();
    EXPECT_TRUE(parseTag("1,2147483648,22,2", table).has_value());
    EXPECT_EQ(table.NodeRoutes[0], kStale);
}

TEST(ParseNodeRoutesFaults, ACountThatIsNotANumberIsAFaultBeforeAnythingIsWritten) {
    for (const std::string_view tag : {"x,502,22,2", "", ",502,22,2", "3.5.1,502,22,2"}) {
        RouteTable table = staleTable();
        const auto fault = parseTag(std::string(tag), table);
        ASSERT_TRUE(fault.has_value()) << '"' << tag << '"';
        EXPECT_TRUE(namesNumber(*fault, OneNodeDisplay::kNode)) << *fault;
        EXPECT_EQ(table.NodeRouteCount, kStaleCount) << tag;
        for (const NodeRoute& route : table.NodeRoutes) {
            EXPECT_EQ(route, kStale) << tag;
        }
    }
}

TEST(ParseNodeRoutesFaults, TheFaultNamesTheNodeOfTheTrackThatWasParsed) {
    // A plain cell's empty Tag has no count.
    const TrackCells cells;
    RouteTable table;
    const auto fault = ParseNodeRoutes(cells, 60, table);
    ASSERT_TRUE(fault.has_value());
    EXPECT_TRUE(namesNumber(*fault, 60)) << *fault;
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

// The first number that a message mentions: the node it is about. Other nodes may follow.
std::optional<long> firstNumberIn(const std::string& text) {
    std::smatch match;
    if (!std::regex_search(text, match, std::regex("[0-9]+"))) {
        return std::nullopt;
    }
    return std::stol(match.str());
}

// The shipped layout with the node cells moved to the front, so that they are checked before
// anything else.
Layout nodesFirst(Layout layout) {
    std::stable_partition(layout.begin(), layout.end(),
                          [](const TrackCell& c) { return isNodeCell(c.index); });
    return layout;
}

// Checks that the layout is rejected with a message about `node`.
void expectRejectedNaming(const Layout& layout, CellIndex node) {
    const auto fault = CheckNodeTags(layout);
    ASSERT_TRUE(fault.has_value()) << "accepted";
    EXPECT_EQ(firstNumberIn(*fault), node) << *fault;
}

} // namespace

TEST(CheckNodeTags, AcceptsTheShippedTrack) {
    EXPECT_EQ(CheckNodeTags(TrackSeg), std::nullopt);
}

TEST(CheckNodeTags, AcceptsAnyOrderOfTheCells) {
    Layout layout = TrackSeg;
    std::reverse(layout.begin(), layout.end());
    EXPECT_EQ(CheckNodeTags(layout), std::nullopt);
    EXPECT_EQ(CheckNodeTags(nodesFirst(TrackSeg)), std::nullopt);
}

TEST(CheckNodeTags, RejectsACountThatDiffersFromTheGroups) {
    expectRejectedNaming(layoutWithTag(501, "2,502,22,2,502,113,84,503,24,68"), 501);
    expectRejectedNaming(layoutWithTag(502, "5,501,84,113,501,2,22,503,146,134,503,133,115"), 502);
}

TEST(CheckNodeTags, RejectsANodeWithoutRoutes) {
    expectRejectedNaming(layoutWithTag(501, "0"), 501);
    expectRejectedNaming(layoutWithTag(501, "0,502,22,2,502,113,84,503,24,68"), 501);
}

TEST(CheckNodeTags, RejectsARouteOverAMissingCell) {
    // 24..2 runs over 23, where there is no cell.
    const Layout layout = layoutWithTag(501, "3,502,24,2,502,113,84,503,24,68");
    expectRejectedNaming(layout, 501);
    const auto fault = CheckNodeTags(layout);
    ASSERT_TRUE(fault.has_value());
    EXPECT_TRUE(namesNumber(*fault, 23)) << *fault;
}

TEST(CheckNodeTags, RejectsARouteOverACellThatCarriesATag) {
    // Cell 12, in the middle of run 2..22, made into something with a Tag of its own.
    const Layout layout = nodesFirst(layoutWithTag(12, "1,501,13,22"));
    expectRejectedNaming(layout, 501);
    const auto fault = CheckNodeTags(layout);
    ASSERT_TRUE(fault.has_value());
    EXPECT_TRUE(namesNumber(*fault, 12)) << *fault;
}

TEST(CheckNodeTags, RejectsARouteToACellThatIsNotANode) {
    expectRejectedNaming(layoutWithTag(501, "3,22,22,2,502,113,84,503,24,68"), 501);
    expectRejectedNaming(layoutWithTag(501, "3,504,22,2,502,113,84,503,24,68"), 501);
    expectRejectedNaming(layoutWithTag(501, "3,0,22,2,502,113,84,503,24,68"), 501);
}

TEST(CheckNodeTags, RejectsARouteThatTheFarNodeDoesNotListBack) {
    // 503 lists the run to 501 the wrong way round, so neither end's route is listed back.
    expectRejectedNaming(layoutWithTag(503, "3,502,115,133,502,134,146,501,24,68"), 501);
    // 501 leads its first route to 503, which has no route back over 22..2.
    expectRejectedNaming(layoutWithTag(501, "3,503,22,2,502,113,84,503,24,68"), 501);
    // 501 stops its first route one cell short; 502 lists the whole run back.
    expectRejectedNaming(layoutWithTag(501, "3,502,22,3,502,113,84,503,24,68"), 501);
}

TEST(CheckNodeTags, RejectsAFifthGroup) {
    expectRejectedNaming(
        layoutWithTag(502, "5,501,84,113,501,2,22,503,146,134,503,133,115,501,84,113"), 502);
}

TEST(CheckNodeTags, RejectsATokenThatIsNotANumber) {
    expectRejectedNaming(layoutWithTag(503, "3,502,115,133,502,134,14six,501,68,24"), 503);
    expectRejectedNaming(layoutWithTag(503, "three,502,115,133,502,134,146,501,68,24"), 503);
    expectRejectedNaming(layoutWithTag(503, "3,502,115,133,502,134,146,501,68"), 503);
    expectRejectedNaming(layoutWithTag(503, "3,502,115,133,,502,134,146,501,68,24"), 503);
}
