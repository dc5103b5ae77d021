// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/calc/quotedtext.h"

namespace {

// The length of the well-formed UTF-8 character at the start of `text`, 0 when there is none
// (a stray continuation byte, an overlong form, a surrogate, a character cut short).
std::size_t characterLength(std::string_view text) {
    const auto byte = [&text](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    std::size_t length = 0;
    unsigned char low = 0x80; // the range of the second byte
    unsigned char high = 0xBF;
    if (lead < 0x80) {
        return 1;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (text.size() < length || byte(1) < low || byte(1) > high) {
        return 0;
    }
    for (std::size_t i = 2; i < length; ++i) {
        if (byte(i) < 0x80 || byte(i) > 0xBF) {
            return 0;
        }
    }
    return length;
}

bool isControl(std::string_view character) {
    const auto lead = static_cast<unsigned char>(character[0]);
    if (character.size() == 1) {
        return lead < 0x20 || lead == 0x7F;
    }
    // U+0080 … U+009F are C2 80 … C2 9F.
    return lead == 0xC2 && static_cast<unsigned char>(character[1]) <= 0x9F;
}

} // namespace

std::string quotedText(std::string_view text) {
    std::string out;
    std::size_t characters = 0;
    while (!text.empty()) {
        if (characters == maxQuotedCharacters) {
            out += "…";
            break;
        }
        const std::size_t length = characterLength(text);
        const std::string_view character = text.substr(0, length == 0 ? 1 : length);
        if (length == 0 || isControl(character)) {
            out += '?';
        } else {
            out += character;
        }
        text.remove_prefix(character.size());
        ++characters;
    }
    return out;
}
