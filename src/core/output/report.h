// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The text report of a results grid: the title line, then each grid row with its cell texts
// written back to back, every line ended by CR LF, in the Cyrillic Windows code page
// (windows-1251) that the shop-floor programs reading these reports expect.

// The title line of a window's report; the turning, hole-making and threading windows title it
// by the sub-operation of their last calculation.
std::string reportTitle(int window, int operationKind);

// The report as UTF-8 text.
std::string reportText(std::string_view title, const std::vector<std::vector<std::string>>& rows);

// UTF-8 text as windows-1251 bytes; empty when the text is not valid UTF-8 or holds a character
// the code page lacks.
std::optional<std::string> toWindows1251(std::string_view utf8);

// windows-1251 bytes as UTF-8 text, as a reader of the report sees it.
std::optional<std::string> fromWindows1251(std::string_view bytes);
