#include "tools/korvel_solve/batch.hpp"

#include <algorithm>
#include <chrono>
#include <vector>

#include "load_case/combination.hpp"

#include "tools/korvel_solve/input_files.hpp"
#include "tools/korvel_solve/interruption.hpp"
#include "tools/korvel_solve/line_answerer.hpp"
#include "tools/korvel_solve/line_source.hpp"
#include "tools/korvel_solve/output_sink.hpp"
#include "tools/korvel_solve/worker_pool.hpp"

namespace korvel::solve {

namespace {

// Answers are gathered up to this size before they go out in one write, unless
// the input makes the program wait first.
constexpr std::size_t kOutputBlock = 1 << 20;

// Below this many lines per thread, waking the other threads costs more than it saves.
constexpr std::size_t kLinesPerThreadWorthSharing = 16;

// Answers the lines at hand, shared out among the pool's threads in contiguous
// runs whose answers are then put together in input order. The runs are sized
// by the pace each thread kept on the lines before: threads of one machine
// need not be equally fast (another program may share a processor), and the
// slowest decides when the answers can go out.
class ParallelAnswers {
public:
    ParallelAnswers(std::size_t jobs, ResultValues values, const std::optional<engine::RoofPitch>& pitch)
        : pool_(jobs),
          answerers_(pool_.size(), LineAnswerer(values, pitch)),
          outputs_(pool_.size()),
          errors_(pool_.size()),
          stopped_(pool_.size()),
          paces_(pool_.size(), 1.0),
          bounds_(pool_.size() + 1) {}

    // Adds the answers to `lines` to the sink's output; returns how many are errors.
    std::size_t answer(const std::vector<InputLine>& lines, const std::string& source, OutputSink& sink) {
        std::string& out = sink.buffer();
        const std::size_t shares = pool_.size();
        if (shares == 1 || lines.size() < shares * kLinesPerThreadWorthSharing) {
            bool stopped = false;
            return answer_run(answerers_[0], lines, 0, lines.size(), source, out, stopped);
        }
        share_out(lines.size());
        pool_.run([&](std::size_t share) {
            // The first share writes straight into `out`, which comes first anyway.
            std::string& target = share == 0 ? out : outputs_[share];
            if (share != 0) target.clear();
            bool stopped = false;
            const auto start = std::chrono::steady_clock::now();
            errors_[share] =
                answer_run(answerers_[share], lines, bounds_[share], bounds_[share + 1], source, target, stopped);
            const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
            // Lines per second, half from this run: one slow moment moves the next runs only a little.
            const std::size_t run = bounds_[share + 1] - bounds_[share];
            if (run > 0 && took.count() > 0)
                paces_[share] = (paces_[share] + static_cast<double>(run) / took.count()) / 2;
            stopped_[share] = stopped;
        });
        // The answers after a line given up are left out, so that the output has no gap.
        const std::size_t first_stopped =
            static_cast<std::size_t>(std::find(stopped_.begin(), stopped_.end(), char{1}) - stopped_.begin());
        const std::size_t kept = std::min(shares, first_stopped + 1);
        std::size_t errors = errors_[0];
        std::size_t size = out.size();
        for (std::size_t share = 1; share < kept; ++share) {
            errors += errors_[share];
            size += outputs_[share].size();
        }
        // Enough for a write: the other shares go out from where they are, uncopied,
        // which keeps the part of the work that only one thread can do small.
        const bool write_now = size >= kOutputBlock;
        if (write_now) sink.flush();
        for (std::size_t share = 1; share < kept; ++share) {
            if (write_now) {
                sink.write(outputs_[share]);
            } else {
                out += outputs_[share];
            }
        }
        return errors;
    }

private:
    // Sets bounds_: runs of the `count` lines in proportion to the threads' paces,
    // each at least a quarter of an equal share, so that a thread slowed down once
    // is measured again.
    void share_out(std::size_t count) {
        double total = 0;
        for (const double pace : paces_) total += pace;
        const double least = total / static_cast<double>(4 * paces_.size());
        double weights = 0;
        for (const double pace : paces_) weights += std::max(pace, least);
        double before = 0;
        for (std::size_t share = 0; share < paces_.size(); ++share) {
            bounds_[share] = std::min(count, static_cast<std::size_t>(static_cast<double>(count) * before / weights));
            before += std::max(paces_[share], least);
        }
        bounds_.back() = count;
    }

    // Stops at a line whose project an interruption gives up, setting `stopped`.
    static std::size_t answer_run(LineAnswerer& answerer, const std::vector<InputLine>& lines, std::size_t from,
                                  std::size_t to, const std::string& source, std::string& out, bool& stopped) {
        std::size_t errors = 0;
        try {
            for (std::size_t i = from; i < to; ++i) errors += answerer.answer(lines[i], source, out) ? 1u : 0u;
        } catch (const load_case::WorkStopped&) {
            stopped = true;
        }
        return errors;
    }

    WorkerPool pool_;
    std::vector<LineAnswerer> answerers_;
    std::vector<std::string> outputs_;
    std::vector<std::size_t> errors_;
    std::vector<char> stopped_;        // char, not bool: each share sets its own from its own thread
    std::vector<double> paces_;        // lines per second of each share, equal until measured
    std::vector<std::size_t> bounds_;  // share i answers lines [bounds_[i], bounds_[i + 1])
};

}  // namespace

BatchSummary run_batch(std::span<const BatchInput> inputs, int out_fd, const BatchOptions& options) {
    OutputSink sink(out_fd);
    ParallelAnswers answers(options.jobs, options.values, options.pitch);
    std::vector<InputLine> lines;
    BatchSummary summary;
    const auto write_before_waiting = [&] { sink.flush(); };

    try {
        for (const BatchInput& input : inputs) {
            LineSource source(input.fd, input_description(input), options.max_line_bytes);
            while (interruption_signal() == 0 && source.next_lines(lines, write_before_waiting)) {
                summary.errors += answers.answer(lines, input.name, sink);
                summary.lines += lines.size();
                if (sink.buffer().size() >= kOutputBlock) sink.flush();
            }
        }
    } catch (...) {
        // Whatever ends the run, every answer already computed goes out first.
        sink.flush();
        throw;
    }
    sink.flush();
    return summary;
}

}  // namespace korvel::solve
