#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <thread>

#include "vel/zip_block_queue.h"

namespace vel {
namespace {

const uint8_t* Bytes(const std::string& text) {
    return reinterpret_cast<const uint8_t*>(text.data());
}

std::string Text(const ZipBlockQueue::Block& block) {
    return std::string(block.Data.begin(), block.Data.end());
}

// The writing side sees every block and entry end in order, and a failure only after
// what was pushed before it. The bound is smaller than two blocks, so each push waits
// for the block before it to be given back.
TEST(ZipBlockQueue, DeliversBlocksInOrderThenTheFailure) {
    ZipBlockQueue queue(8);
    std::thread decoding([&] {
        for (const std::string piece : {"first", "second", "third"})
            EXPECT_TRUE(queue.Push(Bytes(piece), piece.size()));
        EXPECT_TRUE(queue.EndEntry());
        queue.Fail(std::make_exception_ptr(std::runtime_error("CRC mismatch")));
    });
    std::string seen;
    try {
        for (;;) {
            ZipBlockQueue::Block block = queue.Pop();
            seen += block.EntryEnd ? "|" : Text(block) + ",";
            queue.Recycle(std::move(block));
        }
    } catch (const std::runtime_error& error) {
        seen += error.what();
    }
    decoding.join();
    EXPECT_EQ(seen, "first,second,third,|CRC mismatch");
}

// The decoding side waits while the bound is full, and a writer that fails releases it.
TEST(ZipBlockQueue, StopReleasesADecoderWaitingForRoom) {
    ZipBlockQueue queue(4);
    int accepted = 0;
    std::thread decoding([&] {
        const std::string piece = "data";
        while (queue.Push(Bytes(piece), piece.size()))
            ++accepted;
        EXPECT_FALSE(queue.EndEntry());
    });
    EXPECT_EQ(Text(queue.Pop()), "data"); // not given back: the bound stays full
    queue.Stop();
    decoding.join();
    EXPECT_EQ(accepted, 1);
}

} // namespace
} // namespace vel
