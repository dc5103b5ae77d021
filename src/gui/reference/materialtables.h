// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <span>
#include <string_view>

// Typical strength and hardness of work materials, as printed in the machinist's handbook tables
// for normalised steel blanks (GOST 1050), grey-iron castings (GOST 1412), aluminium casting
// alloys and cast bronze. Ranges are written with three dots, as on paper.
struct MaterialTable {
    std::string_view heading;
    std::array<std::string_view, 3> columns;
    std::span<const std::array<std::string_view, 3>> rows;
};

namespace materialdata {

inline constexpr std::array<std::array<std::string_view, 3>, 16> steel{{
    {"10", "360...450", "137"},
    {"15", "400...490", "143"},
    {"20", "440...540", "156"},
    {"25", "480...580", "170"},
    {"30", "520...620", "179"},
    {"35", "560...660", "187"},
    {"40", "600...720", "217"},
    {"45", "640...760", "229"},
    {"50", "680...800", "241"},
    {"55", "710...830", "255"},
    {"60", "730...850", "255"},
    {"65", "760...880", "255"},
    {"70", "780...900", "269"},
    {"75", "1100", "285"},
    {"80", "1100", "285"},
    {"85", "1150", "302"},
}};

inline constexpr std::array<std::array<std::string_view, 3>, 9> castIron{{
    {"СЧ12-28", "120", "143...229"},
    {"СЧ15-32", "150", "163...229"},
    {"СЧ18-36", "180", "170...229"},
    {"СЧ21-40", "210", "170...241"},
    {"СЧ24-44", "240", "170...241"},
    {"СЧ28-48", "280", "170...241"},
    {"СЧ32-52", "320", "187...255"},
    {"СЧ35-56", "350", "197...269"},
    {"СЧ38-60", "380", "207...269"},
}};

// АЛ10 is not listed.
inline constexpr std::array<std::array<std::string_view, 3>, 12> aluminium{{
    {"АЛ1", "200", "95"},
    {"АЛ2", "150...160", "50"},
    {"АЛ3", "120...240", "65...75"},
    {"АЛ4", "150...240", "50...70"},
    {"АЛ5", "160...200", "65...70"},
    {"АЛ6", "150", "45"},
    {"АЛ7", "200...230", "60...70"},
    {"АЛ8", "280", "70"},
    {"АЛ9", "160...210", "50...60"},
    {"АЛ11", "200...250", "80...90"},
    {"АЛ12", "170", "90"},
    {"АЛ13", "150", "55"},
}};

// The grade Бр. АЖМц 10-3-1,5 is printed over two lines, each carrying the values.
inline constexpr std::array<std::array<std::string_view, 3>, 5> bronze{{
    {"Бр. АМц 9-2", "400", "80"},
    {"Бр. АЖ 9-4", "500", "120"},
    {"Бр. АЖМц", "500", "120"},
    {"10-3-1,5", "500", "120"},
    {"Бр. АЖН 10-4-4", "600", "170"},
}};

} // namespace materialdata

inline constexpr MaterialTable steelTable{
    "Нормы механических свойств нормализованных заготовок из стали",
    {"Марка стали", "Предел прочности, МПа", "Твёрдость, не более (НВ)"},
    materialdata::steel};
inline constexpr MaterialTable castIronTable{
    "Марки отливок из серого чугуна и их механические свойства",
    {"Марка чугуна", "Предел прочности, МПа", "Твёрдость, НВ"},
    materialdata::castIron};
inline constexpr MaterialTable aluminiumTable{
    "Характеристики алюминиевых сплавов",
    {"Марка сплава", "Предел прочности, МПа", "Твёрдость, НВ"},
    materialdata::aluminium};
inline constexpr MaterialTable bronzeTable{
    "Механические свойства бронзового и латунного литья",
    {"Марка сплава", "Предел прочности, МПа", "Твёрдость НВ"},
    materialdata::bronze};
