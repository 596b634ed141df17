// Threads that share out the items of one block of work at a time: each item
// goes to whichever thread is free next, and the caller waits for the whole
// block. The caller may prepare the next block meanwhile. With one job there
// are no threads: the items run in the caller, in order.
#pragma once

#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace velmora {

class WorkPool {
 public:
  /// Does item `item` on worker `worker` (0 .. jobs-1); items of one block
  /// run at the same time on different workers.
  using Work = std::function<void(std::size_t item, std::size_t worker)>;

  WorkPool(std::size_t jobs, Work work);
  ~WorkPool();
  WorkPool(const WorkPool&) = delete;
  WorkPool& operator=(const WorkPool&) = delete;

  /// Starts items 0 .. count-1 (with one job: does them before returning).
  void start(std::size_t count);
  /// Returns once every item of the block last started is done.
  void wait();

 private:
  void serve(std::size_t worker);

  Work work_;
  std::vector<std::thread> threads_;
  std::mutex mutex_;
  std::condition_variable started_;
  std::condition_variable finished_;
  std::size_t block_ = 0;  ///< blocks started so far
  std::size_t count_ = 0;
  std::size_t busy_ = 0;  ///< workers not yet done with the current block
  bool stopping_ = false;
  std::atomic<std::size_t> next_{0};
};

}  // namespace velmora
