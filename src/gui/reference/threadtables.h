// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <span>
#include <string_view>

// Metric threads (GOST 8724 diameters and pitches). The profile height depends on the pitch
// alone (H1 ≈ 0.5413 P), so it is listed once per pitch and looked up for every diameter.
struct PitchHeight {
    std::string_view pitch;  // mm, with a decimal comma
    std::string_view height; // mm
};

inline constexpr std::array<PitchHeight, 15> profileHeights{{
    {"0,5", "0,27"},
    {"0,75", "0,406"},
    {"1", "0,541"},
    {"1,25", "0,676"},
    {"1,5", "0,812"},
    {"1,75", "0,947"},
    {"2", "1,082"},
    {"2,5", "1,353"},
    {"3", "1,624"},
    {"3,5", "1,894"},
    {"4", "2,165"},
    {"4,5", "2,435"},
    {"5", "2,706"},
    {"5,5", "2,977"},
    {"6", "3,247"},
}};

// The height for a pitch of the table above; empty for any other pitch.
constexpr std::string_view profileHeight(std::string_view pitch) {
    for (const PitchHeight& entry : profileHeights) {
        if (entry.pitch == pitch) {
            return entry.height;
        }
    }
    return {};
}

// Diameters sharing one list of pitches, coarse pitch last.
struct ThreadBlock {
    int group; // column group of the reference window, 1 to 3
    std::span<const std::string_view> diameters;
    std::span<const std::string_view> pitches;
};

namespace threaddata {
using Texts = std::string_view;
inline constexpr Texts d8[]{"8"}, p8[]{"0,5", "0,75", "1", "1,25"};
inline constexpr Texts d10[]{"10"}, p10[]{"0,5", "0,75", "1", "1,25", "1,5"};
inline constexpr Texts d12[]{"12"}, p12[]{"0,5", "0,75", "1", "1,25", "1,5", "1,75"};
inline constexpr Texts d16[]{"16"}, p16[]{"0,5", "0,75", "1", "1,5", "2"};
inline constexpr Texts d20[]{"20"}, p20[]{"0,5", "0,75", "1", "1,5", "2", "2,5"};
inline constexpr Texts d24[]{"24"}, p24[]{"0,75", "1", "1,5", "2", "3"};
inline constexpr Texts d30[]{"30"}, p30[]{"0,75", "1", "1,5", "2", "3", "3,5"};
inline constexpr Texts d36[]{"36"}, p36[]{"1", "1,5", "2", "3", "4"};
inline constexpr Texts d42[]{"42"}, p42[]{"1", "1,5", "2", "3", "4,5"};
inline constexpr Texts d48[]{"48"}, p48[]{"1", "1,5", "2", "3", "5"};
inline constexpr Texts d56[]{"56"}, p56[]{"1", "1,5", "2", "3", "5,5"};
inline constexpr Texts d64[]{"64"}, p64[]{"1", "1,5", "2", "3", "4", "6"};
inline constexpr Texts d72[]{"72", "80"}, p72[]{"1", "1,5", "2", "3", "4"};
inline constexpr Texts d90[]{"90", "100", "110", "125", "140"}, p90[]{"1,5", "2", "3", "4"};
inline constexpr Texts d160[]{"160", "180", "200"}, p160[]{"2", "3", "4"};
} // namespace threaddata

inline constexpr std::array<ThreadBlock, 15> threadBlocks{{
    {1, threaddata::d8, threaddata::p8},
    {1, threaddata::d10, threaddata::p10},
    {1, threaddata::d12, threaddata::p12},
    {1, threaddata::d16, threaddata::p16},
    {1, threaddata::d20, threaddata::p20},
    {2, threaddata::d24, threaddata::p24},
    {2, threaddata::d30, threaddata::p30},
    {2, threaddata::d36, threaddata::p36},
    {2, threaddata::d42, threaddata::p42},
    {2, threaddata::d48, threaddata::p48},
    {3, threaddata::d56, threaddata::p56},
    {3, threaddata::d64, threaddata::p64},
    {3, threaddata::d72, threaddata::p72},
    {3, threaddata::d90, threaddata::p90},
    {3, threaddata::d160, threaddata::p160},
}};
