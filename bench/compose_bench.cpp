// Composing both texts, in bytes per second, beside a plain copy of as many
// bytes into new strings; also counts the allocations each composed text takes.
#include <string>

#include <benchmark/benchmark.h>

#include "bench_heap.h"
#include "bench_schedules.h"
#include "client_script.h"
#include "default_templates.h"
#include "server_file.h"

namespace rewardcfg::bench {
namespace {

void composeBothTexts(benchmark::State& state, const RewardSchedule& schedule) {
    size_t serverAllocations = 0;
    size_t clientAllocations = 0;
    size_t bytes = 0;
    for (auto _ : state) {
        const size_t start = allocationCount();
        std::string server = composeServerFile(schedule, Edition::Full, ServerHeaderTemplate);
        const size_t afterServer = allocationCount();
        std::string client = composeClientScript(schedule, Edition::Full, ClientHeaderTemplate, ClientMainTemplate);
        serverAllocations += afterServer - start;
        clientAllocations += allocationCount() - afterServer;
        bytes += server.size() + client.size();
        benchmark::DoNotOptimize(server.data());
        benchmark::DoNotOptimize(client.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(bytes));
    state.counters["server_allocs"] = benchmark::Counter(double(serverAllocations), benchmark::Counter::kAvgIterations);
    state.counters["client_allocs"] = benchmark::Counter(double(clientAllocations), benchmark::Counter::kAvgIterations);
    const auto iterations = static_cast<size_t>(state.iterations());
    if (serverAllocations != iterations || clientAllocations != iterations)
        state.SkipWithError("a composed text took more than one allocation");
}

// The floor: one allocation and one memcpy per text of the same sizes.
void plainCopy(benchmark::State& state, const RewardSchedule& schedule) {
    const std::string serverSource(composeServerFile(schedule, Edition::Full, ServerHeaderTemplate).size(), 'x');
    const std::string clientSource(
        composeClientScript(schedule, Edition::Full, ClientHeaderTemplate, ClientMainTemplate).size(), 'x');
    for (auto _ : state) {
        std::string server = serverSource;
        std::string client = clientSource;
        benchmark::DoNotOptimize(server.data());
        benchmark::DoNotOptimize(client.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * (serverSource.size() + clientSource.size())));
}

const bool registered = [] {
    for (const auto& [name, schedule] : benchSchedules()) {
        benchmark::RegisterBenchmark(("compose_both/" + name).c_str(), composeBothTexts, schedule);
        benchmark::RegisterBenchmark(("plain_copy/" + name).c_str(), plainCopy, schedule);
    }
    return true;
}();

}  // namespace
}  // namespace rewardcfg::bench
