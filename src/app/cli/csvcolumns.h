// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/cli/operations.h"
#include "core/files/csv.h"

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// What each column of a calculation file holds, as its header row names it: a key, or (in a batch
// file) the operation.
class CsvColumns {
public:
    static constexpr std::string_view operationName = "operation";

    // The columns of `header`, or in `error` why the header is refused: a name that is neither a
    // key nor an allowed operation column, a repeated name, or a batch file without operations.
    static std::optional<CsvColumns> read(std::span<const std::string_view> header,
                                          bool withOperation, std::string& error);
    // The columns of the reader's next record, the file's header; also refused when the file is
    // empty or cannot be read.
    static std::optional<CsvColumns> readHeader(CsvReader& reader, bool withOperation,
                                                std::string& error);

    std::size_t count() const { return count_; }
    bool hasKey(Key key) const;
    // The texts of a record's key columns; a missing or empty cell leaves its key not given.
    void keyTexts(std::span<const std::string_view> record, KeyTexts& texts) const;
    std::string_view operationText(std::span<const std::string_view> record) const;

private:
    struct KeyColumn {
        std::size_t column;
        Key key;
    };
    std::size_t count_ = 0;
    std::vector<KeyColumn> keyColumns_;
    std::size_t operationColumn_ = 0;
};
