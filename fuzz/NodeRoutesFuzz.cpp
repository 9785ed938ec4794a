#include "FuzzCheck.h"
#include "base/TextConversions.h"
#include "track/NodeRoutes.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

// NextToken and ParseNodeRoutes on any Tag at all, read from a scratch cell through the cell
// display, as the trains read a node: the parse gives a fault or a filled table, and never
// writes outside the table.

namespace {

constexpr CellIndex kScratchCell = 501;
// What the table holds before the parse, so that the fields it sets show.
constexpr CellIndex kUntouched = -7777;

class ScratchCell final : public CellDisplay {
public:
    explicit ScratchCell(std::string_view tag) : m_tag(tag) {}

    std::string_view Tag(CellIndex n) const override {
        require(n == kScratchCell, "the parse read cell " + std::to_string(n));
        return m_tag;
    }
    void SetBackColor(CellIndex n, Color) override {
        require(false, "the parse painted cell " + std::to_string(n));
    }

private:
    std::string_view m_tag;
};

// The Tag cut at its commas. Each piece has no comma, and the pieces with the commas between
// them give the Tag back, but for one comma at its very end, after which no token follows.
std::vector<std::string_view> tokensOf(std::string_view tag) {
    std::vector<std::string_view> tokens;
    std::string_view rest = tag;
    while (!rest.empty()) {
        const std::string_view before = rest;
        const std::string_view token = NextToken(rest);
        require(token.find(',') == std::string_view::npos, "a token holds a comma");
        require(token.data() == before.data(), "a token does not start where the text did");
        const bool lastComma = rest.empty() && before.size() == token.size() + 1;
        require(rest.empty() ? before.size() == token.size() || lastComma
                             : rest.data() == before.data() + token.size() + 1,
                "the text left is not what follows the first comma");
        tokens.push_back(token);
    }
    return tokens;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view tag(reinterpret_cast<const char*>(data), size);
    const std::vector<std::string_view> tokens = tokensOf(tag);

    // On the heap by itself, so that a write past either end of it is caught.
    auto table = std::make_unique<RouteTable>();
    table->NodeRouteCount = kUntouched;
    for (NodeRoute& route : table->NodeRoutes) {
        route = {kUntouched, kUntouched, kUntouched};
    }
    const ScratchCell cell(tag);
    const auto fault = ParseNodeRoutes(cell, kScratchCell, *table);

    // The fields in the order the parse fills them: the count, then each route's three.
    std::vector<const CellIndex*> fields = {&table->NodeRouteCount};
    for (const NodeRoute& route : table->NodeRoutes) {
        fields.insert(fields.end(), {&route.ToNode, &route.FirstSeg, &route.LastSeg});
    }
    // A Tag with no text still has its one, empty, count token.
    const std::size_t tokenCount = std::max<std::size_t>(tokens.size(), 1);
    std::size_t filled = 0;
    while (filled < fields.size()) {
        const std::string_view token = filled < tokens.size() ? tokens[filled] : "";
        if (!textToLong(token)) {
            break;
        }
        require(*fields[filled] == *textToLong(token),
                "field " + std::to_string(filled) + " does not hold its token's value");
        ++filled;
    }
    for (std::size_t f = filled; f < fields.size(); ++f) {
        require(*fields[f] == kUntouched, "field " + std::to_string(f) + " was written after a " +
                                              "fault or past the routes listed");
    }

    const bool wholeGroups = (tokenCount - 1) % 3 == 0;
    const bool fits = tokenCount <= fields.size();
    const bool parsed = filled == tokenCount && wholeGroups && fits;
    if (fault) {
        require(!parsed, "a good Tag was refused: " + *fault);
        require(fault->starts_with("node 501: "), "the fault does not name the node: " + *fault);
    } else {
        require(parsed, "a bad Tag was taken");
    }
    return 0;
}
