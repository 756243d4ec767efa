// One whole START run on a fake view, saving both files with the native saver,
// with the time split at the moment the second preview is set: before it the
// run reads, validates and composes; after it, it saves. Beside it, a plain
// write of the same two texts (no temporary file, flush or rename).
#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>

#include <benchmark/benchmark.h>

#include "bench_schedules.h"
#include "default_templates.h"
#include "generation_run.h"
#include "support/schedule_fields.h"
#include "support/scratch_folder.h"

namespace rewardcfg::bench {
namespace {

using Clock = std::chrono::steady_clock;

// Fields from a schedule; notes when the client preview is set.
class TimingView : public GenerationView {
public:
    explicit TimingView(const RewardSchedule& schedule) : schedule_(schedule) {}

    std::string fieldText(InputField field) override { return testing::scheduleField(schedule_, field); }
    std::string templateText(TemplateBox box) override {
        switch (box) {
            case TemplateBox::ServerHeaderTemplate: return std::string(ServerHeaderTemplate);
            case TemplateBox::ClientHeaderTemplate: return std::string(ClientHeaderTemplate);
            case TemplateBox::ClientMainTemplate: return std::string(ClientMainTemplate);
        }
        return {};
    }
    void setPreviewText(PreviewBox box, std::string_view text) override {
        benchmark::DoNotOptimize(text.data());
        shownBytes += text.size();
        if (box == PreviewBox::ClientPreview) shownAt = Clock::now();
    }
    void showMessage(std::string_view) override { messageShown = true; }

    Clock::time_point shownAt;
    size_t shownBytes = 0;
    bool messageShown = false;

private:
    const RewardSchedule& schedule_;
};

using Micros = std::chrono::duration<double, std::micro>;

void wholeRun(benchmark::State& state, const RewardSchedule& schedule) {
    testing::CurrentScratchFolder folder("bench");
    double composeMicros = 0;
    double saveMicros = 0;
    size_t bytes = 0;
    for (auto _ : state) {
        TimingView view(schedule);
        const Clock::time_point start = Clock::now();
        GenerationRun().run(Edition::Full, view);
        const Clock::time_point end = Clock::now();
        if (view.messageShown) {
            state.SkipWithError("the run showed a message");
            break;
        }
        composeMicros += Micros(view.shownAt - start).count();
        saveMicros += Micros(end - view.shownAt).count();
        bytes += view.shownBytes;
    }
    state.SetBytesProcessed(static_cast<int64_t>(bytes));
    state.counters["compose_us"] = benchmark::Counter(composeMicros, benchmark::Counter::kAvgIterations);
    state.counters["save_us"] = benchmark::Counter(saveMicros, benchmark::Counter::kAvgIterations);
    state.counters["save_pct"] = 100 * saveMicros / (composeMicros + saveMicros);
}

// The same two texts written straight over the two files.
void plainWrite(benchmark::State& state, const RewardSchedule& schedule) {
    testing::CurrentScratchFolder folder("bench");
    struct CapturingView : TimingView {
        using TimingView::TimingView;
        void setPreviewText(PreviewBox box, std::string_view text) override {
            (box == PreviewBox::ServerPreview ? server : client) = text;
        }
        std::string server, client;
    } view(schedule);
    GenerationRun().run(Edition::Full, view);
    for (auto _ : state) {
        std::ofstream("attendance.yml", std::ios::binary | std::ios::trunc) << view.server;
        std::ofstream("CheckAttendance.lua", std::ios::binary | std::ios::trunc) << view.client;
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * (view.server.size() + view.client.size())));
}

const bool registered = [] {
    for (const auto& [name, schedule] : benchSchedules()) {
        benchmark::RegisterBenchmark(("whole_run/" + name).c_str(), wholeRun, schedule)->UseRealTime();
        benchmark::RegisterBenchmark(("plain_write/" + name).c_str(), plainWrite, schedule)->UseRealTime();
    }
    return true;
}();

}  // namespace
}  // namespace rewardcfg::bench
