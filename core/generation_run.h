#pragma once

#include "edition.h"
#include "generation_view.h"

namespace rewardcfg {

// The START command: read the fields, validate, compose both texts, show them
// and save them as attendance.yml and CheckAttendance.lua.
class GenerationRun {
public:
    void run(Edition edition, GenerationView& view);
};

}  // namespace rewardcfg
