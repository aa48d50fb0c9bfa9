#include <benchmark/benchmark.h>

#include <sstream>
#include <streambuf>

#include "bench/batch_cases.hpp"
#include "tools/korvel_solve/batch.hpp"

namespace {

constexpr std::size_t kCases = 100000;

// Counts what is written and keeps none of it, so the benchmark measures the
// formatting and not the growth of an in-memory copy.
class CountingSink : public std::streambuf {
public:
    std::size_t bytes() const { return bytes_ + static_cast<std::size_t>(pptr() - pbase()); }

protected:
    int_type overflow(int_type c) override {
        bytes_ += static_cast<std::size_t>(pptr() - pbase()) + 1;
        setp(buffer_, buffer_ + sizeof buffer_);
        return traits_type::not_eof(c);
    }

private:
    char buffer_[1 << 16];
    std::size_t bytes_ = 0;
};

// korvel-solve --batch in-process: 100,000 generated cases from a string stream.
void BM_BatchThroughput(benchmark::State& state) {
    const std::string cases = korvel::bench::generate_batch_cases(kCases);
    for (auto _ : state) {
        std::istringstream in(cases);
        CountingSink sink;
        std::ostream out(&sink);
        const std::size_t answered = korvel::solve::run_batch(in, out);
        benchmark::DoNotOptimize(answered);
        benchmark::DoNotOptimize(sink.bytes());
    }
    state.SetItemsProcessed(state.iterations() * static_cast<benchmark::IterationCount>(kCases));
}
BENCHMARK(BM_BatchThroughput)->Unit(benchmark::kMillisecond);

}  // namespace
