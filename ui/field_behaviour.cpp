#include "field_behaviour.h"

#include <algorithm>
#include <array>

#include "control_table.h"

namespace rewardcfg::ui {
namespace {

std::vector<std::wstring> buildChain(Edition edition) {
    std::vector<std::wstring> chain;
    for (int day = 1; day <= 20; ++day) {
        chain.push_back(fieldName(InputField::itemId(day)));
        if (edition == Edition::Full) chain.push_back(fieldName(InputField::amount(day)));
    }
    chain.emplace_back(StartDateName);
    chain.emplace_back(EndDateName);
    return chain;
}

}  // namespace

const std::vector<std::wstring>& enterChain(Edition edition) {
    static const std::vector<std::wstring> full = buildChain(Edition::Full);
    static const std::vector<std::wstring> itemOnly = buildChain(Edition::ItemOnly);
    return edition == Edition::Full ? full : itemOnly;
}

std::optional<std::wstring> nextFieldOnEnter(Edition edition, std::wstring_view field) {
    const auto& chain = enterChain(edition);
    auto at = std::find(chain.begin(), chain.end(), field);
    if (at == chain.end() || std::next(at) == chain.end()) return std::nullopt;
    return *std::next(at);
}

bool clearsOnPress(std::wstring_view field) {
    return field == L"item_id_1" || field == StartDateName || field == EndDateName;
}

}  // namespace rewardcfg::ui
