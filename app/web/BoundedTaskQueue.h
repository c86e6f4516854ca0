#pragma once

#include <condition_variable>
#include <deque>
#include <functional>
#include <httplib.h>
#include <mutex>
#include <thread>
#include <vector>

namespace vestra::webapp {

// The server's workers: a fixed number of threads and a queue of at most capacity accepted
// connections. cpp-httplib 0.11 queues without bound and cannot be told that a connection was
// refused (its hook returns nothing, and the connection's task owns the socket), so when the
// queue is full the accepting thread waits for room: further clients wait in the kernel's
// listen backlog instead of in the server's memory.
class BoundedTaskQueue : public httplib::TaskQueue {
public:
    BoundedTaskQueue(std::size_t workers, std::size_t capacity);
    ~BoundedTaskQueue() override;

    void enqueue(std::function<void()> task) override;
    void shutdown() override;

private:
    void work();

    std::size_t capacity_;
    std::mutex mutex_;
    std::condition_variable ready_;
    std::condition_variable room_;
    std::deque<std::function<void()>> tasks_;
    bool stopping_ = false;
    std::vector<std::thread> threads_;
};

} // namespace vestra::webapp
