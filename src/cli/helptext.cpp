#include "cli/commands.h"
#include "cli/operations.h"
#include "cli/textcolumns.h"

namespace {

// The keys an operation needs beyond tool, work, H, D, s and v, which every operation needs; in
// the order of `operations`.
constexpr std::array<std::string_view, operations.size()> furtherKeys{
    "z, B, t",
    "z, B, t, angle",
    "z, B, t, scheme; angle по желанию",
    "z, B, t; angle по желанию",
    "t",
    "t",
    "t",
    "t",
    "t не нужна: сверло режет на D/2",
    "t",
    "t",
    "t; усилия рассчитываются только для ceramics",
    "t, passes",
    "t",
    "t",
};

constexpr std::string_view commandsPart =
    "rezhim-cli — расчёт режимов резания из командной строки\n"
    "\n"
    "Команды:\n"
    "  rezhim-cli calc ОПЕРАЦИЯ ключ=значение ... [--json] [--comma]\n"
    "      строка таблицы результатов окна операции: заголовки и ячейки;\n"
    "      --json  один объект JSON в строке: n, Pz, Py, Px, M, N, t без округления и ячейки;\n"
    "      --comma  десятичная запятая в ячейках (по умолчанию точка)\n"
    "  rezhim-cli batch ВХОД.csv [-o ВЫХОД.csv]\n"
    "      расчёт каждой строки файла CSV: в заголовке столбец operation и ключи, пустая ячейка —\n"
    "      ключ не задан; к столбцам добавляются n,Pz,Py,Px,M,N,error (без -o — в stdout)\n"
    "  rezhim-cli report ОПЕРАЦИЯ ВХОД.csv -o ОТЧЁТ.txt [--comma]\n"
    "      отчёт, как его сохраняет окно (СОХРАНИТЬ), в кодировке windows-1251;\n"
    "      в заголовке файла CSV только ключи, строки нумеруются с 1\n"
    "  rezhim-cli --help     эта справка\n"
    "  rezhim-cli --version  версия\n"
    "\n"
    "Операции (всем нужны tool, work, H, D, s, v; ещё нужны):\n";

constexpr std::string_view keysPart =
    "\n"
    "Ключи (числа пишутся с точкой: 0.1, 750):\n"
    "  tool=hss|carbide|ceramics  инструмент: быстрорежущая сталь, твёрдый сплав, "
    "минералокерамика\n"
    "  work=steel|cast-iron|aluminium|copper\n"
    "                   материал заготовки: сталь, чугун, алюминиевые сплавы, медные сплавы\n"
    "  H=ЧИСЛО          МПа для стали и алюминиевых сплавов, НВ для чугуна и медных сплавов\n"
    "  D=ЧИСЛО          диаметр фрезы, заготовки, отверстия или резьбы, мм\n"
    "  z=ЧИСЛО          число зубьев фрезы\n"
    "  B=ЧИСЛО          ширина фрезерования, мм\n"
    "  t=ЧИСЛО          глубина резания, мм\n"
    "  s=ЧИСЛО          подача: мм/зуб при фрезеровании, мм/об при точении и обработке отверстий;\n"
    "                   при нарезании резьбы — шаг резьбы, мм\n"
    "  v=ЧИСЛО          скорость резания, м/мин\n"
    "  angle=ЧИСЛО      угол наклона зубьев фрезы, градусы\n"
    "  scheme=face|cylindrical  схема концевого фрезерования: как торцовое, как цилиндрическое\n"
    "  passes=ЧИСЛО     число проходов резца\n"
    "\n"
    "Коды завершения:\n"
    "  0  расчёт выполнен\n"
    "  1  расчёт отклонён: сообщение окна в stderr (в batch — в столбце error)\n"
    "  2  неверный вызов: неизвестная команда, операция, ключ или столбец CSV, ключ дважды или\n"
    "     без =, не хватает аргументов, файл не читается или не записывается\n";

} // namespace

std::string helpText() {
    std::vector<std::vector<std::string>> lines;
    for (std::size_t i = 0; i < operations.size(); ++i) {
        lines.push_back({"  " + std::string(operations[i].name), titleOf(operations[i]),
                         std::string(furtherKeys[i])});
    }
    return std::string(commandsPart) + alignedColumns(lines) + std::string(keysPart);
}
