// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/output/report.h"

#include "core/operations/registry.h"

#include <iconv.h>

// The operation's own title; a window's general title when the shared sub-operation is none of
// the window's operations (or it serves one, whose title is the window's).
std::string reportTitle(int window, int operationKind) {
    const OperationWindow& entry = operationWindows.at(static_cast<std::size_t>(window - 1));
    if (const Operation* operation = findOperation(window, operationKind)) {
        return std::string(operation->title);
    }
    return std::string(entry.generalTitle);
}

std::string reportText(std::string_view title, const std::vector<std::vector<std::string>>& rows) {
    std::string text(title);
    text += "\r\n";
    for (const auto& row : rows) {
        for (const std::string& cell : row) {
            text += cell;
        }
        text += "\r\n";
    }
    return text;
}

namespace {

// Text from one character set to another with iconv; empty on anything it cannot convert.
std::optional<std::string> convert(const char* to, const char* from, std::string_view text,
                                   std::size_t maxBytesPerByte) {
    const iconv_t converter = iconv_open(to, from);
    if (converter == reinterpret_cast<iconv_t>(-1)) {
        return std::nullopt;
    }
    std::string out(text.size() * maxBytesPerByte, '\0');
    std::string in(text);
    char* inPtr = in.data();
    char* outPtr = out.data();
    std::size_t inLeft = in.size();
    std::size_t outLeft = out.size();
    const std::size_t result = iconv(converter, &inPtr, &inLeft, &outPtr, &outLeft);
    iconv_close(converter);
    if (result == static_cast<std::size_t>(-1) || inLeft != 0) {
        return std::nullopt;
    }
    out.resize(out.size() - outLeft);
    return out;
}

} // namespace

// windows-1251 never takes more bytes than UTF-8 for the same text, and one of its bytes never
// needs more than three in UTF-8.
std::optional<std::string> toWindows1251(std::string_view utf8) {
    return convert("CP1251", "UTF-8", utf8, 1);
}

std::optional<std::string> fromWindows1251(std::string_view bytes) {
    return convert("UTF-8", "CP1251", bytes, 3);
}
