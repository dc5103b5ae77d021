// SPDX-License-Identifier: GPL-3.0-or-later
// Any UTF-8 text given to the report encoder: it comes out as windows-1251 that decodes back to
// the same text, or it is refused; nothing in between.
#include "core/output/report.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const std::optional<std::string> bytes = toWindows1251(text);
    // Every byte the encoder gives is windows-1251 and decodes back to the text.
    if (bytes && fromWindows1251(*bytes) != text) {
        std::abort();
    }
    // The same text as a title and a cell of a report.
    const std::string report = reportText(text, {{text, "1"}});
    if (report.size() != 2 * text.size() + 1 + 4) {
        std::abort();
    }
    return 0;
}
