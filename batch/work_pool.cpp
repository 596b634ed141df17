#include "batch/work_pool.h"

namespace velmora {

WorkPool::WorkPool(std::size_t jobs, Work work) : work_(std::move(work)) {
  if (jobs <= 1) return;
  for (std::size_t worker = 0; worker < jobs; ++worker) threads_.emplace_back([this, worker] { serve(worker); });
}

WorkPool::~WorkPool() {
  {
    const std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  started_.notify_all();
  for (std::thread& thread : threads_) thread.join();
}

void WorkPool::start(std::size_t count) {
  if (threads_.empty()) {
    for (std::size_t item = 0; item < count; ++item) work_(item, 0);
    return;
  }
  {
    const std::lock_guard lock(mutex_);
    count_ = count;
    next_.store(0, std::memory_order_relaxed);
    busy_ = threads_.size();
    ++block_;
  }
  started_.notify_all();
}

void WorkPool::wait() {
  std::unique_lock lock(mutex_);
  finished_.wait(lock, [this] { return busy_ == 0; });
}

void WorkPool::serve(std::size_t worker) {
  std::size_t blocksDone = 0;
  for (;;) {
    std::size_t count = 0;
    {
      std::unique_lock lock(mutex_);
      started_.wait(lock, [&] { return stopping_ || block_ != blocksDone; });
      if (stopping_) return;
      blocksDone = block_;
      count = count_;
    }
    for (std::size_t item; (item = next_.fetch_add(1, std::memory_order_relaxed)) < count;) work_(item, worker);
    const std::lock_guard lock(mutex_);
    if (--busy_ == 0) finished_.notify_one();
  }
}

}  // namespace velmora
