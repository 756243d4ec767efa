#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include <fuzzer/FuzzedDataProvider.h>

#include "reward_schedule.h"

namespace rewardcfg::fuzz {

// Everything a composer or the validation reads: the 42 typed texts, the three
// templates and the edition, all taken from arbitrary fuzzer bytes.
struct FuzzInput {
    Edition edition = Edition::Full;
    RewardSchedule schedule;
    std::string serverHeaderTemplate;
    std::string clientHeaderTemplate;
    std::string clientMainTemplate;
};

// Texts come from the front of the data, each ended by a backslash and one
// other byte ("\\\\" stands for one backslash); the edition is the low bit of
// the last byte. Texts past the end of the data are empty.
inline FuzzInput decodeFuzzInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider provider(data, size);
    FuzzInput input;
    input.edition = provider.ConsumeBool() ? Edition::ItemOnly : Edition::Full;
    input.schedule.startDate = provider.ConsumeRandomLengthString();
    input.schedule.endDate = provider.ConsumeRandomLengthString();
    for (DayReward& day : input.schedule.days) {
        day.itemId = provider.ConsumeRandomLengthString();
        day.amount = provider.ConsumeRandomLengthString();
    }
    input.serverHeaderTemplate = provider.ConsumeRandomLengthString();
    input.clientHeaderTemplate = provider.ConsumeRandomLengthString();
    input.clientMainTemplate = provider.ConsumeRandomLengthString();
    return input;
}

}  // namespace rewardcfg::fuzz
