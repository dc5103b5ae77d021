// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/speed/speedcatalog.h"

#include "gui/common/librarywatch.h"

SpeedCatalog::SpeedCatalog(std::filesystem::path path, QObject* parent)
    : QObject(parent)
    , path_(std::move(path)) {
    LoadedSpeedRows loaded = loadSpeedRows(path_);
    rows_ = std::move(loaded.rows);
    loadProblem_ = std::move(loaded.problem);
    watch_ = new LibraryWatch(path_, this);
    connect(watch_, &LibraryWatch::saved, this, &SpeedCatalog::refresh);
}

std::string SpeedCatalog::add(const SpeedRow& row) {
    return take(changeSpeedRows(path_, {std::nullopt, row}));
}

std::string SpeedCatalog::replace(std::size_t index, const SpeedRow& row) {
    return take(changeSpeedRows(path_, {rows_.at(index), row}));
}

std::string SpeedCatalog::remove(std::size_t index) {
    return take(changeSpeedRows(path_, {rows_.at(index), std::nullopt}));
}

std::string SpeedCatalog::import(const std::vector<SpeedRow>& rows) {
    return take(importSpeedRows(path_, rows));
}

std::string SpeedCatalog::take(ChangedSpeedRows result) {
    if (result.rows && *result.rows != rows_) {
        rows_ = std::move(*result.rows);
        emit changed();
    }
    watch_->follow(); // the first save makes the folder
    return result.error;
}

void SpeedCatalog::refresh() {
    // Only looked at: a file another program is writing is not moved aside from under it.
    LoadedSpeedRows loaded = loadSpeedRows(path_, DamagedLibrary::Keep);
    if (loaded.state == LibraryState::Read && loaded.rows != rows_) {
        rows_ = std::move(loaded.rows);
        emit changed();
    }
}
