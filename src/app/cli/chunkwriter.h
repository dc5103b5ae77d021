// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/cli/computedrows.h"
#include "app/cli/outputbuffer.h"

#include <array>
#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <mutex>
#include <thread>

// Passes chunks from one thread to the other, first in first out. A fixed few chunks circulate
// through two of these, so a queue never has to hold more than `capacity`.
class ChunkQueue {
public:
    static constexpr std::size_t capacity = 4;

    void push(ComputedRows* chunk);
    // Waits for a chunk; nullptr once the queue is closed and empty.
    ComputedRows* pop();
    void close();

private:
    std::mutex mutex_;
    std::condition_variable changed_;
    ComputedRows* items_[capacity]{};
    std::size_t first_ = 0;
    std::size_t count_ = 0;
    bool closed_ = false;
};

// Writes chunks of computed rows on a thread of its own, in the order they are handed over, while
// the caller computes the next chunk: writing the numbers of a row in shortest form takes a good
// part of the time of computing them. The check of each row against a machine is done here too,
// where there is time to spare, rather than on the computing thread.
class ChunkWriter {
public:
    // Checks every computed row against `machine`, if given, which must outlive the writer, and
    // against the row's own cutter; writes each row's cells as `columns` has them.
    explicit ChunkWriter(OutputBuffer& output, const Machine* machine = nullptr,
                         ResultColumns columns = {});
    ~ChunkWriter();
    ChunkWriter(const ChunkWriter&) = delete;
    ChunkWriter& operator=(const ChunkWriter&) = delete;

    // An empty chunk to fill; waits while every chunk is still being written.
    ComputedRows* emptyChunk();
    void write(ComputedRows* chunk);
    // Waits until every chunk handed over is written; false when a write failed. The output is
    // the caller's again afterwards.
    bool finish();
    bool failed() const { return failed_; }
    // The rows written that cross a limit of the machine or a check of the cutter; read after
    // finish().
    std::size_t crossedRows() const { return crossed_; }

private:
    void writeChunks();

    // Enough for one chunk being filled, one being written and one waiting between them.
    static constexpr std::size_t chunkCount = 3;
    static_assert(chunkCount <= ChunkQueue::capacity);

    OutputBuffer& output_;
    const Machine* machine_;
    ResultColumns columns_;
    std::size_t crossed_ = 0; // the writing thread's until finish()
    std::array<ComputedRows, chunkCount> chunks_;
    ChunkQueue empty_;
    ChunkQueue filled_;
    std::atomic<bool> failed_ = false;
    std::thread thread_;
};
