#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "edition.h"

namespace rewardcfg::ui {

// The fields in the order Enter walks them. Full: item ID and amount of each
// day in turn, then the two dates; ItemOnly: the 20 item IDs, then the dates.
const std::vector<std::wstring>& enterChain(Edition edition);

// The field Enter moves to from `field`; nothing at the end of the chain.
std::optional<std::wstring> nextFieldOnEnter(Edition edition, std::wstring_view field);

// Fields that empty themselves on every left-button press.
bool clearsOnPress(std::wstring_view field);

}  // namespace rewardcfg::ui
