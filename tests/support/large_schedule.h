#pragma once

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

#include "edition.h"
#include "generation_view.h"
#include "reward_schedule.h"

namespace rewardcfg::testing {

inline constexpr std::size_t LargeFieldBytes = std::size_t{1} << 20;

// `size` bytes, different for every field and every position in it, so that a
// cut, a lost piece or two fields swapped all show. GBK words ("道具") run
// through it, and it ends in one, where a cut tail would fall.
inline std::string largeFieldText(int fieldNumber, std::size_t size) {
    static constexpr char Word[] = "\xb5\xc0\xbe\xdf";  // 道具 in GBK
    std::string text;
    text.reserve(size + 32);
    for (std::size_t piece = 0; text.size() + 4 < size; ++piece) {
        if (piece % 64 == 0) text += Word;
        text += 'f' + std::to_string(fieldNumber) + '.' + std::to_string(piece) + ';';
    }
    text.resize(size - 4, '~');  // cut ASCII only: the words stay whole
    return text + Word;
}

// Every field of the edition filled with `size` bytes.
inline RewardSchedule largeSchedule(Edition edition, std::size_t size) {
    RewardSchedule schedule;
    for (int day = 1; day <= DayCount; ++day) {
        schedule.days[day - 1].itemId = largeFieldText(day, size);
        if (edition == Edition::Full) schedule.days[day - 1].amount = largeFieldText(20 + day, size);
    }
    schedule.startDate = largeFieldText(41, size);
    schedule.endDate = largeFieldText(42, size);
    return schedule;
}

// The window's input fields of an edition with the schedule's text for each.
inline std::vector<std::pair<InputField, std::string>> fieldsOf(const RewardSchedule& schedule, Edition edition) {
    std::vector<std::pair<InputField, std::string>> fields;
    for (int day = 1; day <= DayCount; ++day) {
        fields.emplace_back(InputField::itemId(day), schedule.days[day - 1].itemId);
        if (edition == Edition::Full) fields.emplace_back(InputField::amount(day), schedule.days[day - 1].amount);
    }
    fields.emplace_back(InputField::startDate(), schedule.startDate);
    fields.emplace_back(InputField::endDate(), schedule.endDate);
    return fields;
}

}  // namespace rewardcfg::testing
