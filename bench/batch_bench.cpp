#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <sys/mman.h>
#include <unistd.h>

#include "bench/batch_cases.hpp"
#include "tools/korvel_solve/batch.hpp"
#include "tools/korvel_solve/output_sink.hpp"

namespace {

constexpr std::size_t kCases = 100000;

// korvel-solve --batch in-process: 100,000 generated cases read from an
// in-memory file and written to /dev/null, with --jobs as the argument. The
// reads and writes are the real system calls the command makes.
void BM_BatchThroughput(benchmark::State& state) {
    const std::string cases = korvel::bench::generate_batch_cases(kCases);
    const int in = memfd_create("korvel-bench-cases", MFD_CLOEXEC);
    korvel::solve::write_all(in, cases.data(), cases.size());
    const int out = open("/dev/null", O_WRONLY | O_CLOEXEC);
    korvel::solve::BatchOptions options;
    options.jobs = static_cast<std::size_t>(state.range(0));
    const korvel::solve::BatchInput inputs[] = {{in, ""}};

    for (auto _ : state) {
        lseek(in, 0, SEEK_SET);
        const korvel::solve::BatchSummary summary = korvel::solve::run_batch(inputs, out, options);
        benchmark::DoNotOptimize(summary.lines);
    }
    state.SetItemsProcessed(state.iterations() * static_cast<benchmark::IterationCount>(kCases));
    close(in);
    close(out);
}
BENCHMARK(BM_BatchThroughput)->Arg(1)->Arg(2)->ArgName("jobs")->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
