// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

// What both programs say of their licence: after the version in --version, and in the about box.
inline constexpr std::string_view licenceNotice =
    "Copyright © 2026 разработчики rezhim\n"
    "Лицензия GPL-3.0-or-later: GNU GPL версии 3 или любой более поздней версии\n"
    "<https://www.gnu.org/licenses/gpl-3.0.html>.\n"
    "Это свободная программа: её можно изменять и распространять.\n"
    "НИКАКИХ ГАРАНТИЙ в пределах, допускаемых законом.\n";
