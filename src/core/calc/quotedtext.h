// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The most characters of a user's value a message quotes.
inline constexpr std::size_t maxQuotedCharacters = 32;

// A user's value as a message quotes it: enough to recognise what was typed, never so much that
// the message is lost. At most maxQuotedCharacters characters, cut between two UTF-8 characters
// and followed by "…" when there is more; a control character (NUL, CR, LF, a tab, DEL and the
// C1 controls) and a byte that is no part of a UTF-8 character each shown as "?", so that the
// message stays one line of text and its own words, after the value, are all printed.
std::string quotedText(std::string_view text);
