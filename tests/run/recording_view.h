#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "default_templates.h"
#include "generation_view.h"
#include "reward_schedule.h"

namespace rewardcfg::testing {

// A window stand-in: holds field and template texts, keeps what the run puts
// in the previews and records every call in order.
class RecordingView : public GenerationView {
public:
    // The window as it opens: no item ID or amount, the default dates and templates.
    RecordingView() {
        startDate = "20240701";
        endDate = "20240720";
    }

    void fill(const RewardSchedule& schedule) {
        for (int day = 1; day <= DayCount; ++day) {
            itemIds[day - 1] = schedule.days[day - 1].itemId;
            amounts[day - 1] = schedule.days[day - 1].amount;
        }
        startDate = schedule.startDate;
        endDate = schedule.endDate;
    }

    std::string fieldText(InputField field) override {
        calls.push_back("fieldText " + fieldName(field));
        return text(field);
    }

    std::string templateText(TemplateBox box) override {
        static constexpr const char* names[] = {"ServerHeaderTemplate", "ClientHeaderTemplate", "ClientMainTemplate"};
        calls.push_back(std::string("templateText ") + names[static_cast<size_t>(box)]);
        return templates[static_cast<size_t>(box)];
    }

    void setPreviewText(PreviewBox box, std::string_view text) override {
        calls.push_back(box == PreviewBox::ServerPreview ? "setPreviewText ServerPreview"
                                                         : "setPreviewText ClientPreview");
        if (onPreview) onPreview();
        (box == PreviewBox::ServerPreview ? serverPreview : clientPreview) = std::string(text);
    }

    void showMessage(std::string_view text) override {
        calls.push_back("showMessage");
        messages.emplace_back(text);
    }

    static std::string fieldName(InputField field) {
        switch (field.kind) {
            case InputField::Kind::ItemId: return "item_id_" + std::to_string(field.day);
            case InputField::Kind::Amount: return "item_co_" + std::to_string(field.day);
            case InputField::Kind::StartDate: return "start date";
            case InputField::Kind::EndDate: return "end date";
        }
        return "?";
    }

    std::array<std::string, DayCount> itemIds;
    std::array<std::string, DayCount> amounts;
    std::string startDate;
    std::string endDate;
    // In TemplateBox order.
    std::array<std::string, 3> templates{std::string(ServerHeaderTemplate), std::string(ClientHeaderTemplate),
                                         std::string(ClientMainTemplate)};

    std::optional<std::string> serverPreview;  // empty until the run sets it
    std::optional<std::string> clientPreview;
    std::vector<std::string> messages;
    std::vector<std::string> calls;
    std::function<void()> onPreview;  // lets a test look around as a preview changes

private:
    const std::string& text(InputField field) const {
        switch (field.kind) {
            case InputField::Kind::ItemId: return itemIds.at(static_cast<size_t>(field.day - 1));
            case InputField::Kind::Amount: return amounts.at(static_cast<size_t>(field.day - 1));
            case InputField::Kind::StartDate: return startDate;
            case InputField::Kind::EndDate: return endDate;
        }
        return startDate;
    }
};

}  // namespace rewardcfg::testing
