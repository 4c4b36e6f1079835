#include "vel/zip_block_queue.h"

namespace vel {

namespace {

class Locked {
  public:
    explicit Locked(SRWLOCK& lock) : lock_(lock) { AcquireSRWLockExclusive(&lock_); }
    ~Locked() { ReleaseSRWLockExclusive(&lock_); }
    Locked(const Locked&) = delete;
    Locked& operator=(const Locked&) = delete;

  private:
    SRWLOCK& lock_;
};

} // namespace

bool ZipBlockQueue::Push(const uint8_t* data, size_t size) {
    Block block;
    {
        Locked hold(lock_);
        // A block larger than the bound still goes, alone.
        while (!stopped_ && queuedBytes_ > 0 && queuedBytes_ + size > limit_) {
            decoderWaits_ = true;
            SleepConditionVariableSRW(&hasRoom_, &lock_, INFINITE, 0);
        }
        decoderWaits_ = false;
        if (stopped_) return false;
        if (!spare_.empty()) {
            block.Data = std::move(spare_.back());
            spare_.pop_back();
        }
        queuedBytes_ += size;
    }
    block.Data.assign(data, data + size);
    return Put(std::move(block));
}

bool ZipBlockQueue::EndEntry() {
    Block end;
    end.EntryEnd = true;
    return Put(std::move(end));
}

bool ZipBlockQueue::Put(Block block) {
    {
        Locked hold(lock_);
        if (stopped_) return false;
        blocks_.push_back(std::move(block));
    }
    WakeConditionVariable(&hasBlock_);
    return true;
}

void ZipBlockQueue::Fail(std::exception_ptr error) {
    {
        Locked hold(lock_);
        error_ = error;
    }
    WakeConditionVariable(&hasBlock_);
}

ZipBlockQueue::Block ZipBlockQueue::Pop() {
    Locked hold(lock_);
    while (blocks_.empty() && !error_)
        SleepConditionVariableSRW(&hasBlock_, &lock_, INFINITE, 0);
    if (blocks_.empty()) std::rethrow_exception(error_);
    Block block = std::move(blocks_.front());
    blocks_.pop_front();
    return block;
}

void ZipBlockQueue::Recycle(Block block) {
    bool wake = false;
    {
        Locked hold(lock_);
        queuedBytes_ -= block.Data.size();
        // A few buffers are kept, so their memory stays bounded however the sizes mix.
        if (spare_.size() < kSpareBlocks) {
            block.Data.clear();
            spare_.push_back(std::move(block.Data));
        }
        // The waiting decoder is woken once half the bound is free, not for every block:
        // on a busy machine each wake can cost the writing thread its turn on the core.
        wake = decoderWaits_ && queuedBytes_ <= limit_ / 2;
    }
    if (wake) WakeConditionVariable(&hasRoom_);
}

void ZipBlockQueue::Stop() {
    {
        Locked hold(lock_);
        stopped_ = true;
    }
    WakeConditionVariable(&hasRoom_);
}

} // namespace vel
