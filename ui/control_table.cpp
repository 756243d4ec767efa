#include "control_table.h"

#include <array>
#include <map>

#include "default_templates.h"

namespace rewardcfg::ui {
namespace {

// Rows of day N lie 29 pixels apart from top 23; day 20 sits 4 pixels lower.
int dayRowTop(int day) { return day == 20 ? 578 : 23 + 29 * (day - 1); }

// The tables below keep one row per control, laid out as rows: keep
// clang-format from unfolding them.
// clang-format off

// The order in which the item ID boxes were laid out; it fixes their Tab order.
constexpr std::array<int, 20> ItemIdCreationOrder = {1,  2, 3, 4,  13, 5,  6,  7,  15, 20,
                                                      8,  9, 10, 11, 12, 16, 14, 17, 18, 19};

ControlSpec dayLabel(int day) {
    return {.name = L"day_label_" + std::to_wstring(day),
            .kind = ControlKind::Label,
            .left = 21,
            .top = dayRowTop(day),
            .width = 112,
            .height = 24,
            .text = L"签到第" + std::to_wstring(day) + L"天道具ID"};
}

std::vector<ControlSpec> fullTable() {
    std::vector<ControlSpec> rows;
    rows.push_back({.name = std::wstring(SplashOverlayName),
                    .kind = ControlKind::PictureBox,
                    .role = ControlRole::SplashOverlay,
                    .left = -91, .top = -42, .width = 1226, .height = 724,
                    .picture = Picture::Splash});
    for (int day = 1; day <= 20; ++day)
        rows.push_back({.name = L"amount_marker_" + std::to_wstring(day),
                        .kind = ControlKind::Label,
                        .left = 275, .top = dayRowTop(day) + 1, .width = 10, .height = 24,
                        .text = L"*"});
    for (int day = 1; day <= 20; ++day)
        rows.push_back({.name = fieldName(InputField::amount(day)),
                        .kind = ControlKind::EditBox,
                        .role = ControlRole::Field,
                        .left = 292, .top = dayRowTop(day), .width = 40, .height = 24});
    rows.push_back({.name = std::wstring(OverlayButtonName),
                    .kind = ControlKind::PushButton,
                    .role = ControlRole::OverlayButton,
                    .left = 816, .top = 518, .width = 240, .height = 64,
                    .text = L"按钮",
                    .picture = Picture::StartButton,
                    .insideOverlay = true});
    rows.push_back({.name = templateName(TemplateBox::ClientMainTemplate),
                    .kind = ControlKind::RichText, .role = ControlRole::Template,
                    .left = 456, .top = 328, .width = 96, .height = 32,
                    .ansiText = ClientMainTemplate, .hidden = true});
    rows.push_back({.name = templateName(TemplateBox::ClientHeaderTemplate),
                    .kind = ControlKind::RichText, .role = ControlRole::Template,
                    .left = 456, .top = 272, .width = 96, .height = 32,
                    .ansiText = ClientHeaderTemplate, .hidden = true});
    rows.push_back({.name = L"client_file_label", .kind = ControlKind::Label,
                    .left = 821, .top = 32, .width = 192, .height = 24,
                    .text = L"客户端文件\r\nCheckAttendance.lub\r\n"});
    rows.push_back({.name = L"server_file_label", .kind = ControlKind::Label,
                    .left = 601, .top = 24, .width = 176, .height = 32,
                    .text = L"服务端文件attendance.yml"});
    rows.push_back({.name = previewName(PreviewBox::ClientPreview),
                    .kind = ControlKind::RichText, .role = ControlRole::Preview,
                    .left = 813, .top = 64, .width = 224, .height = 536});
    rows.push_back({.name = L"end_date_label", .kind = ControlKind::Label,
                    .left = 410, .top = 120, .width = 112, .height = 24, .text = L"签到结束时间"});
    rows.push_back({.name = L"start_date_label", .kind = ControlKind::Label,
                    .left = 410, .top = 16, .width = 112, .height = 24, .text = L"签到开始时间"});
    rows.push_back(dayLabel(20));
    for (int day = 1; day <= 19; ++day) rows.push_back(dayLabel(day));
    rows.push_back({.name = templateName(TemplateBox::ServerHeaderTemplate),
                    .kind = ControlKind::RichText, .role = ControlRole::Template,
                    .left = 736, .top = 544, .width = 112, .height = 48,
                    .ansiText = ServerHeaderTemplate, .hidden = true});
    rows.push_back({.name = std::wstring(EndDateName), .kind = ControlKind::EditBox,
                    .role = ControlRole::Field,
                    .left = 402, .top = 152, .width = 136, .height = 24, .text = L"20240720"});
    rows.push_back({.name = std::wstring(StartDateName), .kind = ControlKind::EditBox,
                    .role = ControlRole::Field,
                    .left = 402, .top = 48, .width = 136, .height = 24, .text = L"20240701"});
    rows.push_back({.name = previewName(PreviewBox::ServerPreview),
                    .kind = ControlKind::RichText, .role = ControlRole::Preview,
                    .left = 577, .top = 64, .width = 224, .height = 536});
    rows.push_back({.name = std::wstring(StartButtonName), .kind = ControlKind::PushButton,
                    .role = ControlRole::StartButton,
                    .left = 402, .top = 248, .width = 136, .height = 56, .text = L"START"});
    for (int day : ItemIdCreationOrder)
        rows.push_back({.name = fieldName(InputField::itemId(day)),
                        .kind = ControlKind::EditBox,
                        .role = ControlRole::Field,
                        .left = 144, .top = dayRowTop(day), .width = 120, .height = 24});
    rows.push_back({.name = std::wstring(AuthorLinkName), .kind = ControlKind::PictureBox,
                    .role = ControlRole::AuthorLink,
                    .left = 374, .top = 521, .width = 192, .height = 88,
                    .picture = Picture::AuthorCard});
    return rows;
}

// The item-only window: no amount markers or boxes, 按钮2 right after the
// overlay, and the middle column moved left.
std::vector<ControlSpec> itemOnlyTable() {
    const std::map<std::wstring, std::pair<int, int>> movedTo = {
        {L"client_file_label", {768, 32}},
        {L"server_file_label", {488, 24}},
        {previewName(PreviewBox::ClientPreview), {760, 64}},
        {L"end_date_label", {304, 120}},
        {L"start_date_label", {304, 16}},
        {std::wstring(EndDateName), {296, 152}},
        {std::wstring(StartDateName), {296, 48}},
        {previewName(PreviewBox::ServerPreview), {464, 64}},
        {std::wstring(StartButtonName), {296, 248}},
        {std::wstring(AuthorLinkName), {268, 521}},
    };
    std::vector<ControlSpec> rows;
    for (ControlSpec row : fullTable()) {
        if (row.name.starts_with(L"amount_marker_") || row.name.starts_with(L"item_co_")) continue;
        if (auto moved = movedTo.find(row.name); moved != movedTo.end())
            std::tie(row.left, row.top) = moved->second;
        rows.push_back(std::move(row));
    }
    return rows;
}

// clang-format on

}  // namespace

const std::vector<ControlSpec>& controlTable(Edition edition) {
    static const std::vector<ControlSpec> full = fullTable();
    static const std::vector<ControlSpec> itemOnly = itemOnlyTable();
    return edition == Edition::Full ? full : itemOnly;
}

std::wstring fieldName(InputField field) {
    switch (field.kind) {
        case InputField::Kind::ItemId: return L"item_id_" + std::to_wstring(field.day);
        case InputField::Kind::Amount: return L"item_co_" + std::to_wstring(field.day);
        case InputField::Kind::StartDate: return std::wstring(StartDateName);
        case InputField::Kind::EndDate: return std::wstring(EndDateName);
    }
    return {};
}

std::wstring templateName(TemplateBox box) {
    switch (box) {
        case TemplateBox::ServerHeaderTemplate: return L"ServerHeaderTemplate";
        case TemplateBox::ClientHeaderTemplate: return L"ClientHeaderTemplate";
        case TemplateBox::ClientMainTemplate: return L"ClientMainTemplate";
    }
    return {};
}

std::wstring previewName(PreviewBox box) {
    return box == PreviewBox::ServerPreview ? L"ServerPreview" : L"ClientPreview";
}

std::wstring_view windowTitle(Edition edition) {
    return edition == Edition::Full ? L"Tool: Attendance (Free)  V2.0" : L"Tool: Attendance (Free)  V1.0";
}

}  // namespace rewardcfg::ui
