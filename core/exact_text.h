#pragma once

#include <charconv>
#include <string>
#include <string_view>

namespace rewardcfg {

// Decimal form of a day number: no leading zero, blank or sign.
class DayNumber {
public:
    explicit DayNumber(int day) : end_(std::to_chars(digits_, digits_ + sizeof digits_, day).ptr) {}
    std::string_view text() const { return {digits_, static_cast<size_t>(end_ - digits_)}; }

private:
    char digits_[12]{};
    char* end_;
};

// Builds a text from the fragments a `describe(emit)` call emits, in two passes:
// the first measures, the second appends into a buffer reserved to the exact
// size, so each composed text costs one allocation.
template <typename Describe>
std::string composeExactly(const Describe& describe) {
    size_t size = 0;
    describe([&size](std::string_view piece) { size += piece.size(); });
    std::string text;
    text.reserve(size);
    describe([&text](std::string_view piece) { text.append(piece); });
    return text;
}

}  // namespace rewardcfg
