// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/cli/cutterarguments.h"
#include "app/cli/operations.h"
#include "core/files/csv.h"

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// What each column of a calculation file holds, as its header row names it: a key, or (in a batch
// file) the operation or a key of the row's cutter.
class CsvColumns {
public:
    static constexpr std::string_view operationName = "operation";

    // The columns of `header`, or in `error` why the header is refused: a name that is neither a
    // key nor an allowed operation or cutter column, a repeated name, or a batch file without
    // operations. A batch file has the operation and may have the cutter's keys.
    static std::optional<CsvColumns> read(std::span<const std::string_view> header, bool batchFile,
                                          std::string& error);
    // The columns of the reader's next record, the file's header; also refused when the file is
    // empty or cannot be read.
    static std::optional<CsvColumns> readHeader(CsvReader& reader, bool batchFile,
                                                std::string& error);

    std::size_t count() const { return count_; }
    bool hasKey(Key key) const;
    // The texts of a record's key columns; a missing or empty cell leaves its key not given.
    void keyTexts(std::span<const std::string_view> record, KeyTexts& texts) const;
    std::string_view operationText(std::span<const std::string_view> record) const;
    bool hasCutter() const { return !cutterColumns_.empty(); }
    // The texts of a record's cutter columns; a missing cell leaves its key not given.
    void cutterTexts(std::span<const std::string_view> record, CutterTexts& texts) const;

private:
    struct KeyColumn {
        std::size_t column;
        Key key;
    };
    std::size_t count_ = 0;
    std::vector<KeyColumn> keyColumns_;
    struct CutterColumn {
        std::size_t column;
        std::size_t key; // in cutterKeyNames
    };
    std::vector<CutterColumn> cutterColumns_;
    std::size_t operationColumn_ = 0;
};
