#pragma once

#include <string>
#include <string_view>

namespace rewardcfg {

// One input field of the window: item ID or amount of a day (1..20), or a date.
struct InputField {
    enum class Kind { ItemId, Amount, StartDate, EndDate };
    Kind kind;
    int day = 0;  // 1..20 for ItemId and Amount, 0 for the dates

    static constexpr InputField itemId(int day) { return {Kind::ItemId, day}; }
    static constexpr InputField amount(int day) { return {Kind::Amount, day}; }
    static constexpr InputField startDate() { return {Kind::StartDate, 0}; }
    static constexpr InputField endDate() { return {Kind::EndDate, 0}; }
    friend constexpr bool operator==(InputField, InputField) = default;
};

enum class TemplateBox { ServerHeaderTemplate, ClientHeaderTemplate, ClientMainTemplate };
enum class PreviewBox { ServerPreview, ClientPreview };

// What a generation run needs of the window. Texts are ANSI code page bytes.
class GenerationView {
public:
    virtual ~GenerationView() = default;
    virtual std::string fieldText(InputField field) = 0;
    virtual std::string templateText(TemplateBox box) = 0;
    virtual void setPreviewText(PreviewBox box, std::string_view text) = 0;
    // Returns once the user has dismissed the message.
    virtual void showMessage(std::string_view text) = 0;
};

}  // namespace rewardcfg
