#include "CommitQueue.h"

namespace bt::scored {

// The records of one transaction and, once it is done, its outcome for the
// request threads that wait on it.
struct CommitQueue::Batch {
  std::vector<ScoreRecord> records;
  bool done = false;
  std::string error;  // empty when committed
  std::condition_variable finished;
};

CommitQueue::CommitQueue(CommitBatch commitBatch) : commitBatch_(std::move(commitBatch)) {
  writer_ = std::thread([this] { writerLoop(); });
}

CommitQueue::~CommitQueue() {
  {
    std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  wake_.notify_all();
  writer_.join();
}

void CommitQueue::record(const ScoreRecord& record) {
  std::unique_lock lock(mutex_);
  if (stopping_) throw StoreError("the server is stopping");
  if (!filling_) filling_ = std::make_shared<Batch>();
  std::shared_ptr<Batch> batch = filling_;
  batch->records.push_back(record);
  wake_.notify_all();
  batch->finished.wait(lock, [&] { return batch->done; });
  if (!batch->error.empty()) throw StoreError(batch->error);
}

void CommitQueue::writerLoop() {
  std::unique_lock lock(mutex_);
  for (;;) {
    wake_.wait(lock, [&] { return filling_ || stopping_; });
    if (!filling_) return;  // stopping, nothing left
    std::shared_ptr<Batch> batch = std::move(filling_);
    filling_.reset();
    lock.unlock();
    std::string error;
    try {
      commitBatch_(batch->records);
    } catch (const std::exception& e) {
      error = e.what();
      if (error.empty()) error = "the score could not be stored";
    }
    lock.lock();
    batch->error = std::move(error);
    batch->done = true;
    batch->finished.notify_all();
  }
}

}  // namespace bt::scored
