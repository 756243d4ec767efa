#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace rewardcfg::testing {

// Each line followed by CR LF: how the files' expected texts are written down.
inline std::string crlfLines(std::initializer_list<std::string_view> lines) {
    std::string text;
    for (std::string_view line : lines) {
        text.append(line);
        text.append("\r\n");
    }
    return text;
}

// Splits a CR LF text into its lines; a text ending in CR LF has no empty tail.
inline std::vector<std::string> splitCrlf(std::string_view text) {
    std::vector<std::string> lines;
    while (!text.empty()) {
        size_t end = text.find("\r\n");
        if (end == std::string_view::npos) {
            lines.emplace_back(text);
            break;
        }
        lines.emplace_back(text.substr(0, end));
        text.remove_prefix(end + 2);
    }
    return lines;
}

}  // namespace rewardcfg::testing
