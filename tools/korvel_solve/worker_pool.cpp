#include "tools/korvel_solve/worker_pool.hpp"

#include <sched.h>

#include <chrono>
#include <new>
#include <system_error>

namespace korvel::solve {

namespace {

// How long a thread stays awake for the next piece of work or the end of the
// others' before it sleeps: longer than a batch's reads and writes between two
// rounds, short enough to cost nothing noticeable when the input pauses.
constexpr auto kAwakeWait = std::chrono::microseconds(500);

}  // namespace

template <typename Ready>
void WorkerPool::wait_until_ready(std::condition_variable& signal, Ready ready) {
    const auto sleep_at = std::chrono::steady_clock::now() + kAwakeWait;
    while (!ready()) {
        if (std::chrono::steady_clock::now() >= sleep_at) {
            std::unique_lock lock(mutex_);
            signal.wait(lock, ready);
            return;
        }
        std::this_thread::yield();
    }
}

WorkerPool::WorkerPool(std::size_t size) {
    workers_.reserve(size - 1);
    try {
        for (std::size_t i = 1; i < size; ++i) workers_.emplace_back([this, i] { serve(i); });
    } catch (const std::system_error&) {
        // The system cannot start that many threads now (a memory or process
        // limit): the pool goes on with those that started.
    } catch (const std::bad_alloc&) {
        // The same, short of memory for a thread's state.
    }
}

WorkerPool::~WorkerPool() {
    {
        const std::lock_guard lock(mutex_);
        closing_ = true;
    }
    start_.notify_all();
    for (std::thread& worker : workers_) worker.join();
}

void WorkerPool::run(const std::function<void(std::size_t)>& work) {
    {
        const std::lock_guard lock(mutex_);
        work_ = &work;
        running_ = workers_.size();
        ++generation_;
    }
    start_.notify_all();

    std::exception_ptr own_failure;
    try {
        work(0);
    } catch (...) {
        own_failure = std::current_exception();
    }

    wait_until_ready(done_, [this] { return running_ == 0; });
    const std::lock_guard lock(mutex_);
    work_ = nullptr;
    if (own_failure) std::rethrow_exception(own_failure);
    if (failure_) std::rethrow_exception(std::exchange(failure_, nullptr));
}

void WorkerPool::serve(std::size_t index) {
    std::size_t seen = 0;
    for (;;) {
        wait_until_ready(start_, [&] { return closing_ || generation_ != seen; });
        if (closing_) return;
        seen = generation_;
        const std::function<void(std::size_t)>* const work = work_;
        std::exception_ptr failure;
        try {
            (*work)(index);
        } catch (...) {
            failure = std::current_exception();
        }
        {
            const std::lock_guard lock(mutex_);
            if (failure && !failure_) failure_ = failure;
            --running_;
        }
        done_.notify_one();
    }
}

std::size_t available_processors() {
    cpu_set_t set;
    if (sched_getaffinity(0, sizeof set, &set) != 0) return 1;
    const int count = CPU_COUNT(&set);
    return count > 0 ? static_cast<std::size_t>(count) : 1;
}

}  // namespace korvel::solve
