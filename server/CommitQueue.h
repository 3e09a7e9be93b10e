#pragma once
// Group commit: submissions from many request threads wait here while one
// writer thread commits them in batches, so that one disk flush covers every
// submission that arrived during the previous one. record() returns once its
// batch is committed, or throws the batch's StoreError. A batch holds at most
// one record per request thread, so the server's connection limit bounds it.
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "ScoreStore.h"

namespace bt::scored {

class CommitQueue {
 public:
  // commitBatch stores every record of the batch in one transaction or none
  // of them (throwing StoreError). It runs on the writer thread only.
  using CommitBatch = std::function<void(const std::vector<ScoreRecord>&)>;

  explicit CommitQueue(CommitBatch commitBatch);
  // Commits what is waiting, then stops the writer.
  ~CommitQueue();
  CommitQueue(const CommitQueue&) = delete;
  CommitQueue& operator=(const CommitQueue&) = delete;

  void record(const ScoreRecord& record);

 private:
  struct Batch;
  void writerLoop();

  CommitBatch commitBatch_;
  std::mutex mutex_;
  std::condition_variable wake_;
  std::shared_ptr<Batch> filling_;
  bool stopping_ = false;
  std::thread writer_;
};

}  // namespace bt::scored
