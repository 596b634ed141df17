#include "batch/work_pool.h"

#include <gtest/gtest.h>

#include <atomic>
#include <vector>

namespace velmora {
namespace {

TEST(WorkPool, EveryItemOfEveryBlockIsDoneOnceBeforeWaitReturns) {
  for (const std::size_t jobs : {1, 2, 5}) {
    std::vector<std::atomic<int>> done(1000);
    std::atomic<std::size_t> highestWorker{0};
    WorkPool pool(jobs, [&](std::size_t item, std::size_t worker) {
      done[item].fetch_add(1);
      std::size_t seen = highestWorker.load();
      while (worker > seen && !highestWorker.compare_exchange_weak(seen, worker)) {
      }
    });
    for (const std::size_t count : {1000, 0, 1, 999, 17}) {
      for (std::atomic<int>& item : done) item.store(0);
      pool.start(count);
      pool.wait();
      for (std::size_t item = 0; item < done.size(); ++item) {
        ASSERT_EQ(done[item].load(), item < count ? 1 : 0) << jobs << " jobs, block of " << count << ", item " << item;
      }
    }
    EXPECT_LT(highestWorker.load(), jobs);
  }
}

}  // namespace
}  // namespace velmora
