#include "generation_run.h"

#include <array>
#include <string>

#include "client_script.h"
#include "reward_schedule.h"
#include "save_text_file.h"
#include "server_file.h"

namespace rewardcfg {
namespace {

// Each field is read once; a run needs no second look.
RewardSchedule readSchedule(Edition edition, GenerationView& view) {
    RewardSchedule schedule;
    for (int day = 1; day <= DayCount; ++day) {
        DayReward& reward = schedule.days[day - 1];
        reward.itemId = view.fieldText(InputField::itemId(day));
        if (edition == Edition::Full) reward.amount = view.fieldText(InputField::amount(day));
    }
    schedule.startDate = view.fieldText(InputField::startDate());
    schedule.endDate = view.fieldText(InputField::endDate());
    return schedule;
}

// One composed text, the box that shows it and the file that keeps it.
struct Output {
    PreviewBox preview;
    std::string_view fileName;
    std::string text;
};

}  // namespace

void GenerationRun::run(Edition edition, GenerationView& view) {
    const RewardSchedule schedule = readSchedule(edition, view);
    if (const std::string message = validateSchedule(schedule, edition); !message.empty()) {
        view.showMessage(message);
        return;
    }

    const std::string serverHeader = view.templateText(TemplateBox::ServerHeaderTemplate);
    const std::string clientHeader = view.templateText(TemplateBox::ClientHeaderTemplate);
    const std::string clientMain = view.templateText(TemplateBox::ClientMainTemplate);
    // Both texts are complete before either box changes, and the strings shown
    // are the very strings saved.
    const std::array<Output, 2> outputs{{
        {PreviewBox::ServerPreview, "attendance.yml", composeServerFile(schedule, edition, serverHeader)},
        {PreviewBox::ClientPreview, "CheckAttendance.lua",
         composeClientScript(schedule, edition, clientHeader, clientMain)},
    }};
    for (const Output& output : outputs) view.setPreviewText(output.preview, output.text);

    // Every file gets its try; the user then learns which ones still hold old content.
    std::string unwritten;
    for (const Output& output : outputs) {
        if (saveTextFile(output.fileName, output.text)) continue;
        if (!unwritten.empty()) unwritten += ", ";
        unwritten += output.fileName;
    }
    if (!unwritten.empty()) view.showMessage(unwritten + " could not be written!");
}

}  // namespace rewardcfg
