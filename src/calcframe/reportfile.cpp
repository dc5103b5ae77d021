#include "calcframe/reportfile.h"

#include <fstream>
#include <iterator>
#include <optional>
#include <system_error>

namespace fs = std::filesystem;

namespace {

std::optional<std::string> readFileBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) {
        return std::nullopt;
    }
    return bytes;
}

} // namespace

bool writeFileBytes(const fs::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    return !out.fail();
}

MoveResult moveReport(const fs::path& working, const fs::path& target,
                      const std::string& expected) {
    std::error_code error;
    if (!fs::is_regular_file(working, error) || readFileBytes(working) != expected) {
        return MoveResult::SourceChanged;
    }
    if (fs::is_directory(target, error)) {
        return MoveResult::Failed;
    }
    fs::rename(working, target, error);
    if (!error) {
        return MoveResult::Moved;
    }
    if (error != std::errc::cross_device_link) {
        return MoveResult::Failed;
    }
    // Another file system: a full copy beside the target, then one rename over it.
    fs::path staging = target;
    staging += ".rezhim-partial";
    if (!writeFileBytes(staging, expected)) {
        fs::remove(staging, error);
        return MoveResult::Failed;
    }
    fs::rename(staging, target, error);
    if (error) {
        fs::remove(staging, error);
        return MoveResult::Failed;
    }
    fs::remove(working, error);
    return MoveResult::Moved;
}
