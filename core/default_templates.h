#pragma once

#include <string_view>

namespace rewardcfg {

// The author's contact details, shared by both file headers.
inline constexpr std::string_view AuthorMessagingNumber = "2718281828";
inline constexpr std::string_view AuthorChatHandle = "quillomar_dev";

// Start texts of the three hidden template boxes: GBK bytes, CR LF line ends.
extern const std::string_view ServerHeaderTemplate;
extern const std::string_view ClientHeaderTemplate;
extern const std::string_view ClientMainTemplate;  // last line "end" has no line end

}  // namespace rewardcfg
