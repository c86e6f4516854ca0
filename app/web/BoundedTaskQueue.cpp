#include "BoundedTaskQueue.h"

namespace vestra::webapp {

BoundedTaskQueue::BoundedTaskQueue(std::size_t workers, std::size_t capacity)
    : capacity_(capacity) {
    for (std::size_t i = 0; i < workers; ++i) {
        threads_.emplace_back([this] { work(); });
    }
}

BoundedTaskQueue::~BoundedTaskQueue() {
    shutdown();
}

void BoundedTaskQueue::enqueue(std::function<void()> task) {
    std::unique_lock lock(mutex_);
    room_.wait(lock, [this] { return stopping_ || tasks_.size() < capacity_; });
    // After shutdown a task still runs, so that its socket is closed.
    tasks_.push_back(std::move(task));
    ready_.notify_one();
}

// The workers finish what was accepted, then end.
void BoundedTaskQueue::shutdown() {
    {
        std::lock_guard lock(mutex_);
        if (stopping_ && threads_.empty()) {
            return;
        }
        stopping_ = true;
    }
    ready_.notify_all();
    room_.notify_all();
    for (std::thread& t : threads_) {
        t.join();
    }
    threads_.clear();
}

void BoundedTaskQueue::work() {
    for (;;) {
        std::function<void()> task;
        {
            std::unique_lock lock(mutex_);
            ready_.wait(lock, [this] { return stopping_ || !tasks_.empty(); });
            if (tasks_.empty()) {
                return;
            }
            task = std::move(tasks_.front());
            tasks_.pop_front();
        }
        room_.notify_one();
        task();
    }
}

} // namespace vestra::webapp
