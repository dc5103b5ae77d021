// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/cli/chunkwriter.h"

#include <cassert>

void ChunkQueue::push(ComputedRows* chunk) {
    {
        const std::lock_guard lock(mutex_);
        assert(count_ < capacity);
        items_[(first_ + count_) % capacity] = chunk;
        ++count_;
    }
    changed_.notify_one();
}

ComputedRows* ChunkQueue::pop() {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return count_ > 0 || closed_; });
    if (count_ == 0) {
        return nullptr;
    }
    ComputedRows* chunk = items_[first_];
    first_ = (first_ + 1) % capacity;
    --count_;
    return chunk;
}

void ChunkQueue::close() {
    {
        const std::lock_guard lock(mutex_);
        closed_ = true;
    }
    changed_.notify_one();
}

ChunkWriter::ChunkWriter(OutputBuffer& output, const Machine* machine, ResultColumns columns)
    : output_(output)
    , machine_(machine)
    , columns_(columns) {
    for (ComputedRows& chunk : chunks_) {
        empty_.push(&chunk);
    }
    thread_ = std::thread([this] { writeChunks(); });
}

ChunkWriter::~ChunkWriter() {
    finish();
}

ComputedRows* ChunkWriter::emptyChunk() {
    ComputedRows* chunk = empty_.pop();
    chunk->clear();
    return chunk;
}

void ChunkWriter::write(ComputedRows* chunk) {
    filled_.push(chunk);
}

bool ChunkWriter::finish() {
    if (thread_.joinable()) {
        filled_.close();
        thread_.join();
    }
    return !failed_;
}

void ChunkWriter::writeChunks() {
    while (ComputedRows* chunk = filled_.pop()) {
        // After a failed write the chunks still come back, so the computing thread never waits
        // for ever.
        if (!failed_) {
            if (const auto crossed = chunk->writeTo(output_, machine_, columns_)) {
                crossed_ += *crossed;
            } else {
                failed_ = true;
            }
        }
        empty_.push(chunk);
    }
}
