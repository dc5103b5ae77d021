// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/cli/outputbuffer.h"

OutputBuffer::OutputBuffer(std::FILE* sink, std::size_t blockSize)
    : sink_(sink)
    , blockSize_(blockSize)
    ,
    // Room for one block and the row that crosses its end, so appending never reallocates.
    storage_(blockSize + 64 * 1024) {}

bool OutputBuffer::flush() {
    if (size_ > 0 && !failed_) {
        failed_ = std::fwrite(storage_.data(), 1, size_, sink_) != size_;
    }
    size_ = 0;
    if (!failed_) {
        failed_ = std::fflush(sink_) != 0;
    }
    return !failed_;
}
