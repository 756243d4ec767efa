// START through the real Full window with every one of its 42 fields pasted
// full, timed per field size. The run is split where it reaches the window:
// reading the fields, composing, setting the two previews, saving. Beside it,
// in the same process, the baseline: the same run on a window-less view.
//
// Arguments: field sizes in bytes (default 1024 2048 4096 8192); --runs N
// (default 2), the STARTs after the first. Each START is timed until the
// window has repainted. Under Wine the time grows with the square of the field
// size (its rich edit rewraps whole paragraphs), so 1048576, the goal's size,
// runs for hours there; --no-previews leaves the two preview boxes out of
// every run (otherwise the same run through the same window) to time the rest.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "ansi_text.h"
#include "control_table.h"
#include "generation_run.h"
#include "main_window.h"
#include "support/clipboard.h"
#include "support/large_schedule.h"
#include "support/schedule_fields.h"
#include "support/scratch_folder.h"

namespace rewardcfg::bench {
namespace {

using Clock = std::chrono::steady_clock;

double millisBetween(Clock::time_point from, Clock::time_point to) {
    return std::chrono::duration<double, std::milli>(to - from).count();
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void handlePendingMessages() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

// Passes every call on to the window and notes when the run moves on to its next step.
class SteppingView : public GenerationView {
public:
    SteppingView(GenerationView& window, bool setsPreviews) : window_(window), setsPreviews_(setsPreviews) {}

    std::string fieldText(InputField field) override { return window_.fieldText(field); }
    std::string templateText(TemplateBox box) override {
        if (fieldsRead_ == Clock::time_point{}) fieldsRead_ = Clock::now();
        return window_.templateText(box);
    }
    void setPreviewText(PreviewBox box, std::string_view text) override {
        if (composed_ == Clock::time_point{}) composed_ = Clock::now();
        if (setsPreviews_) window_.setPreviewText(box, text);
        shown_ = Clock::now();
    }
    void showMessage(std::string_view text) override {
        messageShown = true;
        window_.showMessage(text);
    }

    struct Steps {
        double read, compose, show, save;
    };
    Steps steps(Clock::time_point start, Clock::time_point end) const {
        return {millisBetween(start, fieldsRead_), millisBetween(fieldsRead_, composed_),
                millisBetween(composed_, shown_), millisBetween(shown_, end)};
    }
    bool messageShown = false;

private:
    GenerationView& window_;
    bool setsPreviews_;
    Clock::time_point fieldsRead_, composed_, shown_;
};

// The schedule's own texts, as a view that has no window.
class MemoryView : public GenerationView {
public:
    MemoryView(const RewardSchedule& schedule, GenerationView& templates) : schedule_(schedule) {
        for (auto box :
             {TemplateBox::ServerHeaderTemplate, TemplateBox::ClientHeaderTemplate, TemplateBox::ClientMainTemplate})
            templates_.push_back(templates.templateText(box));
    }
    std::string fieldText(InputField field) override { return testing::scheduleField(schedule_, field); }
    std::string templateText(TemplateBox box) override { return templates_[static_cast<size_t>(box)]; }
    void setPreviewText(PreviewBox, std::string_view) override {}
    void showMessage(std::string_view) override { messageShown = true; }
    bool messageShown = false;

private:
    const RewardSchedule& schedule_;
    std::vector<std::string> templates_;
};

int benchFieldSize(size_t fieldBytes, int runs, bool setsPreviews) {
    testing::CurrentScratchFolder folder("window-bench");
    auto window = ui::MainWindow::create(Edition::Full, {.instance = GetModuleHandleW(nullptr)});
    if (!window) {
        std::fprintf(stderr, "the window could not be built\n");
        return 1;
    }
    window->show();
    SendMessageW(window->control(ui::OverlayButtonName), BM_CLICK, 0, 0);
    handlePendingMessages();

    const RewardSchedule schedule = testing::largeSchedule(Edition::Full, fieldBytes);
    const Clock::time_point fillStart = Clock::now();
    for (const auto& [field, bytes] : testing::fieldsOf(schedule, Edition::Full)) {
        if (!testing::paste(window->control(ui::fieldName(field)), ui::ansiToWide(bytes))) {
            std::fprintf(stderr, "the clipboard could not be filled\n");
            return 1;
        }
    }
    handlePendingMessages();
    const double fillMs = millisBetween(fillStart, Clock::now());

    std::vector<double> starts;
    for (int run = 0; run <= runs; ++run) {
        // The whole START as a click gives it, until the window has repainted.
        const Clock::time_point start = Clock::now();
        if (setsPreviews) {
            SendMessageW(window->control(ui::StartButtonName), BM_CLICK, 0, 0);
        } else {
            SteppingView withoutPreviews(*window, false);
            GenerationRun().run(Edition::Full, withoutPreviews);
        }
        RedrawWindow(window->handle(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        starts.push_back(millisBetween(start, Clock::now()));
        handlePendingMessages();
    }

    // One more run, its steps timed where it reaches the window.
    SteppingView stepping(*window, setsPreviews);
    Clock::time_point start = Clock::now();
    GenerationRun().run(Edition::Full, stepping);
    const auto steps = stepping.steps(start, Clock::now());
    handlePendingMessages();

    std::vector<double> windowless;
    MemoryView memory(schedule, *window);
    for (int run = 0; run < runs; ++run) {
        start = Clock::now();
        GenerationRun().run(Edition::Full, memory);
        windowless.push_back(millisBetween(start, Clock::now()));
    }
    if (stepping.messageShown || memory.messageShown) {
        std::fprintf(stderr, "a run showed a message\n");
        return 1;
    }
    const size_t shownChars = ui::richText(window->control(L"ServerPreview")).size() +
                              ui::richText(window->control(L"ClientPreview")).size();
    const double first = starts.front();
    starts.erase(starts.begin());
    std::printf("%10zu %11zu %9.0f %9.0f %9.0f %7.0f %8.0f %8.0f %6.0f %11.0f\n", fieldBytes, shownChars, fillMs, first,
                median(starts), steps.read, steps.compose, steps.show, steps.save, median(windowless));
    std::fflush(stdout);
    return 0;
}

}  // namespace
}  // namespace rewardcfg::bench

int main(int argc, char** argv) {
    std::vector<size_t> sizes;
    int runs = 2;
    bool setsPreviews = true;
    for (int i = 1; i < argc; ++i) {
        if (std::string(argv[i]) == "--runs" && i + 1 < argc)
            runs = std::max(1, std::atoi(argv[++i]));
        else if (std::string(argv[i]) == "--no-previews")
            setsPreviews = false;
        else
            sizes.push_back(std::strtoull(argv[i], nullptr, 10));
    }
    if (sizes.empty()) sizes = {1024, 2048, 4096, 8192};

    std::printf(
        "START in the Full window, 42 fields pasted full; ms; goal: 1 MiB fields under 1000\n"
        "1st START: into empty previews; START: median of %d more, over the previews' earlier texts, and\n"
        "the steps of one such run; no window: the same run on a window-less view\n%s",
        runs, setsPreviews ? "" : "NO PREVIEWS: every run leaves the two preview boxes out\n");
    std::printf("%10s %11s %9s %9s %9s %7s %8s %8s %6s %11s\n", "field B", "shown chars", "paste 42", "1st START",
                "START", "read", "compose", "previews", "save", "no window");
    for (size_t size : sizes) {
        if (size < 8) {
            std::fprintf(stderr, "a field size needs at least 8 bytes\n");
            return 2;
        }
        if (int failed = rewardcfg::bench::benchFieldSize(size, runs, setsPreviews)) return failed;
    }
    return 0;
}
