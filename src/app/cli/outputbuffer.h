// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <charconv>
#include <cstddef>
#include <cstdio>
#include <string_view>
#include <vector>

// Collects output text and hands it to a stream in large blocks: a batch of millions of rows then
// costs a few hundred writes, and the text held never grows much beyond one block. The appends
// write straight into the block, numbers included, since a batch makes a dozen of them per row.
class OutputBuffer {
public:
    static constexpr std::size_t defaultBlockSize = std::size_t{1} << 20;

    explicit OutputBuffer(std::FILE* sink, std::size_t blockSize = defaultBlockSize);

    void append(std::string_view text) {
        makeRoom(text.size());
        text.copy(storage_.data() + size_, text.size());
        size_ += text.size();
    }
    void append(char c) {
        makeRoom(1);
        storage_[size_++] = c;
    }
    // A double in its shortest form that reads back as the same double ("318.3098861837907",
    // "2", "1e+300"), whatever the locale.
    void appendNumber(double value) {
        makeRoom(maxNumberLength);
        char* const at = storage_.data() + size_;
        size_ += static_cast<std::size_t>(std::to_chars(at, at + maxNumberLength, value).ptr - at);
    }

    // False once a write has failed.
    bool flushIfFull() { return size_ < blockSize_ ? !failed_ : flush(); }
    // Writes what is collected and the stream's own buffer; false once any write has failed.
    bool flush();

private:
    static constexpr std::size_t maxNumberLength = 32; // "-2.2250738585072014e-308" and more
    void makeRoom(std::size_t count) {
        if (storage_.size() - size_ < count) {
            storage_.resize(2 * (size_ + count)); // a row longer than the room left in a block
        }
    }

    std::FILE* sink_;
    std::size_t blockSize_;
    std::vector<char> storage_;
    std::size_t size_ = 0;
    bool failed_ = false;
};
