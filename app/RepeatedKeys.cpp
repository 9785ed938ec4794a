#include "app/RepeatedKeys.h"

#include <map>
#include <utility>

namespace {

std::string_view trimmed(std::string_view text) {
    constexpr std::string_view kSpace = " \t\r";
    const auto first = text.find_first_not_of(kSpace);
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(kSpace) - first + 1);
}

} // namespace

std::vector<RepeatedKey> findRepeatedKeys(std::string_view text) {
    std::string section = "General";
    std::map<std::pair<std::string, std::string>, int> seen;
    std::vector<std::pair<std::string, std::string>> order;
    while (!text.empty()) {
        const auto lineEnd = text.find('\n');
        const std::string_view line = trimmed(text.substr(0, lineEnd));
        text = lineEnd == std::string_view::npos ? std::string_view() : text.substr(lineEnd + 1);

        if (line.empty() || line.front() == ';' || line.front() == '#') {
            continue;
        }
        if (line.front() == '[') {
            const auto close = line.find(']');
            if (close != std::string_view::npos) {
                section = std::string(trimmed(line.substr(1, close - 1)));
            }
            continue;
        }
        const auto equals = line.find('=');
        if (equals == std::string_view::npos) {
            continue;
        }
        std::pair<std::string, std::string> name{section,
                                                 std::string(trimmed(line.substr(0, equals)))};
        if (++seen[name] == 2) {
            order.push_back(std::move(name));
        }
    }
    std::vector<RepeatedKey> repeated;
    for (auto& name : order) {
        const int times = seen[name];
        repeated.push_back({std::move(name.first), std::move(name.second), times});
    }
    return repeated;
}
