// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/cli/json.h"

void appendJsonString(std::string& out, std::string_view text) {
    static constexpr char hexDigits[] = "0123456789abcdef";
    out += '"';
    for (const char c : text) {
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\b':
            out += "\\b";
            break;
        case '\f':
            out += "\\f";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                out += "\\u00";
                out += hexDigits[(c >> 4) & 0xF];
                out += hexDigits[c & 0xF];
            } else {
                out += c;
            }
        }
    }
    out += '"';
}
