#pragma once

#include <string_view>

namespace rewardcfg {

// Makes `text` the whole content of the file `name` (ANSI bytes; a bare name is
// in the current directory), bytes exact. The text goes to a temporary file
// beside the target first and replaces it in one step, so a failure leaves the
// earlier file whole and no temporary file behind. True when the file was written.
bool saveTextFile(std::string_view name, std::string_view text);

}  // namespace rewardcfg
