#pragma once

#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <exception>
#include <functional>
#include <mutex>
#include <thread>
#include <utility>
#include <vector>

namespace korvel::solve {

// A fixed set of threads that run one piece of work each, all at once, and wait
// together for the next: the batch hands each a share of the lines at hand.
// Between two pieces of work a thread stays awake for a moment before it
// sleeps: waking a sleeping processor (of a virtual machine above all) can take
// longer than the work between two reads of a batch.
class WorkerPool {
public:
    // `size` threads in all, the calling one included, or fewer when the system
    // cannot start that many. Throws std::bad_alloc when even the list does not fit.
    explicit WorkerPool(std::size_t size);
    ~WorkerPool();
    WorkerPool(const WorkerPool&) = delete;
    WorkerPool& operator=(const WorkerPool&) = delete;

    std::size_t size() const { return workers_.size() + 1; }

    // Runs work(i) for every i below size(), work(0) on the calling thread, and
    // returns when all are done. An exception of any of them is thrown here.
    void run(const std::function<void(std::size_t)>& work);

private:
    void serve(std::size_t index);
    // Returns once ready() holds, which a change made under mutex_ and then signalled brings about.
    template <typename Ready>
    void wait_until_ready(std::condition_variable& signal, Ready ready);

    std::vector<std::thread> workers_;
    std::mutex mutex_;
    std::condition_variable start_;
    std::condition_variable done_;
    // Changed under mutex_; atomic, as a waiting thread also reads them without it.
    std::atomic<const std::function<void(std::size_t)>*> work_ = nullptr;
    std::atomic<std::size_t> generation_ = 0;
    std::atomic<std::size_t> running_ = 0;
    std::atomic<bool> closing_ = false;
    std::exception_ptr failure_;
};

// The number of processors this process may run on (what `taskset` allows), at least 1.
std::size_t available_processors();

}  // namespace korvel::solve
