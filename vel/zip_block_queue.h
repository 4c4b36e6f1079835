#pragma once
// Decoded data on its way from the thread that inflates entries to the thread that
// writes them, with a bound on the bytes in flight. Waiting uses an SRW lock and
// condition variables, which Wine serves without a round trip through its server.
#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <deque>
#include <exception>
#include <vector>

namespace vel {

class ZipBlockQueue {
  public:
    // One piece of an entry's data, or the mark that the entry ended with its size and
    // CRC-32 checked.
    struct Block {
        std::vector<uint8_t> Data;
        bool EntryEnd = false;
    };

    explicit ZipBlockQueue(size_t bytesInFlight) : limit_(bytesInFlight) {}

    // Decoding side. Push and EndEntry return false once the writing side has stopped.
    bool Push(const uint8_t* data, size_t size);
    bool EndEntry();
    // Hands a failure to the writing side, which throws it from Pop.
    void Fail(std::exception_ptr error);

    // Writing side: waits for the next block, or throws what the decoding side failed with.
    Block Pop();
    // Gives a block's memory back for reuse.
    void Recycle(Block block);
    // Tells the decoding side to give up.
    void Stop();

  private:
    static constexpr size_t kSpareBlocks = 2;
    bool Put(Block block);

    SRWLOCK lock_ = SRWLOCK_INIT;
    CONDITION_VARIABLE hasBlock_ = CONDITION_VARIABLE_INIT;
    CONDITION_VARIABLE hasRoom_ = CONDITION_VARIABLE_INIT;
    const size_t limit_;
    size_t queuedBytes_ = 0;
    std::deque<Block> blocks_;
    std::vector<std::vector<uint8_t>> spare_;
    std::exception_ptr error_;
    bool decoderWaits_ = false;
    bool stopped_ = false;
};

} // namespace vel
