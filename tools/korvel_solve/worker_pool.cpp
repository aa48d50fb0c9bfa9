#include "tools/korvel_solve/worker_pool.hpp"

#include <sched.h>

#include <new>
#include <system_error>

namespace korvel::solve {

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

    std::unique_lock lock(mutex_);
    done_.wait(lock, [this] { return running_ == 0; });
    work_ = nullptr;
    if (own_failure) std::rethrow_exception(own_failure);
    if (failure_) std::rethrow_exception(std::exchange(failure_, nullptr));
}

void WorkerPool::serve(std::size_t index) {
    std::size_t seen = 0;
    for (;;) {
        const std::function<void(std::size_t)>* work = nullptr;
        {
            std::unique_lock lock(mutex_);
            start_.wait(lock, [&] { return closing_ || generation_ != seen; });
            if (closing_) return;
            seen = generation_;
            work = work_;
        }
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
