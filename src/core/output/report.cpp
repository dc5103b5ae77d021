#include "core/output/report.h"

#include <array>
#include <iconv.h>

namespace {

struct WindowTitles {
    std::string_view general;
    std::array<std::string_view, 4> byOperationKind; // kinds 1 to 4; empty where none
};

const std::array<WindowTitles, 7> titles{{
    {"Фрезерование торцовыми фрезами", {}},
    {"Фрезерование цилиндрическими фрезами", {}},
    {"Фрезерование концевыми фрезами", {}},
    {"Фрезерование дисковыми фрезами", {}},
    {"Токарная обработка",
     {"Точение продольное", "Подрезка торца", "Проточка канавок и отрезка", "Растачивание"}},
    {"Сверление, рассверливание, зенкерование, развёртывание",
     {"Сверление", "Рассверливание", "Зенкерование", "Развёртывание"}},
    {"Нарезание резьбы",
     {"Нарезание резьбы резцом", "Нарезание резьбы метчиком", "Нарезание резьбы плашкой", ""}},
}};

} // namespace

std::string reportTitle(int window, int operationKind) {
    const WindowTitles& entry = titles.at(static_cast<std::size_t>(window - 1));
    if (operationKind >= 1 && operationKind <= 4) {
        const std::string_view title =
            entry.byOperationKind[static_cast<std::size_t>(operationKind - 1)];
        if (!title.empty()) {
            return std::string(title);
        }
    }
    return std::string(entry.general);
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
