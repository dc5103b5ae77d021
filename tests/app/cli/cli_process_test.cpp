// SPDX-License-Identifier: GPL-3.0-or-later
// Runs the built rezhim-cli as a process and checks its stdout, stderr and exit code apart.
#include "app/cli/operations.h"
#include "core/output/report.h"
#include "support/faultyfolder.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <langinfo.h>
#include <locale.h>
#include <optional>
#include <set>
#include <signal.h>
#include <spawn.h>
#include <sstream>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

struct ProcessResult {
    int code = -1; // -1 when the program did not exit normally
    std::string out;
    std::string err;
};

std::string readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeFile(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

std::vector<std::string> words(const std::string& text) {
    std::istringstream in(text);
    return {std::istream_iterator<std::string>(in), std::istream_iterator<std::string>()};
}

const char* const lcAll = std::getenv("LC_ALL");
const std::string userLocale = lcAll != nullptr && *lcAll != 0 ? lcAll : "C";

// A folder of its own for each test, so that CTest may run them side by side.
class Cli : public testing::Test {
protected:
    Cli()
        : folder(fs::temp_directory_path() /
                 ("rezhim-cli-" + std::to_string(getpid()) + "-" +
                  testing::UnitTest::GetInstance()->current_test_info()->name())) {
        fs::remove_all(folder);
        fs::create_directories(folder);
    }
    ~Cli() override { fs::remove_all(folder); }

    // CTest runs these tests under each locale the program is checked in; the program runs in
    // the same one. A locale that was never generated would quietly be C.
    void SetUp() override {
        locale_t checked = newlocale(LC_ALL_MASK, userLocale.c_str(), locale_t{});
        ASSERT_NE(checked, locale_t{}) << "the locale " << userLocale
                                       << " is not generated on this machine; "
                                          "bash tools/bootstrap.sh test generates it (locale-gen)";
        const std::string point = nl_langinfo_l(RADIXCHAR, checked);
        freelocale(checked);
        if (const char* expected = std::getenv("REZHIM_EXPECTED_DECIMAL_POINT")) {
            ASSERT_EQ(point, expected) << userLocale;
        }
    }

    // rezhim-cli with `arguments` ("{}" stands for the folder) under the locale `locale`, its
    // stdout the file `stdoutPath` if given (and then not read back).
    ProcessResult run(const std::string& arguments, const std::string& locale = userLocale,
                      const char* stdoutPath = nullptr) const {
        return finish(start(arguments, {}, locale, stdoutPath), stdoutPath == nullptr);
    }

    // rezhim-cli started with `arguments` as run() starts it, with the test's open descriptors
    // given to it by `descriptors` (its descriptor, the test's), as a shell redirects them; with
    // the signals that end it at their default action, whatever the test runner ignores.
    pid_t start(const std::string& arguments, const std::vector<std::pair<int, int>>& descriptors,
                const std::string& locale = userLocale, const char* stdoutPath = nullptr) const {
        std::vector<std::string> argv{REZHIM_CLI};
        for (std::string word : words(arguments)) {
            if (const auto at = word.find("{}"); at != std::string::npos) {
                word.replace(at, 2, folder.string());
            }
            argv.push_back(word);
        }
        const std::vector<std::string> env{"LC_ALL=" + locale, "LANG=" + locale};
        const auto pointers = [](const std::vector<std::string>& texts) {
            std::vector<char*> list;
            for (const std::string& text : texts) {
                list.push_back(const_cast<char*>(text.c_str()));
            }
            list.push_back(nullptr);
            return list;
        };
        const fs::path out = folder / "stdout", err = folder / "stderr";
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 1, stdoutPath ? stdoutPath : out.c_str(),
                                         O_WRONLY | O_CREAT | O_TRUNC, 0600);
        posix_spawn_file_actions_addopen(&actions, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                         0600);
        for (const auto& [child, own] : descriptors) {
            posix_spawn_file_actions_adddup2(&actions, own, child);
        }
        posix_spawnattr_t attributes;
        posix_spawnattr_init(&attributes);
        sigset_t defaults;
        sigemptyset(&defaults);
        for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
            sigaddset(&defaults, signal);
        }
        posix_spawnattr_setsigdefault(&attributes, &defaults);
        posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGDEF);
        pid_t pid = -1;
        if (posix_spawn(&pid, REZHIM_CLI, &actions, &attributes, pointers(argv).data(),
                        pointers(env).data()) != 0) {
            pid = -1;
        }
        posix_spawnattr_destroy(&attributes);
        posix_spawn_file_actions_destroy(&actions);
        return pid;
    }

    // Waits for the program started and reads what it wrote, stdout if `readStdout`.
    ProcessResult finish(pid_t pid, bool readStdout = true) const {
        ProcessResult result;
        int status = 0;
        if (pid > 0 && waitpid(pid, &status, 0) == pid && WIFEXITED(status)) {
            result.code = WEXITSTATUS(status);
        }
        result.out = readStdout ? readFile(folder / "stdout") : std::string();
        result.err = readFile(folder / "stderr");
        return result;
    }

    fs::path folder;
};

std::string shortest(double value) {
    char digits[32];
    return {digits, std::to_chars(digits, digits + 32, value).ptr};
}

// The raw results n, Pz, Py, Px, M, N of a calculation, worked by hand from the handbook formulas
// (n = 1000 v / (3.14 D), M = Pz D / 2000, N = Pz v / (1020 · 60) or M n / 9750); nullopt where
// the program gives no number.
using RawResults = std::array<std::optional<double>, 6>;
const char* const rawNames[] = {"n", "Pz", "Py", "Px", "M", "N"};

// A raw result as the program writes it must be the shortest text that reads back as its double,
// within 1e-9 of the hand-worked value; `none` where there is no result.
void expectRawNumber(const std::string& text, const std::optional<double>& expected,
                     const std::string& none, const char* name) {
    if (!expected) {
        EXPECT_EQ(text, none) << name;
        return;
    }
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    ASSERT_TRUE(error == std::errc() && end == text.data() + text.size())
        << name << " is not a number: \"" << text << "\"";
    EXPECT_NEAR(value, *expected, 1e-9 * std::abs(*expected)) << name;
    EXPECT_EQ(text, shortest(value)) << name;
}

// The texts of n, Pz, Py, Px, M, N in a result object, which must open with the operation and
// these six in this order; fewer texts where it does not.
std::vector<std::string> jsonRawTexts(const std::string& json, const std::string& operation) {
    std::size_t at = 0;
    const auto take = [&](const std::string& text) {
        const bool found = json.compare(at, text.size(), text) == 0;
        at += text.size();
        return found;
    };
    std::vector<std::string> texts;
    if (!take("{\"operation\": \"" + operation + "\"")) {
        return texts;
    }
    for (const char* name : rawNames) {
        if (!take(std::string(", \"") + name + "\": ")) {
            return texts;
        }
        const auto end = json.find_first_of(",}", at);
        texts.push_back(json.substr(at, end - at));
        at = end;
    }
    return texts;
}

std::vector<std::string> jsonCells(const std::string& json) {
    std::vector<std::string> cells;
    for (auto at = json.find("\"cells\": [") + 10; json[at] == '"';) {
        const auto end = json.find('"', at + 1);
        cells.push_back(json.substr(at + 1, end - at - 1));
        at = end + (json[end + 1] == ',' ? 3 : 1);
    }
    return cells;
}

struct Example {
    std::string arguments;
    RawResults raw;
    std::vector<std::string> lastCells; // the last cells of the row; "*" is not checked
};

const std::string faceMilling =
    "face-milling tool=carbide work=steel H=750 D=100 z=10 B=50 t=2 s=0.1 v=100";
const std::string threadCutter =
    "thread-cutter tool=hss work=steel H=750 D=20 t=1 s=2.5 v=20 passes=6";
const std::string drilling = "drilling tool=hss work=steel H=750 D=20 s=0.3 v=25";

const std::vector<Example> examples{
    // Pz = 10 · 825 · 2 · 0.1^0.75 · 50^1.1 · 10 / (100^1.3 · n^0.2), Py 0.4 Pz, Px 0.5 Pz
    {faceMilling,
     {318.47133757961785, 1720.8256806497302, 688.3302722598921, 860.4128403248651,
      86.04128403248652, 2.8118066677283173},
     {"1", "ТC", "сталь", "0.1", "100", "2", "100", "50", "10", "1720.8", "688.3", "860.4",
      "86.041", "2.812", "318"}},
    // Pz = 10 · 68.2 · 3^0.86 · 0.1^0.72 · 50 · 8 / 80^0.86, Py 0.5 Pz, Px 0.3 Pz tan 30° (π 3.14)
    {"cylindrical-milling tool=hss work=steel H=750 D=80 z=8 B=50 t=3 s=0.1 v=30 angle=30",
     {119.42675159235668, 3086.819650160051, 1543.4098250800255, 534.325148041301,
      123.47278600640203, 1.5131468873333582},
     {"3086.8", "1543.4", "534.3", "123.473", "1.513", "119"}},
    // Pz = 10 · 68.2 · 5^0.86 · 0.05^0.72 · 10 · 4 / 20^0.86, Py 0.3 Pz, Px 0.5 Pz
    {"end-milling tool=hss work=steel H=750 D=20 z=4 B=10 t=5 s=0.05 v=25 scheme=face",
     {398.0891719745223, 957.9242697064603, 287.3772809119381, 478.96213485323017,
      9.579242697064602, 0.3913089337036194},
     {"957.9", "287.4", "479.0", "9.579", "0.391", "398"}},
    // Pz = 10 · 68.2 · 5^0.86 · 0.05^0.72 · 10 · 20 / 100^0.86, Py 0.4 Pz, no angle: Px 0
    {"disc-milling tool=hss work=steel H=750 D=100 z=20 B=10 t=5 s=0.05 v=30",
     {95.54140127388536, 1200.0158357846092, 480.0063343138437, 0.0, 60.00079178923046,
      0.5882430567571614},
     {"1200.0", "480.0", "0.0", "60.001", "0.588", "96"}},
    // Pz = 10 · 300 · 2 · 0.2^0.75 · 100^-0.15, Py = 10 · 243 · 2^0.9 · 0.2^0.6 · 100^-0.3,
    // Px = 10 · 339 · 2 · 0.2^0.5 · 100^-0.4
    {"turning tool=carbide work=steel H=750 D=50 t=2 s=0.2 v=100",
     {636.9426751592357, 899.3396627618121, 433.66189884760183, 480.5567609309122,
      22.483491569045302, 1.469509252878778},
     {"899.3", "*", "*", "22", "1.470", "636.94"}},
    // Pz = 10 · 408 · 2^0.72 · 0.2^0.8, no Py or Px
    {"grooving tool=carbide work=steel H=750 D=50 t=2 s=0.2 v=100",
     {636.9426751592357, 1854.4953832733245, 0.0, 0.0, 46.36238458183311, 3.030221214498896},
     {"1854.5", "0.0", "0.0", "*", "*", "*"}},
    // P0 = 10 · 68 · 20 · 0.3^0.7, M = 10 · 0.0345 · 20² · 0.3^0.8
    {"drilling tool=hss work=steel H=750 D=20 s=0.3 v=25",
     {398.0891719745223, 5854.958035399105, 0.0, 0.0, 52.67154895273083, 2.150561365046988},
     {"10", "20", "5855.0", "*", "*", "52.672", "2.151", "398"}},
    // P0 = 10 · 67 · 1.5^1.2 · 0.6^0.65 · Kmp, M = 10 · 0.09 · 20 · 1.5^0.9 · 0.6^0.8 · Kmp,
    // Kmp = (600 / 750)^0.3
    {"core-drilling tool=hss work=steel H=600 D=20 t=1.5 s=0.6 v=20",
     {318.47133757961785, 731.3236572032308, 0.0, 0.0, 16.113973112708866, 0.5263424175309118},
     {"731.3", "*", "*", "16.114", "0.526", "318"}},
    // Pz = 10 · 148 · 2.5^1.7 / 6^0.71
    {threadCutter,
     {318.47133757961785, 1969.1207214232372, 0.0, 0.0, 19.691207214232374, 0.6435035037330842},
     {"1969.1", "*", "*", "19.691", "0.644", "318"}},
    // M = 10 · 0.027 · 20^1.4 · 2.5^1.5, no force
    {"thread-tap tool=hss work=steel H=750 D=20 t=1 s=2.5 v=10",
     {159.23566878980893, 0.0, 0.0, 0.0, 70.74826128915464, 1.1554509438045835},
     {"0.0", "*", "*", "70.748", "1.155", "159"}},
};

const RawResults& handWorked(const std::string& arguments) {
    return std::find_if(examples.begin(), examples.end(),
                        [&](const Example& example) { return example.arguments == arguments; })
        ->raw;
}

TEST_F(Cli, WorkedExamplesGiveTheWindowsCellsAndRawResultsInAnyLocale) {
    for (const Example& example : examples) {
        SCOPED_TRACE(example.arguments);
        const ProcessResult result = run("calc " + example.arguments + " --json");
        EXPECT_EQ(result.code, 0);
        EXPECT_EQ(result.err, "");
        const std::vector<std::string> cells = jsonCells(result.out);
        ASSERT_GE(cells.size(), example.lastCells.size());
        const auto offset = cells.size() - example.lastCells.size();
        for (std::size_t i = 0; i < example.lastCells.size(); ++i) {
            if (example.lastCells[i] != "*") {
                EXPECT_EQ(cells[offset + i], example.lastCells[i]) << "cell " << offset + i;
            }
        }
        // The numbers are the raw doubles.
        const std::vector<std::string> raw = jsonRawTexts(result.out, words(example.arguments)[0]);
        ASSERT_EQ(raw.size(), example.raw.size()) << result.out;
        for (std::size_t i = 0; i < raw.size(); ++i) {
            expectRawNumber(raw[i], example.raw[i], "null", rawNames[i]);
        }
        for (const char* locale : {"C.UTF-8", "ru_RU.UTF-8"}) {
            EXPECT_EQ(run("calc " + example.arguments + " --json", locale).out, result.out);
        }
    }
}

TEST_F(Cli, DepthCommaAndColumnsForReading) {
    const ProcessResult json = run("calc " + faceMilling + " --json --comma");
    EXPECT_NE(json.out.find("\"t\": 2, \"cells\": [\"1\""), std::string::npos);
    EXPECT_NE(json.out.find("\"Pz\": 1720.8"), std::string::npos); // raw numbers keep the point
    const std::vector<std::string> cells = jsonCells(json.out);
    EXPECT_EQ(std::vector(cells.begin() + 9, cells.end()),
              (std::vector<std::string>{"1720,8", "688,3", "860,4", "86,041", "2,812", "318"}));
    EXPECT_NE(run("calc drilling tool=hss work=steel H=750 D=20 s=0.3 v=25 --json")
                  .out.find("\"t\": 10, "),
              std::string::npos);

    // Each cell starts where its heading starts, counted in characters.
    const ProcessResult table = run("calc " + faceMilling + " --comma");
    const auto lineEnd = table.out.find('\n');
    const std::string headingLine = table.out.substr(0, lineEnd);
    const std::string cellLine = table.out.substr(lineEnd + 1);
    const auto column = [](const std::string& line, const std::string& text) {
        const std::string before = line.substr(0, line.find(text));
        return std::count_if(before.begin(), before.end(),
                             [](char c) { return (c & 0xC0) != 0x80; });
    };
    EXPECT_EQ(column(headingLine, "Pz, H"), column(cellLine, "1720,8"));
    EXPECT_EQ(column(headingLine, "n, об/мин"), column(cellLine, "318\n"));
    EXPECT_EQ(column(headingLine, "заг-ка"), column(cellLine, "сталь"));
    EXPECT_EQ(std::count(table.out.begin(), table.out.end(), '\n'), 2);
}

TEST_F(Cli, ReamingWithoutForceDataLeavesNullsAndWarns) {
    const ProcessResult result =
        run("calc reaming tool=hss work=steel H=600 D=20 t=0.1 s=0.6 v=10 --json");
    EXPECT_EQ(result.code, 0);
    EXPECT_NE(result.out.find("\"Pz\": null, \"Py\": 0, \"Px\": 0, \"M\": null, \"N\": null"),
              std::string::npos);
    const std::vector<std::string> cells = jsonCells(result.out);
    ASSERT_EQ(cells.size(), 13u);
    EXPECT_EQ(cells[7] + cells[10] + cells[11], "");
    EXPECT_EQ(cells[12], "159");
    EXPECT_EQ(result.err, "НЕТ ДАННЫХ ДЛЯ РАСЧЁТА УСИЛИЙ ПРИ РАЗВЁРТЫВАНИИ ЭТИМ ИНСТРУМЕНТОМ!!!\n");
}

TEST_F(Cli, BadInputIsRefusedWithoutANumber) {
    writeFile(folder / "header.csv", "operation,H,depth\nturning,1,2\n");
    writeFile(folder / "good.csv", "operation,H\nturning,1\n");
    writeFile(folder / "twice.csv", "operation,H,H\nturning,1,2\n");
    const std::string turning = "calc turning tool=carbide work=steel D=50 t=2 s=0.2 ";
    const std::string limitTurning = "limit turning tool=carbide work=steel D=50 t=2 s=0.2 ";
    const std::string sweepTurning = "sweep turning tool=carbide work=steel D=50 t=2 s=0.2 ";
    const std::vector<std::tuple<std::string, int, std::string>> cases{
        {turning + "H=750", 1, "ВЫ НЕ ЗАДАЛИ СКОРОСТЬ РЕЗАНИЯ!!!"},
        {turning + "H=0 v=100", 1, "ВЫ НЕ ЗАДАЛИ ХАРАКТЕРИСТИКУ МАТЕРИАЛА!!!"},
        {turning + "H=750 v=-100", 1, "ЗНАЧЕНИЕ НЕ МОЖЕТ БЫТЬ ОТРИЦАТЕЛЬНЫМ!!!"},
        {turning + "H=7,5 v=100", 1, "НЕВЕРНОЕ ЧИСЛО: H=7,5!!!"},
        {turning + "H=abc v=100", 1, "НЕВЕРНОЕ ЧИСЛО: H=abc!!!"},
        {turning + "H=750 v=100 L=0", 1, "НЕВЕРНАЯ ДЛИНА РАБОЧЕГО ХОДА: 0!!!"},
        {turning + "H=750 v=100 L=-20", 1, "НЕВЕРНАЯ ДЛИНА РАБОЧЕГО ХОДА: -20!!!"},
        {turning + "H=750 v=100 L=abc", 1, "НЕВЕРНОЕ ЧИСЛО: L=abc!!!"},
        // A feed of no unit would be checked and chosen wrongly by a factor of n.
        {turning + "H=750 v=100 feeds=0.1;0.2", 1, "КЛЮЧИ feeds= И feed-unit= ЗАДАЮТСЯ ВМЕСТЕ!!!"},
        {turning + "H=750 v=100 feeds=0.1 feed-unit=mm", 1,
         "НЕИЗВЕСТНАЯ ЕДИНИЦА ПОДАЧ: feed-unit=mm (min или rev)!!!"},
        {turning + "H=750 v=100 feeds=0.2;0.1 feed-unit=rev", 1,
         "ПОДАЧИ ПОВТОРЯЮТСЯ ИЛИ НЕ ИДУТ ПО ВОЗРАСТАНИЮ!!!"},
        {"calc turning tool=wood work=steel H=750 D=50 t=2 s=0.2 v=100", 1,
         "НЕИЗВЕСТНЫЙ МАТЕРИАЛ ИНСТРУМЕНТА: wood!!!"},
        {"calc turning tool=hss work=glass H=750 D=50 t=2 s=0.2 v=100", 1,
         "НЕИЗВЕСТНЫЙ ОБРАБАТЫВАЕМЫЙ МАТЕРИАЛ: glass!!!"},
        // Values no cut has: the power laws would give numbers for them.
        {"calc face-milling tool=carbide work=steel H=750 D=100 z=10 B=1e300 t=2 s=0.1 v=100", 1,
         "ЗНАЧЕНИЕ В ПОЛЕ «Ширина фрезерования, мм» ВНЕ ПРЕДЕЛОВ РЕАЛЬНОГО РЕЗАНИЯ: ОТ 0,01 ДО "
         "10000 мм!!!"},
        {"calc cylindrical-milling tool=hss work=steel H=750 D=80 z=8 B=50 t=3 s=0.1 v=30 "
         "angle=90",
         1, "ЗНАЧЕНИЕ В ПОЛЕ «Угол наклона зубьев» ВНЕ ПРЕДЕЛОВ РЕАЛЬНОГО РЕЗАНИЯ: ОТ 0 ДО 75°!!!"},
        {"calc thread-cutter tool=hss work=steel H=750 D=20 t=1 s=2.5 v=20 passes=0.5", 1,
         "ЗНАЧЕНИЕ В ПОЛЕ «Число проходов (резца)» ВНЕ ПРЕДЕЛОВ РЕАЛЬНОГО РЕЗАНИЯ: ЦЕЛОЕ ЧИСЛО ОТ "
         "1 "
         "ДО 1000!!!"},
        {"calc turning tool=hss work=cast-iron H=1000000 D=50 t=2 s=0.2 v=100", 1,
         "ЗНАЧЕНИЕ В ПОЛЕ «Предел прочности (МПа)/ твёрдость (HB)» ВНЕ ПРЕДЕЛОВ РЕАЛЬНОГО "
         "РЕЗАНИЯ: ОТ 1 ДО 10000!!!"},
        {sweepTurning + "H=750 --vary v=100:20000:3", 1,
         "ЗНАЧЕНИЕ В ПОЛЕ «Скорость резания, м/мин» ВНЕ ПРЕДЕЛОВ РЕАЛЬНОГО РЕЗАНИЯ: ОТ 0,01 ДО "
         "10000 м/мин!!!"},
        {turning + "H=750 v=100 L=2e6", 1,
         "ЗНАЧЕНИЕ В ПОЛЕ «Длина рабочего хода, мм» ВНЕ ПРЕДЕЛОВ РЕАЛЬНОГО РЕЗАНИЯ: ОТ 0,001 ДО "
         "1000000 мм!!!"},

        {"calc thread-cutter tool=hss work=steel H=750 D=20 t=1 s=2.5 v=20", 1,
         "ВЫ НЕ ЗАДАЛИ ЧИСЛО ПРОХОДОВ РЕЗЦА!!!"},
        {"calc cylindrical-milling tool=hss work=steel H=750 D=80 z=8 B=50 t=3 s=0.1 v=30 angle=0",
         1, "ВЫ НЕ ЗАДАЛИ УГОЛ НАКЛОНА ЗУБЬЕВ ФРЕЗЫ!!!"},
        {turning + "H=750 foo=1", 2, "НЕИЗВЕСТНЫЙ ПАРАМЕТР: foo!!!"},
        {turning + "H=750 H=750", 2, "ПАРАМЕТР ЗАДАН ДВАЖДЫ: H!!!"},
        {turning + "H", 2, "ПАРАМЕТР БЕЗ ЗНАЧЕНИЯ (НУЖНО КЛЮЧ=ЗНАЧЕНИЕ): H!!!"},
        {"calc foo H=1", 2, "НЕИЗВЕСТНАЯ ОПЕРАЦИЯ: foo!!!"},
        {"calc", 2, "НЕ ЗАДАНА ОПЕРАЦИЯ!!!"},
        {turning + "--csv", 2, "НЕДОПУСТИМЫЙ КЛЮЧ КОМАНДЫ: --csv!!!"},
        {"", 2, "НЕ ЗАДАНА КОМАНДА!!!"},
        {"compute turning", 2, "НЕИЗВЕСТНАЯ КОМАНДА: compute!!!"},
        {"batch", 2, "НУЖНО: rezhim-cli batch"},
        {"batch {}/missing.csv", 2, "НЕ УДАЁТСЯ ПРОЧИТАТЬ ФАЙЛ: "},
        {"batch {}/header.csv", 2, "НЕИЗВЕСТНЫЙ СТОЛБЕЦ В ЗАГОЛОВКЕ CSV: depth!!!"},
        {"batch {}/twice.csv", 2, "СТОЛБЕЦ ПОВТОРЯЕТСЯ В ЗАГОЛОВКЕ CSV: H!!!"},
        {"batch {}/good.csv -o {}/no/such/folder.csv", 2, "НЕ УДАЁТСЯ ЗАПИСАТЬ ФАЙЛ: "},
        {"batch {}/good.csv -o /dev/full", 2, "НЕ УДАЁТСЯ ЗАПИСАТЬ ФАЙЛ: /dev/full!!!"},
        // A machine's data is checked as the windows check it (a speed list out of order is a
        // typo, not sorted); a wrong call stays a wrong call.
        {turning + "H=750 v=100 power=7.5", 1, "НЕ ЗАДАН КПД ПРИВОДА!!!"},
        {turning + "H=750 v=100 power=7.5 efficiency=0,8", 1, "НЕВЕРНОЕ ЧИСЛО: efficiency=0,8!!!"},
        {turning + "H=750 v=100 speeds=12.5;1,6", 1, "НЕВЕРНОЕ ЧИСЛО: speeds=12.5;1,6!!!"},
        {turning + "H=750 v=100 speeds=160;125", 1,
         "ЧАСТОТЫ ВРАЩЕНИЯ ПОВТОРЯЮТСЯ ИЛИ НЕ ИДУТ ПО ВОЗРАСТАНИЮ!!!"},
        {turning + "H=750 v=100 power=1 power=2", 2, "ПАРАМЕТР ЗАДАН ДВАЖДЫ: power!!!"},
        // A machine key left empty would silently drop the check asked for.
        {turning + "H=750 v=100 speeds=", 2, "ПУСТОЕ ЗНАЧЕНИЕ КЛЮЧА СТАНКА: speeds=!!!"},
        {turning + "H=750 v=100 speeds=;", 2, "ПУСТОЕ ЗНАЧЕНИЕ КЛЮЧА СТАНКА: speeds=!!!"},
        {turning + "H=750 v=100 power= efficiency=", 2, "ПУСТОЕ ЗНАЧЕНИЕ КЛЮЧА СТАНКА: power=!!!"},
        // Data no machine has: Nдв·η would underflow to 0 and the load print as inf; the search
        // for the largest feed would run off the doubles.
        {turning + "H=750 v=100 power=5e-324 efficiency=1e-300 --json", 1,
         "ЗНАЧЕНИЕ В ПОЛЕ «МОЩНОСТЬ ДВИГАТЕЛЯ» ВНЕ ПРЕДЕЛОВ РЕАЛЬНОГО СТАНКА"},
        {limitTurning + "H=750 v=100 power=1e250 efficiency=0.8 --vary s", 1,
         "ЗНАЧЕНИЕ В ПОЛЕ «МОЩНОСТЬ ДВИГАТЕЛЯ» ВНЕ ПРЕДЕЛОВ РЕАЛЬНОГО СТАНКА"},
        {limitTurning + "H=750 v=100 torque-max=1e240 --vary v", 1,
         "ЗНАЧЕНИЕ В ПОЛЕ «НАИБОЛЬШИЙ МОМЕНТ» ВНЕ ПРЕДЕЛОВ РЕАЛЬНОГО СТАНКА"},
        {turning + "H=750 v=100 torque-max=50 --machine 6Р12", 2,
         "ЗАДАЙТЕ СТАНОК ЛИБО КЛЮЧАМИ, ЛИБО --machine!!!"},
        {turning + "H=750 v=100 --machine 6Р12 --machines {}/missing.json", 2,
         "НЕ УДАЁТСЯ ПРОЧИТАТЬ ФАЙЛ: "},
        {limitTurning + "H=750 v=100 --vary s", 2, "НЕ ЗАДАН СТАНОК"},
        {limitTurning + "H=750 v=100 torque-max=50", 2, "НЕ ЗАДАНО, ЧТО ПОДБИРАТЬ"},
        {limitTurning + "H=750 v=100 torque-max=50 --vary n", 2, "ПОДБИРАЕТСЯ ПОДАЧА ИЛИ СКОРОСТЬ"},
        {"limit " + threadCutter + " torque-max=50 --vary s", 2,
         "ПРИ НАРЕЗАНИИ РЕЗЬБЫ ПОДАЧА — ЭТО ШАГ РЕЗЬБЫ"},
        {limitTurning + "H=-750 v=100 torque-max=50 --vary v", 1,
         "ЗНАЧЕНИЕ НЕ МОЖЕТ БЫТЬ ОТРИЦАТЕЛЬНЫМ!!!"},
        {"batch {}/good.csv H=750", 2, "ПОСЛЕ ФАЙЛА ЗАДАЮТСЯ ТОЛЬКО КЛЮЧИ СТАНКА: H=750!!!"},
        {"batch {}/good.csv efficiency=0.8", 1, "НЕ ЗАДАНА МОЩНОСТЬ ДВИГАТЕЛЯ!!!"},
        {"report turning {}/good.csv", 2, "НУЖНО: rezhim-cli report"},
        {"report turning {}/good.csv -o {}/r.txt", 2, "НЕИЗВЕСТНЫЙ СТОЛБЕЦ В ЗАГОЛОВКЕ CSV"},
        {"report turning {}/good.csv -o {}/r.txt --format pdf", 2, "НЕИЗВЕСТНЫЙ ФОРМАТ: pdf"},
        // The saved report has no machine columns: a machine there would be silently dropped.
        {"report turning {}/good.csv -o {}/r.txt torque-max=50", 2,
         "СТАНОК ЗАДАЁТСЯ ТОЛЬКО С --format csv"},
        {sweepTurning + "H=750", 2, "НЕ ЗАДАНО, ЧТО МЕНЯТЬ"},
        {sweepTurning + "H=750 --vary v=1:2", 2, "НУЖНО --vary КЛЮЧ=ОТ:ДО:ЧИСЛО_ТОЧЕК"},
        {sweepTurning + "H=750 --vary q=1:2:3", 2, "НЕИЗВЕСТНЫЙ ПАРАМЕТР: q!!!"},
        {sweepTurning + "H=750 --vary v=1:2,5:3", 2, "НЕВЕРНОЕ ЧИСЛО: 2,5 В --vary!!!"},
        {sweepTurning + "H=750 --vary v=1:2:1", 2, "ЧИСЛО ТОЧЕК — ЦЕЛОЕ ОТ 2 ДО 100000"},
        {sweepTurning + "H=750 --vary v=1:2:100001", 2, "ЧИСЛО ТОЧЕК — ЦЕЛОЕ ОТ 2 ДО 100000"},
        {sweepTurning + "H=750 --vary z=1:2:3", 2,
         "У ОПЕРАЦИИ turning НЕТ ЧИСЛОВОГО ПАРАМЕТРА z!!!"},
        {sweepTurning + "H=750 --vary work=1:2:3", 2, "У ОПЕРАЦИИ turning НЕТ ЧИСЛОВОГО"},
        // Every point would be the same: the drill's depth is half its diameter.
        {"sweep " + drilling + " --vary t=1:2:3", 2, "У ОПЕРАЦИИ drilling ПАРАМЕТР t СЛЕДУЕТ"},
        // The other keys are refused as calc refuses them, before any point.
        {sweepTurning + "H=-750 --vary v=50:100:3", 1, "ЗНАЧЕНИЕ НЕ МОЖЕТ БЫТЬ ОТРИЦАТЕЛЬНЫМ!!!"},
    };
    for (const auto& [arguments, code, message] : cases) {
        const ProcessResult result = run(arguments);
        EXPECT_EQ(result.code, code) << arguments;
        EXPECT_EQ(result.out, "") << arguments;
        EXPECT_EQ(result.err.find(message), 0u) << arguments << "\n" << result.err;
    }
}

// The batch's output line by line: a computed row is its columns, the six raw results as worked
// by hand and an empty error column; any other line is as given.
struct BatchLine {
    std::string in;
    std::string out;
    std::optional<RawResults> raw = std::nullopt; // none for a heading or a refused row
};
void expectBatchOutput(const std::string& output, const std::vector<BatchLine>& lines) {
    std::vector<std::string> written;
    for (std::size_t at = 0, end = 0; at < output.size(); at = end + 1) {
        end = output.find('\n', at);
        if (end == std::string::npos) {
            ADD_FAILURE() << "the output does not end in a line break: " << output;
            end = output.size();
        }
        written.push_back(output.substr(at, end - at));
    }
    ASSERT_EQ(written.size(), lines.size()) << output;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        SCOPED_TRACE(lines[i].out);
        if (!lines[i].raw) {
            EXPECT_EQ(written[i], lines[i].out);
            continue;
        }
        const std::string columns = lines[i].out + ",";
        ASSERT_EQ(written[i].substr(0, columns.size()), columns) << written[i];
        std::vector<std::string> fields{""};
        for (const char c : written[i].substr(columns.size())) {
            if (c == ',') {
                fields.emplace_back();
            } else {
                fields.back() += c;
            }
        }
        ASSERT_EQ(fields.size(), 7u) << written[i];
        for (std::size_t k = 0; k < 6; ++k) {
            expectRawNumber(fields[k], (*lines[i].raw)[k], "", rawNames[k]);
        }
        EXPECT_EQ(fields[6], "") << "error column";
    }
}

TEST_F(Cli, BatchMixesOperationsAndGivesRefusalsInTheErrorColumn) {
    const std::string milled = "face-milling,carbide,steel,750,100,10,50,2,0.1,100,";
    const std::string threaded = "thread-cutter,hss,steel,750,20,,,1,2.5,20,6";
    const std::string reamed = "reaming,hss,steel,600,20,,,0.1,0.6,10,";
    const std::string refused = ",,,,,,,";
    // Reaming with a high-speed-steel reamer: the speed, no force data, and Py and Px of 0.
    const RawResults reaming{159.23566878980893, std::nullopt, 0.0, 0.0,
                             std::nullopt,       std::nullopt};
    // Each input line (CR LF or LF, quoted or not) and what the batch writes for it: the columns
    // re-quoted only where needed; a refused row keeps its number cells empty and says why.
    const std::vector<BatchLine> lines{
        {"\xEF\xBB\xBFoperation,tool,work,H,D,z,B,t,s,v,passes\r\n",
         "operation,tool,work,H,D,z,B,t,s,v,passes,n,Pz,Py,Px,M,N,error"},
        {milled + "\r\n", milled, handWorked(faceMilling)},
        {"\"thread-cutter\",hss,steel,\"750\",20,,,1,2.5,20,6\r\n", threaded,
         handWorked(threadCutter)},
        {"thread-cutter,hss,steel,750,20,,,1,2.5,20,\n",
         "thread-cutter,hss,steel,750,20,,,1,2.5,20," + refused +
             "ВЫ НЕ ЗАДАЛИ ЧИСЛО ПРОХОДОВ РЕЗЦА!!!"},
        {"\"face,milling\",hss,steel,750,20,,,1,2.5,20,\r\n",
         "\"face,milling\",hss,steel,750,20,,,1,2.5,20," + refused +
             "\"НЕИЗВЕСТНАЯ ОПЕРАЦИЯ: face,milling!!!\""},
        {"turning,carbide,steel,750,50,,,-2,0.2,100,\r\n",
         "turning,carbide,steel,750,50,,,-2,0.2,100," + refused +
             "ЗНАЧЕНИЕ НЕ МОЖЕТ БЫТЬ ОТРИЦАТЕЛЬНЫМ!!!"},
        {reamed + "\r\n", reamed, reaming},
    };
    std::string input;
    for (const BatchLine& line : lines) {
        input += line.in;
    }
    writeFile(folder / "in.csv", input);
    const ProcessResult toStdout = run("batch {}/in.csv");
    EXPECT_EQ(toStdout.code, 1);
    expectBatchOutput(toStdout.out, lines);
    EXPECT_EQ(toStdout.err, "СТРОКА 6: НЕТ ДАННЫХ ДЛЯ РАСЧЁТА УСИЛИЙ ПРИ РАЗВЁРТЫВАНИИ ЭТИМ "
                            "ИНСТРУМЕНТОМ!!!\n");
    const ProcessResult toFile = run("batch {}/in.csv -o {}/out.csv");
    EXPECT_EQ(toFile.code, 1);
    EXPECT_EQ(toFile.out, "");
    EXPECT_EQ(readFile(folder / "out.csv"), toStdout.out);
    expectBatchOutput(readFile(folder / "out.csv"), lines);

    writeFile(folder / "good.csv",
              "v,operation,H,D,t,s,tool,work\n100,turning,750,50,2,0.2,hss,steel\n");
    EXPECT_EQ(run("batch {}/good.csv").code, 0);
}

// The text of `name`'s value in a JSON object written on one line: a number, null, a string or
// an array of strings; empty when the object has no such member.
std::string jsonMember(const std::string& json, const std::string& name) {
    const std::string key = "\"" + name + "\": ";
    const auto at = json.find(key);
    if (at == std::string::npos) {
        return {};
    }
    const auto start = at + key.size();
    const auto end =
        json[start] == '[' ? json.find(']', start) + 1 : json.find_first_of(",}", start);
    return json.substr(start, end - start);
}

// A number of the output, within `relative` of the hand-worked value (half a unit of its last
// digit); "null" for none.
void expectNumber(const std::string& text, std::optional<double> expected, double relative,
                  const std::string& name) {
    if (!expected) {
        EXPECT_EQ(text, "null") << name;
        return;
    }
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    ASSERT_TRUE(error == std::errc() && end == text.data() + text.size())
        << name << " is not a number: \"" << text << "\"";
    EXPECT_NEAR(value, *expected, relative * std::abs(*expected)) << name;
}

// Sм, To and Q of calc, worked by hand; n = 1000·v/(3,14·D) as the handbook rounds π.
TEST_F(Cli, CalcGivesTheMinuteFeedMainTimeAndRemovalRate) {
    struct Case {
        std::string arguments;
        double Sm;
        std::optional<double> To, Q;
    };
    const std::vector<Case> cases{
        // n = 318,47: Sм = 0,1·10·318,47 = 318,47 mm/min; To = 200/318,47 = 0,62800 min;
        // Q = 2·50·318,47/1000 = 31,847 cm³/min.
        {faceMilling + " L=200", 318.47133757961783, 0.62800000, 31.847133757961783},
        // No L, no main time.
        {faceMilling, 318.47133757961783, std::nullopt, 31.847133757961783},
        // n = 1000·20/(3,14·20) = 318,47; Sм = 2,5·318,47 = 796,18; six passes of 30 mm:
        // To = 180/796,18 = 0,22608 min; a thread removes no rate.
        {threadCutter + " L=30", 796.17834394904460, 0.22608, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments);
        const ProcessResult result = run("calc " + c.arguments + " --json");
        EXPECT_EQ(result.code, 0) << result.err;
        expectNumber(jsonMember(result.out, "Sm"), c.Sm, 1e-9, "Sm");
        expectNumber(jsonMember(result.out, "To"), c.To, 5e-6, "To");
        expectNumber(jsonMember(result.out, "Q"), c.Q, 1e-9, "Q");
    }
}

const std::string passportSpeeds =
    "speeds=12.5;16;20;25;31.5;40;50;63;80;100;125;160;200;250;315;400;500;630;800;1000;1250;1600";

TEST_F(Cli, RowCheckedAgainstAMachine) {
    struct Case {
        std::string arguments;
        int code;
        std::optional<double> spindlePower, load;
        std::string violations;
        std::optional<double> passportN, passportV;
    };
    const std::vector<Case> cases{
        // Nдв·η = 7.5 · 0.8; load 2.8118 / 6
        {faceMilling + " power=7.5 efficiency=0.8", 0, 6.0, 0.46863, "[]", {}, {}},
        // n = 636.94: the passport speed below is 630, v = 3.14 · 50 · 630 / 1000
        {"turning tool=carbide work=steel H=750 D=50 t=2 s=0.2 v=100 " + passportSpeeds,
         0,
         {},
         {},
         "[]",
         630.0,
         98.91},
        // A stepless drive runs at n = 1000 · 100 / (3.14 · 100) = 318.47 itself, at v as typed
        {faceMilling + " power=7.5 efficiency=0.8 nmin=50 nmax=1600", 0, 6.0, 0.46863, "[]",
         318.47133757961783, 100.0},
        // M = 52.672 N·m
        {drilling + " torque-max=50", 3, {}, {}, "[\"torque\"]", {}, {}},
        // N 2.81 > 2.5 · 0.8, M 86.04 > 50, n 318 below 400, Px 860.4 > 500, in the order of
        // the limits
        {faceMilling + " power=2.5 efficiency=0.8 torque-max=50 speeds=400;800 force-max=500",
         3,
         2.0,
         1.40590,
         "[\"power\", \"torque\", \"speed\", \"force\"]",
         {},
         {}},
    };
    for (const Case& example : cases) {
        SCOPED_TRACE(example.arguments);
        const ProcessResult result = run("calc " + example.arguments + " --json");
        EXPECT_EQ(result.code, example.code);
        EXPECT_EQ(result.err, "");
        const std::string machine = result.out.substr(result.out.find("\"machine\": {"));
        expectNumber(jsonMember(machine, "Nspindle"), example.spindlePower, 1e-12, "Nspindle");
        expectNumber(jsonMember(machine, "load"), example.load, 1.1e-5, "load");
        EXPECT_EQ(jsonMember(machine, "violations"), example.violations);
        expectNumber(jsonMember(machine, "n_passport"), example.passportN, 1e-12, "n_passport");
        expectNumber(jsonMember(machine, "v_passport"), example.passportV, 1e-12, "v_passport");
        if (example.arguments.find("nmin=") != std::string::npos) {
            EXPECT_EQ(jsonMember(machine, "n_passport"), jsonMember(result.out, "n"));
        }
    }

    // At the passport's cutting speed: Pz = 899.34 · (100 / 98.91)^0.15, N ∝ v^0.85.
    const ProcessResult passport =
        run("calc turning tool=carbide work=steel H=750 D=50 t=2 s=0.2 v=98.91 --json");
    expectNumber(jsonMember(passport.out, "Pz"), 900.82, 6e-6, "Pz");
    expectNumber(jsonMember(passport.out, "N"), 1.4559, 3.5e-5, "N");

    // Without --json the row is printed and the crossed limit said on stderr.
    const ProcessResult plain = run("calc " + drilling + " torque-max=50");
    EXPECT_EQ(plain.code, 3);
    EXPECT_NE(plain.out.find("52.672"), std::string::npos);
    EXPECT_EQ(plain.err,
              "КРУТЯЩИЙ МОМЕНТ 52.67 Н·м БОЛЬШЕ НАИБОЛЬШЕГО МОМЕНТА СТАНКА 50.00 Н·м!!!\n");
}

// The face-milling example at 0,12 mm/tooth on an R10 gearbox of 31,5…1600 rev/min and a table
// of R10 feeds 25…400 mm/min: nф = 315, Sм = 0,12·10·315 = 378 → 315 mm/min, sz = 0,1. A table
// whose feeds end at 315 is crossed by Sм = 0,12·10·318,47 = 382,17.
TEST_F(Cli, PassportFeedAndTheFeedLimit) {
    const std::string speeds = "speeds=31.5;40;50;63;80;100;125;160;200;250;315;400;500;630;800;"
                               "1000;1250;1600";
    const std::string keys = "calc face-milling tool=carbide work=steel H=750 D=100 z=10 B=50 "
                             "t=2 s=0.12 v=100 L=200 --json feed-unit=min " +
                             speeds;
    const ProcessResult chosen =
        run(keys + " feeds=25;31.5;40;50;63;80;100;125;160;200;250;315;400");
    EXPECT_EQ(chosen.code, 0) << chosen.err;
    const std::string machine = chosen.out.substr(chosen.out.find("\"machine\": {"));
    EXPECT_EQ(jsonMember(machine, "n_passport"), "315");
    EXPECT_EQ(jsonMember(machine, "s_passport"), "0.1");
    EXPECT_EQ(jsonMember(machine, "Sm_passport"), "315");
    EXPECT_EQ(jsonMember(machine, "violations"), "[]");
    // 200 mm at 0,12·10·318,47 mm/min.
    expectNumber(jsonMember(chosen.out, "To"), 200 / (1.2 * 100000 / 314), 1e-12, "To");

    const ProcessResult crossed = run(keys + " feeds=25;100;315");
    EXPECT_EQ(crossed.code, 3);
    EXPECT_EQ(jsonMember(crossed.out, "violations"), "[\"feed\"]");
    EXPECT_EQ(jsonMember(crossed.out, "s_passport"), "0.1");
    const ProcessResult none = run(keys + " feeds=400;500");
    EXPECT_EQ(jsonMember(none.out, "s_passport"), "null");
    EXPECT_EQ(jsonMember(none.out, "Sm_passport"), "null");
}

TEST_F(Cli, LargestFeedAndSpeedTheMachineAllows) {
    struct Case {
        std::string arguments;
        int code;
        std::optional<double> value;
        std::string bound;
        std::string text; // stdout, or stderr when no value keeps the limit
    };
    const std::string faceMachine = faceMilling + " power=7.5 efficiency=0.8";
    const std::vector<Case> cases{
        // N ∝ s^0.75: s = 0.1 · (6 / 2.8118)^(1 / 0.75)
        {faceMachine + " --vary s", 0, 0.274718, "\"power\"",
         "НАИБОЛЬШАЯ ПОДАЧА 0.274 мм/зуб, ЕЁ ОГРАНИЧИВАЕТ МОЩНОСТЬ НА ШПИНДЕЛЕ.\n"},
        // N ∝ Pz·v ∝ v^0.8
        {faceMachine + " --vary v", 0, 257.904, "\"power\"",
         "НАИБОЛЬШАЯ СКОРОСТЬ РЕЗАНИЯ 257.9 м/мин, ЕЁ ОГРАНИЧИВАЕТ МОЩНОСТЬ НА ШПИНДЕЛЕ.\n"},
        // M ∝ s^0.8: s = 0.3 · (50 / 52.672)^(1 / 0.8)
        {drilling + " torque-max=50 --vary s", 0, 0.281102, "\"torque\"",
         "НАИБОЛЬШАЯ ПОДАЧА 0.281 мм/об, ЕЁ ОГРАНИЧИВАЕТ НАИБОЛЬШИЙ МОМЕНТ СТАНКА.\n"},
        // The drill's torque does not depend on v, and 52.672 N·m is too much at every speed.
        {drilling + " torque-max=50 --vary v",
         3,
         {},
         "\"torque\"",
         "НИ ПРИ КАКОЙ СКОРОСТИ РЕЗАНИЯ НЕ СОБЛЮДАЕТСЯ ОГРАНИЧЕНИЕ: НАИБОЛЬШИЙ МОМЕНТ СТАНКА!!!\n"
         "КРУТЯЩИЙ МОМЕНТ НЕ ЗАВИСИТ ОТ СКОРОСТИ РЕЗАНИЯ.\n"},
        // Nor does its thrust, which the machine takes: nothing bounds the speed.
        {drilling + " force-max=9000 --vary v",
         0,
         {},
         "null",
         "СКОРОСТЬ РЕЗАНИЯ НЕ ОГРАНИЧЕНА НИ ОДНИМ ПРЕДЕЛОМ СТАНКА.\n"
         "СИЛА ПОДАЧИ НЕ ЗАВИСИТ ОТ СКОРОСТИ РЕЗАНИЯ.\n"},
        // 1e-4 kW at the spindle is reached at s = 1.17e-7 and v = 2.7e-4: 0 as the boxes take
        // them, so no feed or speed keeps it.
        {faceMilling + " power=0.01 efficiency=0.01 --vary s",
         3,
         {},
         "\"power\"",
         "НИ ПРИ КАКОЙ ПОДАЧЕ НЕ СОБЛЮДАЕТСЯ ОГРАНИЧЕНИЕ: МОЩНОСТЬ НА ШПИНДЕЛЕ!!!\n"},
        {faceMilling + " power=0.01 efficiency=0.01 --vary v",
         3,
         {},
         "\"power\"",
         "НИ ПРИ КАКОЙ СКОРОСТИ РЕЗАНИЯ НЕ СОБЛЮДАЕТСЯ ОГРАНИЧЕНИЕ: МОЩНОСТЬ НА ШПИНДЕЛЕ!!!\n"},
        // 10 000 kW only at s = 5429 mm/tooth, beyond any real cut.
        {faceMilling + " power=10000 efficiency=1 --vary s",
         0,
         {},
         "null",
         "ПОДАЧА ДО 100 мм/зуб НЕ ОГРАНИЧЕНА НИ ОДНИМ ПРЕДЕЛОМ СТАНКА.\n"},
    };
    for (const Case& example : cases) {
        SCOPED_TRACE(example.arguments);
        const ProcessResult json = run("limit " + example.arguments + " --json");
        EXPECT_EQ(json.code, example.code);
        EXPECT_EQ(json.err, "");
        EXPECT_EQ(json.out.find("{\"operation\": \"" + words(example.arguments)[0] +
                                "\", \"vary\": \"" + example.arguments.back() + "\", "),
                  0u)
            << json.out;
        expectNumber(jsonMember(json.out, "value"), example.value, 2e-6, "value");
        EXPECT_EQ(jsonMember(json.out, "bound"), example.bound);

        const ProcessResult plain = run("limit " + example.arguments);
        EXPECT_EQ(plain.code, example.code);
        EXPECT_EQ(example.code == 3 ? plain.err : plain.out, example.text);
        EXPECT_EQ(example.code == 3 ? plain.out : plain.err, "");
    }
}

TEST_F(Cli, MachineOfTheLibraryAndADamagedLibrary) {
    writeFile(folder / "machines.json",
              R"({"machines": [{"name": "6Р12", "power": 7.5, "efficiency": 0.8,
                  "speeds": [31.5, 40, 50, 63, 80, 100, 125, 160, 200, 250, 315, 400]}]})");
    const std::string library = " --machines {}/machines.json";
    const ProcessResult found = run("calc " + faceMilling + " --machine 6Р12 --json" + library);
    EXPECT_EQ(found.code, 0) << found.err;
    EXPECT_NE(found.out.find("\"machine\": {\"Nspindle\": 6, \"load\": 0.46863"), std::string::npos)
        << found.out;
    EXPECT_NE(found.out.find("\"n_passport\": 315,"), std::string::npos) << found.out;
    const ProcessResult missing =
        run("limit " + faceMilling + " --machine 1К62 --vary s" + library);
    EXPECT_EQ(missing.code, 1);
    EXPECT_EQ(missing.err,
              "В ФАЙЛЕ СТАНКОВ " + (folder / "machines.json").string() + " НЕТ СТАНКА «1К62»!!!\n");

    writeFile(folder / "machines.json", "{\"machines\": [");
    const ProcessResult damaged = run("calc " + faceMilling + " --machine 6Р12" + library);
    EXPECT_EQ(damaged.code, 1);
    EXPECT_EQ(damaged.out, "");
    EXPECT_EQ(damaged.err.find("ФАЙЛ СТАНКОВ " + (folder / "machines.json").string() + " ИСПОРЧЕН"),
              0u)
        << damaged.err;
    // The file named on the command line is the user's: it stays as it is, where it is.
    EXPECT_EQ(readFile(folder / "machines.json"), "{\"machines\": [");
    EXPECT_FALSE(fs::exists(folder / "machines.json.damaged"));
}

TEST_F(Cli, ALibraryThatIsNotAReadableFileIsRefusedWithoutCrashOrHang) {
    writeFile(folder / "notes.md", "# Станки цеха\n");
    fs::create_directory(folder / "folder");
    ASSERT_EQ(mkfifo((folder / "pipe").c_str(), 0644), 0);
    const struct {
        const char* file;
        int code;
        std::string message;
    } cases[] = {
        {"notes.md", 1, " ИСПОРЧЕН (ЭТО НЕ ТЕКСТ JSON)!!!\n"},
        {"folder", 2, ": ЭТО ПАПКА!!!\nСправка: rezhim-cli --help\n"},
        {"pipe", 2, ": ЭТО НЕ ОБЫЧНЫЙ ФАЙЛ!!!\nСправка: rezhim-cli --help\n"},
    };
    for (const auto& c : cases) {
        const ProcessResult result =
            run("calc " + faceMilling + " --machine 6Р12 --machines {}/" + c.file);
        const std::string path = (folder / c.file).string();
        EXPECT_EQ(result.code, c.code) << c.file;
        EXPECT_EQ(result.err, (c.code == 1 ? "ФАЙЛ СТАНКОВ " + path
                                           : "НЕ УДАЁТСЯ ПРОЧИТАТЬ ФАЙЛ СТАНКОВ " + path) +
                                  c.message);
        EXPECT_EQ(result.out, "");
        EXPECT_FALSE(fs::exists(path + ".damaged")) << c.file;
    }
    EXPECT_EQ(readFile(folder / "notes.md"), "# Станки цеха\n");
    EXPECT_TRUE(fs::is_fifo(folder / "pipe"));
}

// The cutting speed of a coefficient row: v = Cv·D^q / (T^m·t^x·s^y·B^u·z^p)·Kv, n = 1000·v /
// (3,14·D), each worked by hand from the handbook's row.
const std::string drillingRow =
    "drilling tool=hss work=steel H=750 D=11.5 s=0.25 Cv=7 q=0.4 y=0.7 m=0.2 T=45 Kmv=0.51";
const std::string faceMillingRow = "face-milling tool=hss work=steel H=750 D=100 z=10 B=48 t=1 "
                                   "s=0.15 Cv=41 q=0.25 x=0.1 y=0.4 u=0.15 p=0 m=0.2 T=180";

// The library of the examples below: a drill's rows on each side of the feed 0,2 mm/rev, a drill
// in cast iron with the law (190/HB)^nv, and a reamer.
const std::string speedRows = R"({"rows": [
  {"name": "Сверло s до 0,2", "operations": ["drilling"], "tool": "hss", "work": "steel",
   "Cv": 7, "q": 0.4, "y": 0.7, "m": 0.2, "T": 45, "Kg": 1, "nv": 0.9, "s-to": 0.2},
  {"name": "Сверло s св. 0,2", "operations": ["drilling", "reaming"], "tool": "hss",
   "work": "steel", "Cv": 9.8, "q": 0.4, "y": 0.5, "m": 0.2, "T": 45, "Kmv": 0.51, "s-from": 0.2},
  {"name": "Чугун", "operations": ["drilling"], "tool": "hss", "work": "cast-iron",
   "Cv": 14.7, "q": 0.25, "y": 0.55, "m": 0.125, "T": 75, "nv": 1.3},
  {"name": "Развёртка", "operations": ["reaming"], "tool": "hss", "work": "steel", "Cv": 10.5,
   "q": 0.3, "y": 0.65, "m": 0.4, "T": 60, "Kmv": 1, "D-from": 20}]})";

TEST_F(Cli, SpeedOfACoefficientRow) {
    writeFile(folder / "speeds.json", speedRows);
    const std::string steel =
        "drilling tool=hss work=steel H=750 D=11.5 s=0.25 --data {}/speeds.json";
    const std::string castIron =
        "drilling tool=hss work=cast-iron H=200 D=11.5 s=0.15 --data {}/speeds.json";
    const std::string speeds = " speeds=100;200;400;800";
    struct Case {
        std::string arguments;
        std::string row, T, Kmv; // Kmv is Kv too: no row here gives another factor
        double v, n;
        std::optional<double> passportN, passportV; // with a machine
        std::string text;                           // the line for reading
        std::string err;                            // why another row gave no speed
    };
    const std::vector<Case> cases{
        // 7·11,5^0,4 / (45^0,2·0,25^0,7)·0,51 = 11,688; 1000·11,688 / (3,14·11,5) = 323,68.
        {drillingRow, "командная строка", "45", "0.51", 11.688178714634, 323.68260079298,
         std::nullopt, std::nullopt, "командная строка  45  0.510  11.688   323.68", ""},
        // 41·100^0,25 / (180^0,2·1^0,1·0,15^0,4·48^0,15·10^0) = 54,84; n = 174,65; the passport
        // speed below is 100, 3,14·100·100 / 1000 = 31,4.
        {faceMillingRow + speeds, "командная строка", "180", "1", 54.841164301060, 174.65338949382,
         100.0, 31.4, "командная строка  180  1.000  54.841  174.65  100.00  31.400", ""},
        // Of the library's rows for an HSS drill in steel only the one above 0,2 mm/rev fits:
        // 9,8·11,5^0,4 / (45^0,2·0,25^0,5)·0,51 = 12,401; n = 343,43.
        {steel, "Сверло s св. 0,2", "45", "0.51", 12.40117627707404, 343.42775621916473,
         std::nullopt, std::nullopt, "Сверло s св. 0,2  45  0.510  12.401  343.43",
         "s = 0.25 ВНЕ ПОЛОСЫ СТРОКИ «Сверло s до 0,2»: ДО 0.2!!!\n"},
        // A reamer of 25 mm at 0,8 mm/rev: of the two rows for it the one named, at a tool life
        // of 90 min, 10,5·25^0,3 / (90^0,4·0,8^0,65) = 5,2707 m/min; n = 67,142.
        {"reaming tool=hss work=steel H=750 D=25 t=0.15 s=0.8 --data {}/speeds.json --row "
         "Развёртка T=90",
         "Развёртка", "90", "1", 5.2706697662398545, 67.14229001579433, std::nullopt, std::nullopt,
         "Развёртка  90  1.000  5.271  67.14", ""},
        // Cast iron of 200 HB: Kmv = (190/200)^1,3 = 0,93549; 14,7·11,5^0,25 / (75^0,125·
        // 0,15^0,55)·0,93549 = 41,908; n = 1160,57, on the passport 800, 3,14·11,5·800 / 1000.
        {castIron + speeds, "Чугун", "75", "0.9354933117266963", 41.908260162640, 1160.5721451853,
         800.0, 28.888, "Чугун  75  0.935  41.908  1160.57  800.00  28.888", ""},
        // A machine that cannot turn as slowly as n has no passport speed for it.
        {drillingRow + " nmin=400 nmax=2000", "командная строка", "45", "0.51", 11.688178714634,
         323.68260079298, std::nullopt, std::nullopt,
         "командная строка  45  0.510  11.688  323.68  —  —", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments);
        const bool machine = c.arguments.find("speeds=") != std::string::npos ||
                             c.arguments.find("nmin=") != std::string::npos;
        const ProcessResult json = run("speed " + c.arguments + " --json");
        EXPECT_EQ(json.code, 0) << json.err;
        EXPECT_EQ(json.err, c.err);
        EXPECT_EQ(json.out.find("{\"operation\": \"" +
                                c.arguments.substr(0, c.arguments.find(' ')) + "\", \"row\": \"" +
                                c.row + "\", \"T\": " + c.T + ", \"Kmv\": " + c.Kmv +
                                ", \"Kv\": " + c.Kmv + ", \"v\": "),
                  0u)
            << json.out;
        EXPECT_EQ(std::count(json.out.begin(), json.out.end(), '\n'), 1);
        expectNumber(jsonMember(json.out, "v"), c.v, 1e-12, "v");
        expectNumber(jsonMember(json.out, "n"), c.n, 1e-12, "n");
        if (machine) {
            expectNumber(jsonMember(json.out, "n_passport"), c.passportN, 1e-12, "n_passport");
            expectNumber(jsonMember(json.out, "v_passport"), c.passportV, 1e-12, "v_passport");
        } else {
            EXPECT_EQ(json.out.find("passport"), std::string::npos);
        }
        const ProcessResult text = run("speed " + c.arguments);
        EXPECT_EQ(text.code, 0);
        EXPECT_EQ(text.err, c.err);
        const auto lineEnd = text.out.find('\n');
        EXPECT_EQ(words(text.out.substr(0, lineEnd)),
                  words(std::string("СТРОКА T, мин Kv v, м/мин n, об/мин") +
                        (machine ? " nф, об/мин vф, м/мин" : "")));
        EXPECT_EQ(words(text.out.substr(lineEnd + 1)), words(c.text));
    }
}

// What gives no speed says why on stderr, writes nothing on stdout and leaves the library file as
// it was: a typed row's data and the call's form are a wrong call, a calculation refused or no
// row of the library that fits a refusal.
TEST_F(Cli, SpeedRefusals) {
    writeFile(folder / "speeds.json", speedRows);
    writeFile(folder / "damaged.json", "{\"rows\": [");
    const std::string drill = "speed drilling tool=hss work=steel H=750 D=11.5 s=0.25 ";
    const std::string typed = drill + "q=0.4 y=0.7 m=0.2 T=45 ";
    const std::string library = drill + "--data {}/speeds.json ";
    const std::string path = (folder / "speeds.json").string();
    const std::vector<std::tuple<std::string, int, std::string>> cases{
        {typed, 2, "СТРОКА «командная строка»: НЕ ЗАДАН КОЭФФИЦИЕНТ Cv!!!\n"},
        {typed + "Cv=0", 2,
         "СТРОКА «командная строка»: ЗНАЧЕНИЕ Cv ВНЕ ПРЕДЕЛОВ: БОЛЬШЕ 0 И НЕ БОЛЬШЕ 100000!!!\n"},
        {drill + "Cv=7 y=0.7 T=0", 2,
         "СТРОКА «командная строка»: ЗНАЧЕНИЕ T ВНЕ ПРЕДЕЛОВ: ОТ 1 ДО 100000 мин!!!\n"},
        {drill + "Cv=7 y=0.7", 2, "СТРОКА «командная строка»: НЕ ЗАДАН ПЕРИОД СТОЙКОСТИ T!!!\n"},
        {drill + "Cv=7 y=5.5 T=45", 2,
         "СТРОКА «командная строка»: ЗНАЧЕНИЕ y ВНЕ ПРЕДЕЛОВ: ОТ -5 ДО 5!!!\n"},
        {typed + "Cv=7 Kmv=0.51 nv=0.9", 2,
         "СТРОКА «командная строка»: Kmv ЗАДАЁТСЯ ВМЕСТО Kg И nv, А НЕ ВМЕСТЕ С НИМИ!!!\n"},
        // 100000·11,5^5 / 45^0,2 m/min is no speed a tool cuts at.
        {drill + "Cv=1e5 q=5 m=0.2 T=45", 2,
         "СТРОКА «командная строка»: СКОРОСТЬ РЕЗАНИЯ ПО ЭТОЙ СТРОКЕ ВНЕ ПРЕДЕЛОВ ОТ 0,01 ДО "
         "100000 м/мин!!!\n"},
        {typed + "Cv=7,5", 2, "НЕВЕРНОЕ ЧИСЛО: Cv=7,5!!!\n"},
        {typed + "Cv=7 q=0.5", 2, "ПАРАМЕТР ЗАДАН ДВАЖДЫ: q!!!\n"},
        // A band is the library's: on the command line it is no key.
        {typed + "Cv=7 s-to=0.3", 2, "НЕИЗВЕСТНЫЙ ПАРАМЕТР: s-to!!!\n"},
        {typed + "Cv=7 v=20", 2,
         "СКОРОСТЬ РЕЗАНИЯ v НЕ ЗАДАЁТСЯ: ЕЁ РАССЧИТЫВАЕТ КОМАНДА speed!!!\n"},
        {typed + "Cv=7 --row Чугун", 2,
         "ЗАДАЙТЕ СТРОКУ КОЭФФИЦИЕНТОВ ЛИБО КЛЮЧАМИ, ЛИБО ИЗ БИБЛИОТЕКИ (--row, --data)!!!\n"},
        {library + "T=0", 2, "ПЕРИОД СТОЙКОСТИ T ВНЕ ПРЕДЕЛОВ: ОТ 1 ДО 100000 мин!!!\n"},
        {library + "--row", 2, "НЕ ЗАДАНО ИМЯ СТРОКИ ПОСЛЕ КЛЮЧА --row!!!\n"},
        {drill + "--data {}/missing.json", 2,
         "НЕ УДАЁТСЯ ПРОЧИТАТЬ ФАЙЛ: " + (folder / "missing.json").string() + "!!!\n"},
        {drill + "--data {}", 2,
         "НЕ УДАЁТСЯ ПРОЧИТАТЬ ФАЙЛ КОЭФФИЦИЕНТОВ СКОРОСТИ " + folder.string() +
             ": ЭТО ПАПКА!!!\n"},
        // The calculation's keys are refused as calc refuses them.
        {"speed drilling tool=hss work=steel H=750 D=-11.5 s=0.25 Cv=7 T=45", 1,
         "ЗНАЧЕНИЕ НЕ МОЖЕТ БЫТЬ ОТРИЦАТЕЛЬНЫМ!!!\n"},
        {"speed drilling tool=hss work=steel H=750 D=11.5 Cv=7 T=45", 1,
         "ВЫ НЕ ЗАДАЛИ ПОДАЧУ!!!\n"},
        {"speed drilling work=steel H=750 D=11.5 s=0.25 Cv=7 T=45", 1,
         "ВЫ НЕ ВЫБРАЛИ ТИП МАТЕРИАЛА ИНСТРУМЕНТА!!!\n"},
        {"speed drill tool=hss", 2, "НЕИЗВЕСТНАЯ ОПЕРАЦИЯ: drill!!!\n"},
        // Which band or which choice leaves the library without a speed.
        {"speed reaming tool=hss work=steel H=750 D=11.5 t=0.1 s=0.15 --data {}/speeds.json", 1,
         "s = 0.15 ВНЕ ПОЛОСЫ СТРОКИ «Сверло s св. 0,2»: СВ. 0.2!!!\n"
         "D = 11.5 ВНЕ ПОЛОСЫ СТРОКИ «Развёртка»: СВ. 20!!!\n"},
        {library + "--row Нет", 1,
         "В ФАЙЛЕ КОЭФФИЦИЕНТОВ СКОРОСТИ " + path + " НЕТ СТРОКИ «Нет»!!!\n"},
        {library + "--row Чугун", 1,
         "СТРОКА «Чугун» НЕ ДЛЯ ОПЕРАЦИИ drilling С tool=hss И work=steel!!!\n"},
        {"speed turning tool=carbide work=steel H=750 D=50 t=2 s=0.2 --data {}/speeds.json", 1,
         "В ФАЙЛЕ КОЭФФИЦИЕНТОВ СКОРОСТИ " + path +
             " НЕТ СТРОК ДЛЯ ОПЕРАЦИИ turning С tool=carbide И work=steel!!!\n"},
        {drill + "--data {}/damaged.json", 1,
         "ФАЙЛ КОЭФФИЦИЕНТОВ СКОРОСТИ " + (folder / "damaged.json").string() + " ИСПОРЧЕН"},
    };
    for (const auto& [arguments, code, message] : cases) {
        const ProcessResult result = run(arguments);
        EXPECT_EQ(result.code, code) << arguments;
        EXPECT_EQ(result.out, "") << arguments;
        const std::string help = code == 2 ? "Справка: rezhim-cli --help\n" : "";
        if (message.back() == '\n') {
            EXPECT_EQ(result.err, message + help) << arguments;
        } else {
            EXPECT_EQ(result.err.find(message), 0u) << arguments << "\n" << result.err;
        }
    }
    // The library is only read: a file named on the command line stays as it is, where it is.
    EXPECT_EQ(readFile(folder / "speeds.json"), speedRows);
    EXPECT_EQ(readFile(folder / "damaged.json"), "{\"rows\": [");
    EXPECT_FALSE(fs::exists(folder / "damaged.json.damaged"));
}

TEST_F(Cli, BatchChecksEveryRowAgainstTheMachine) {
    const std::string turned = "turning,carbide,steel,750,50,,,2,0.2,100,";
    const std::string milled = "face-milling,carbide,steel,750,100,10,50,2,0.1,100,";
    const std::string threaded = "thread-cutter,hss,steel,750,20,,,1,2.5,20,";
    writeFile(folder / "in.csv",
              "operation,tool,work,H,D,z,B,t,s,v,passes\n" + turned + "\n" + milled + "\n");
    // Nдв·η = 2: the turning row loads it to 1.4695 / 2 and keeps every limit; the milling row
    // takes 2.81 kW and 86.04 N·m.
    const std::string machine = " power=2.5 efficiency=0.8 torque-max=50";
    const ProcessResult crossed = run("batch {}/in.csv" + machine);
    EXPECT_EQ(crossed.code, 3) << crossed.err;
    const auto lines = [](const std::string& text) {
        std::vector<std::string> out;
        for (std::size_t at = 0; at < text.size(); at = text.find('\n', at) + 1) {
            out.push_back(text.substr(at, text.find('\n', at) - at));
        }
        return out;
    };
    // What follows the six raw results, which BatchMixesOperations… checks.
    const auto checked = [](const std::string& line, std::size_t columns) {
        std::size_t at = 0;
        for (std::size_t i = 0; i < columns + 6; ++i) {
            at = line.find(',', at) + 1;
        }
        return line.substr(at);
    };
    const std::vector<std::string> written = lines(crossed.out);
    ASSERT_EQ(written.size(), 3u) << crossed.out;
    EXPECT_EQ(written[0], "operation,tool,work,H,D,z,B,t,s,v,passes,n,Pz,Py,Px,M,N,Nspindle,load,"
                          "violations,error");
    EXPECT_EQ(checked(written[1], 11), "2," + shortest(1.469509252878778 / 2) + ",,");
    EXPECT_EQ(checked(written[2], 11), "2," + shortest(2.8118066677283173 / 2) + ",power;torque,");

    // A refused row outweighs a crossed limit.
    writeFile(folder / "in.csv",
              "operation,tool,work,H,D,z,B,t,s,v,passes\n" + milled + "\n" + threaded + "\n");
    const ProcessResult refused = run("batch {}/in.csv" + machine);
    EXPECT_EQ(refused.code, 1);
    EXPECT_EQ(lines(refused.out).back(),
              threaded + ",,,,,,,,,,ВЫ НЕ ЗАДАЛИ ЧИСЛО ПРОХОДОВ РЕЗЦА!!!");
}

TEST_F(Cli, ReportIsWhatTheWindowSavesByteForByte) {
    writeFile(folder / "in.csv", "tool,work,H,D,z,B,t,s,v\r\n"
                                 "carbide,steel,750,100,10,50,2,0.1,100\r\n"
                                 "carbide,steel,750,100,10,50,2,0.1,100\r\n");
    const std::string heading = "Фрезерование торцовыми фрезами\r\n"
                                "номеринстр-тзаг-каs, мм/зубv, м/минt, ммD фр, ммВ фр, ммZ фрPz, "
                                "HPy, HPx, HM, HмN, кВтn, об/мин\r\n";
    for (const auto& [flag, rows] : std::vector<std::pair<std::string, std::string>>{
             {"", "1ТCсталь0.1100210050101720.8688.3860.486.0412.812318\r\n"
                  "2ТCсталь0.1100210050101720.8688.3860.486.0412.812318\r\n"},
             {" --comma", "1ТCсталь0,1100210050101720,8688,3860,486,0412,812318\r\n"
                          "2ТCсталь0,1100210050101720,8688,3860,486,0412,812318\r\n"},
             {" --format report", "1ТCсталь0.1100210050101720.8688.3860.486.0412.812318\r\n"
                                  "2ТCсталь0.1100210050101720.8688.3860.486.0412.812318\r\n"}}) {
        const ProcessResult result = run("report face-milling {}/in.csv -o {}/report.txt" + flag);
        EXPECT_EQ(result.code, 0) << result.err;
        EXPECT_EQ(readFile(folder / "report.txt"), toWindows1251(heading + rows).value());
    }

    writeFile(folder / "bad.csv", "tool,work,H,D,z,B,t,s,v\n"
                                  "carbide,steel,750,100,10,50,2,0.1,100\n"
                                  "carbide,steel,750,100,10,50,0,0.1,100\n");
    const ProcessResult refused = run("report face-milling {}/bad.csv -o {}/bad.txt");
    EXPECT_EQ(refused.code, 1);
    EXPECT_EQ(refused.err, "СТРОКА 2: ВЫ НЕ ЗАДАЛИ ГЛУБИНУ ФРЕЗЕРОВАНИЯ!!!\n");
    EXPECT_FALSE(fs::exists(folder / "bad.txt"));

    // Past the 32 767 rows of a 16-bit counter: row 32 768 is numbered as such.
    std::string many = "tool,work,H,D,z,B,t,s,v\n";
    for (int row = 0; row < 32769; ++row) {
        many += "carbide,steel,750,100,10,50,2,0.1,100\n";
    }
    writeFile(folder / "many.csv", many);
    const ProcessResult longReport = run("report face-milling {}/many.csv -o {}/many.txt");
    EXPECT_EQ(longReport.code, 0) << longReport.err;
    const std::string longText = readFile(folder / "many.txt");
    EXPECT_EQ(std::count(longText.begin(), longText.end(), '\n'), 32769 + 2);
    EXPECT_NE(longText.find("\r\n32768\xD2"
                            "C"),
              std::string::npos);
}

TEST_F(Cli, ReportAsCsvIsWhatTheWindowExportsByteForByte) {
    writeFile(folder / "in.csv", "tool,work,H,D,z,B,t,s,v\n"
                                 "carbide,steel,750,100,10,50,2,0.1,100\n");
    const std::string bom = "\xEF\xBB\xBF";
    // After the grid's columns: Sм = 0,1·10·318,47 = 318,47 mm/min, no To without L,
    // Q = 2·50·318,47/1000 = 31,847 cm³/min, and H.
    const std::string commaHeadings = "номер;инстр-т;заг-ка;s, мм/зуб;v, м/мин;t, мм;D фр, мм;"
                                      "В фр, мм;Z фр;Pz, H;Py, H;Px, H;M, Hм;N, кВт;n, об/мин;"
                                      "Sм, мм/мин;To, мин;Q, см³/мин;H, МПа/HB";
    const std::string commaRow =
        "1;ТC;сталь;0,1;100;2;100;50;10;1720,8;688,3;860,4;86,041;2,812;318;318,47;;31,847;750";
    const std::vector<std::tuple<std::string, int, std::string>> cases{
        // ";" between the cells under a decimal comma; no heading holds one.
        {" --comma", 0, bom + commaHeadings + "\r\n" + commaRow + "\r\n"},
        // "," between them with points: the headings with a comma in them are quoted.
        {"", 0,
         bom +
             "номер,инстр-т,заг-ка,\"s, мм/зуб\",\"v, м/мин\",\"t, мм\",\"D фр, мм\",\"В фр, мм\","
             "Z фр,\"Pz, H\",\"Py, H\",\"Px, H\",\"M, Hм\",\"N, кВт\",\"n, об/мин\","
             "\"Sм, мм/мин\",\"To, мин\",\"Q, см³/мин\",\"H, МПа/HB\"\r\n"
             "1,ТC,сталь,0.1,100,2,100,50,10,1720.8,688.3,860.4,86.041,2.812,318,318.47,,31.847,750"
             "\r\n"},
        // Nдв·η = 2.5 · 0.8; N 2.812 / 2 = 141 %; M 86.04 > 50 N·m: the row is beyond the machine.
        {" --comma power=2.5 efficiency=0.8 torque-max=50", 3,
         bom + commaHeadings + ";N шп, кВт;загрузка, %;превышено\r\n" + commaRow +
             ";2,00;141;мощность, момент\r\n"},
    };
    for (const auto& [flags, code, bytes] : cases) {
        SCOPED_TRACE(flags);
        const ProcessResult result =
            run("report face-milling {}/in.csv -o {}/table.csv --format csv" + flags);
        EXPECT_EQ(result.code, code) << result.err;
        EXPECT_EQ(readFile(folder / "table.csv"), bytes);
    }
}

// The text in `text` after the first `from` up to the first `to` after it.
std::string between(const std::string& text, const std::string& from, const std::string& to) {
    const auto start = text.find(from);
    if (start == std::string::npos) {
        return {};
    }
    const auto end = text.find(to, start + from.size());
    return text.substr(start + from.size(),
                       end == std::string::npos ? end : end - start - from.size());
}

TEST_F(Cli, SweepPointsAreTheRowsCalcComputesThere) {
    const std::string machine = " power=7.5 efficiency=0.8 torque-max=100 " + passportSpeeds;
    // The keys without the varied one, which is checked at the larger end of the range.
    const std::vector<std::pair<std::string, std::string>> cases{
        // Feeds such as 0.05 + 0.35 · 3 / 7, no one would type: the sweep's own doubles; M
        // crosses 100 N·m from s = 0.15 on.
        {"face-milling tool=carbide work=steel H=750 D=100 z=10 B=50 t=2 v=100", "s=0.05:0.4:8"},
        // The drill's depth follows its diameter, and at D = 0 calc names the empty depth.
        {"drilling tool=hss work=steel H=750 s=0.3 v=25", "D=0:40:5"},
        // Zero passes and zero teeth, which the windows ask for and calc refuses.
        {"thread-cutter tool=hss work=steel H=750 D=20 t=1 s=2.5 v=20", "passes=0:6:3"},
        {"disc-milling tool=hss work=steel H=750 D=100 B=10 t=5 s=0.05 v=30", "z=0:20:3"},
    };
    for (const auto& [keys, vary] : cases) {
        SCOPED_TRACE(keys + " --vary " + vary);
        const std::string key = vary.substr(0, vary.find('='));
        const ProcessResult sweep = run("sweep " + keys + machine + " --vary " + vary + " --json");
        EXPECT_EQ(sweep.err, "");
        std::istringstream lines(sweep.out);
        int points = 0;
        int code = 0; // a refused point outweighs a crossed limit, as in batch
        for (std::string line; std::getline(lines, line); ++points) {
            const std::string x = between(line, "{\"" + key + "\": ", ",");
            const ProcessResult calc =
                run("calc " + keys + " " + key + "=" + x + machine + " --json");
            SCOPED_TRACE(line + "\n" + calc.out + calc.err);
            if (calc.code == 1) {
                code = 1;
                EXPECT_EQ(line, "{\"" + key + "\": " + x +
                                    ", \"n\": null, \"Pz\": null, \"Py\": null, \"Px\": null, "
                                    "\"M\": null, \"N\": null, \"error\": \"" +
                                    calc.err.substr(0, calc.err.size() - 1) + "\"}");
                continue;
            }
            ASSERT_NE(calc.out, "");
            code = code == 0 ? calc.code : code;
            EXPECT_EQ(between(line, ", \"n\": ", ", \"machine\""),
                      between(calc.out, ", \"n\": ", ", \"t\""));
            EXPECT_EQ(between(line, "\"machine\": ", "}"), between(calc.out, "\"machine\": ", "}"));
        }
        EXPECT_EQ(std::to_string(points), vary.substr(vary.rfind(':') + 1));
        EXPECT_EQ(sweep.code, code);
    }
}

TEST_F(Cli, SweepWritesTheColumnsOfBatch) {
    const std::string keys = "face-milling tool=carbide work=steel H=750 D=100 z=10 B=50 t=2 v=100";
    const std::string refused = "0,,,,,,,ВЫ НЕ ЗАДАЛИ ПОДАЧУ!!!";
    const ProcessResult plain = run("sweep " + keys + " --vary s=0:0.1:2");
    EXPECT_EQ(plain.code, 1);
    expectBatchOutput(
        plain.out,
        {{"", "s,n,Pz,Py,Px,M,N,error"}, {"", refused}, {"", "0.1", handWorked(faceMilling)}});

    // Nдв·η = 2: the load 2.8118 / 2 crosses the power; the refused point has no check.
    const ProcessResult checked =
        run("sweep " + keys + " --vary s=0:0.1:2 power=2.5 efficiency=0.8");
    EXPECT_EQ(checked.code, 1);
    std::istringstream lines(checked.out);
    std::string header, first, second;
    std::getline(lines, header);
    std::getline(lines, first);
    std::getline(lines, second);
    EXPECT_EQ(header, "s,n,Pz,Py,Px,M,N,Nspindle,load,violations,error");
    EXPECT_EQ(first, "0,,,,,,,,,,ВЫ НЕ ЗАДАЛИ ПОДАЧУ!!!");
    EXPECT_TRUE(second.ends_with(",2," + shortest(2.8118066677283173 / 2) + ",power,")) << second;
    EXPECT_EQ(run("sweep " + keys + " --vary s=0.1:0.2:2 power=2.5 efficiency=0.8").code, 3);
}

// Sm,To,Q follow N only when a working travel is given: scripts reading the older columns see them
// unchanged otherwise. At 0,1 mm/tooth over 200 mm: 318,47 mm/min, 0,628 min, 31,847 cm³/min.
TEST_F(Cli, TheFeedRateColumnsComeWithATravel) {
    const std::string keys =
        "face-milling tool=carbide work=steel H=750 D=100 z=10 B=50 t=2 v=100 L=200";
    const double Sm = 0.1 * 10 * 1000 * 100 / (3.14 * 100);
    const std::string rates =
        "," + shortest(Sm) + "," + shortest(200 / Sm) + "," + shortest(2 * 50 * Sm / 1000) + ",";
    const ProcessResult swept = run("sweep " + keys + " --vary s=0:0.1:2");
    std::istringstream lines(swept.out);
    std::string header, first, second;
    std::getline(lines, header);
    std::getline(lines, first);
    std::getline(lines, second);
    EXPECT_EQ(header, "s,n,Pz,Py,Px,M,N,Sm,To,Q,error");
    EXPECT_EQ(first, "0,,,,,,,,,,ВЫ НЕ ЗАДАЛИ ПОДАЧУ!!!");
    EXPECT_TRUE(second.ends_with(rates)) << second;

    writeFile(folder / "travel.csv", "operation,tool,work,H,D,z,B,t,s,v,L\n"
                                     "face-milling,carbide,steel,750,100,10,50,2,0.1,100,200\n"
                                     "face-milling,carbide,steel,750,100,10,50,2,0.1,100,\n");
    const ProcessResult batch = run("batch " + (folder / "travel.csv").string());
    std::istringstream rows(batch.out);
    std::getline(rows, header);
    std::getline(rows, first);
    std::getline(rows, second);
    EXPECT_EQ(header, "operation,tool,work,H,D,z,B,t,s,v,L,n,Pz,Py,Px,M,N,Sm,To,Q,error");
    EXPECT_TRUE(first.ends_with(rates)) << first;
    // An empty L is no travel: no main time.
    EXPECT_TRUE(second.ends_with("," + shortest(Sm) + ",," + shortest(2 * 50 * Sm / 1000) + ","))
        << second;
}

TEST_F(Cli, HelpAndVersion) {
    const ProcessResult help = run("--help");
    EXPECT_EQ(help.code, 0);
    for (const Operation& operation : operations) {
        EXPECT_NE(help.out.find("  " + std::string(operation.name) + " "), std::string::npos);
    }
    for (const char* text : {"tool=hss|carbide|ceramics", "work=steel|cast-iron|aluminium|copper",
                             "scheme=face|cylindrical", "МПа", "НВ", "м/мин", "градусы",
                             "Коды завершения", "rezhim-cli limit", "rezhim-cli sweep",
                             "--format csv", "torque-max=", "--machine ИМЯ", "  3  "}) {
        EXPECT_NE(help.out.find(text), std::string::npos) << text;
    }
    const std::string version = run("--version").out;
    EXPECT_EQ(version.substr(0, version.find('\n') + 1),
              std::string("rezhim-cli ") + REZHIM_VERSION + "\n");
    EXPECT_NE(version.find("\nЛицензия GPL-3.0-or-later: GNU GPL версии 3"), std::string::npos);
}

const std::string faceMillingKeys = "tool,work,H,D,z,B,t,s,v\n"
                                    "carbide,steel,750,100,10,50,2,0.1,100\n";

// An output that is one of the command's own files, under its name or another, would replace
// what is read; a folder is no file. Either is a wrong call, and every file stays as it was.
TEST_F(Cli, OutputThatIsAnInputOrAFolderIsRefused) {
    writeFile(folder / "in.csv", faceMillingKeys);
    writeFile(folder / "lib.json", "{}");
    fs::create_hard_link(folder / "in.csv", folder / "same.csv");
    fs::create_symlink("in.csv", folder / "link.csv");
    fs::create_directory(folder / "a");
    const std::string report = "report face-milling {}/in.csv ";
    const std::string same = "ВЫХОДНОЙ ФАЙЛ СОВПАДАЕТ С ВХОДНЫМ: ";
    const std::vector<std::pair<std::string, std::string>> cases{
        {report + "-o {}/in.csv", same},
        {report + "-o {}/link.csv", same},
        {"batch {}/in.csv -o {}/same.csv", same},
        {report + "--format csv --machines {}/lib.json --machine 6Р12 -o {}/lib.json", same},
        {report + "-o {}/a", "ВЫХОДНОЙ ФАЙЛ — ЭТО ПАПКА: "},
        {"batch {}/in.csv -o {}/a", "ВЫХОДНОЙ ФАЙЛ — ЭТО ПАПКА: "},
    };
    for (const auto& [arguments, message] : cases) {
        const ProcessResult result = run(arguments);
        EXPECT_EQ(result.code, 2) << arguments;
        EXPECT_EQ(result.err.find(message), 0u) << arguments << "\n" << result.err;
    }
    EXPECT_EQ(readFile(folder / "in.csv"), faceMillingKeys);
    EXPECT_EQ(readFile(folder / "lib.json"), "{}");
    EXPECT_TRUE(fs::is_symlink(folder / "link.csv"));
    EXPECT_TRUE(fs::is_empty(folder / "a"));
}

// An output where there is a link, a device or a pipe is written as the windows write it: through
// the link, which stays; to the device or the pipe, which stays what it is. The file a link
// points to keeps its permissions.
TEST_F(Cli, OutputThroughLinksToDevicesAndPipes) {
    writeFile(folder / "in.csv", faceMillingKeys);
    writeFile(folder / "batch.csv", "operation,tool,work,H,D,t,s,v\n"
                                    "turning,carbide,steel,750,50,2,0.2,100\n");
    const std::string report = "report face-milling {}/in.csv -o ";
    ASSERT_EQ(run(report + "{}/expected.txt").code, 0);
    const std::string expected = readFile(folder / "expected.txt");
    writeFile(folder / "private.txt", "old");
    ASSERT_EQ(chmod((folder / "private.txt").c_str(), 0600), 0);
    fs::create_symlink("private.txt", folder / "link.txt");
    fs::create_symlink("/dev/null", folder / "null");
    fs::create_symlink("/dev/full", folder / "full");
    ASSERT_EQ(mkfifo((folder / "pipe").c_str(), 0600), 0);
    // The reader is there first, and the report is far smaller than what a pipe holds.
    const int reader = open((folder / "pipe").c_str(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    const std::vector<std::tuple<std::string, int, std::string>> cases{
        {report + "{}/link.txt", 0, ""},
        {report + "{}/null", 0, ""},
        {"batch {}/batch.csv -o {}/null", 0, ""},
        {report + "{}/full", 2, "НЕ УДАЁТСЯ ЗАПИСАТЬ ФАЙЛ: "},
        {report + "{}/pipe", 0, ""},
    };
    for (const auto& [arguments, code, message] : cases) {
        const ProcessResult result = run(arguments);
        EXPECT_EQ(result.code, code) << arguments << "\n" << result.err;
        EXPECT_EQ(result.err.find(message), 0u) << arguments << "\n" << result.err;
    }
    std::string piped(expected.size() + 1, '\0');
    EXPECT_EQ(read(reader, piped.data(), piped.size()), static_cast<ssize_t>(expected.size()));
    close(reader);
    EXPECT_EQ(piped.substr(0, expected.size()), expected);
    EXPECT_EQ(readFile(folder / "private.txt"), expected);
    struct stat kept {};
    ASSERT_EQ(stat((folder / "private.txt").c_str(), &kept), 0);
    EXPECT_EQ(kept.st_mode & 07777, 0600u);
    EXPECT_EQ(fs::read_symlink(folder / "link.txt"), "private.txt");
    EXPECT_EQ(fs::read_symlink(folder / "null"), "/dev/null");
    EXPECT_EQ(fs::read_symlink(folder / "full"), "/dev/full");
    EXPECT_TRUE(fs::is_fifo(fs::symlink_status(folder / "pipe")));
}

// A batch onto a disk that fills up fails and leaves the earlier results whole, and nothing else.
TEST_F(Cli, BatchOntoAFullDiskKeepsTheEarlierOutput) {
    std::string input = "operation,tool,work,H,D,t,s,v\n";
    for (int row = 0; row < 100; ++row) {
        input += "turning,carbide,steel,750,50,2,0.2,100\n";
    }
    writeFile(folder / "in.csv", input);
    const fs::path disk = folder / "disk";
    fs::create_directory(disk);
    const FaultyFolder faulty(disk.string(), FaultyFolder::Fault::None);
    ASSERT_EQ(faulty.failure(), "");
    writeFile(disk / "out.csv", "earlier results\n");
    ASSERT_TRUE(faulty.fill());

    const ProcessResult result = run("batch {}/in.csv -o {}/disk/out.csv");
    EXPECT_EQ(result.code, 2);
    EXPECT_EQ(result.err.find("НЕ УДАЁТСЯ ЗАПИСАТЬ ФАЙЛ: "), 0u) << result.err;
    EXPECT_EQ(readFile(disk / "out.csv"), "earlier results\n");
    std::set<std::string> left;
    for (const fs::directory_entry& entry : fs::directory_iterator(disk)) {
        left.insert(entry.path().filename().string());
    }
    EXPECT_EQ(left, std::set<std::string>({"filler", "out.csv"}));
}

// A quote left open refuses its row, named by its line in the file, and the rows after it are
// still computed: the quoted field is taken to run to the end of its line.
TEST_F(Cli, BatchRefusesARowWithAnUnclosedQuoteAndReadsOn) {
    const std::string good = "turning,carbide,steel,750,50,2,0.2,100";
    writeFile(folder / "in.csv", "operation,tool,work,H,D,t,s,v\n" + good + "\r\n" +
                                     "turning,\"carbide,steel,750,50,2,0.2,100\r\n" + good + "\n");
    const RawResults turning{636.9426751592357, 899.3396627618121,  433.66189884760183,
                             480.5567609309122, 22.483491569045302, 1.469509252878778};
    const std::vector<BatchLine> lines{
        {"", "operation,tool,work,H,D,t,s,v,n,Pz,Py,Px,M,N,error"},
        {"", good, turning},
        {"", "turning,\"carbide,steel,750,50,2,0.2,100\",,,,,,,,,,,,,"
             "НЕЗАКРЫТЫЕ КАВЫЧКИ В СТРОКЕ 3 ФАЙЛА CSV!!!"},
        {"", good, turning},
    };
    const ProcessResult toStdout = run("batch {}/in.csv");
    EXPECT_EQ(toStdout.code, 1) << toStdout.err;
    expectBatchOutput(toStdout.out, lines);
    const ProcessResult toFile = run("batch {}/in.csv -o {}/out.csv");
    EXPECT_EQ(toFile.code, 1) << toFile.err;
    EXPECT_EQ(readFile(folder / "out.csv"), toStdout.out);
}

// A record longer than the reader's bound (a file without line ends, /dev/zero) stops the run as a
// file that cannot be read does, at once and in little memory: the rows before it are written,
// an earlier output is kept, and the message names the line and the bound without quoting it.
TEST_F(Cli, ARecordLongerThanTheBoundStopsTheRun) {
    const std::string header = "operation,tool,work,H,D,t,s,v\n";
    const std::string good = "turning,carbide,steel,750,50,2,0.2,100";
    writeFile(folder / "long.csv",
              header + good + "\n" + std::string(3 << 20, '7') + "\n" + good + "\n");
    writeFile(folder / "out.csv", "earlier\n");
    const std::string tooLong = "ЗАПИСЬ ДЛИННЕЕ 1048576 БАЙТ В ";
    const std::vector<std::tuple<std::string, std::string, std::string>> cases{
        {"batch /dev/zero", "", tooLong + "ЗАГОЛОВКЕ ФАЙЛА CSV!!!"},
        {"batch /dev/zero -o {}/out.csv", "", tooLong + "ЗАГОЛОВКЕ ФАЙЛА CSV!!!"},
        {"report turning /dev/zero -o {}/out.csv", "", tooLong + "ЗАГОЛОВКЕ ФАЙЛА CSV!!!"},
        {"batch {}/long.csv",
         header.substr(0, header.size() - 1) + ",n,Pz,Py,Px,M,N,error\n" + good +
             ",636.9426751592357,899.3396627618121,"
             "433.66189884760183,480.5567609309122,"
             "22.483491569045302,1.469509252878778,\n",
         tooLong + "СТРОКЕ 3 ФАЙЛА CSV!!!"},
        {"batch {}/long.csv -o {}/out.csv", "", tooLong + "СТРОКЕ 3 ФАЙЛА CSV!!!"},
    };
    for (const auto& [arguments, out, message] : cases) {
        const ProcessResult result = run(arguments);
        EXPECT_EQ(result.code, 2) << arguments;
        EXPECT_EQ(result.out, out) << arguments;
        EXPECT_EQ(result.err, message + "\nСправка: rezhim-cli --help\n") << arguments;
    }
    EXPECT_EQ(readFile(folder / "out.csv"), "earlier\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 4)
        << "long.csv, out.csv, stdout and stderr, and no hidden file";
}

// Every key and every cell is read with the one grammar of --help, the point notation, and a key
// the operation does not read is checked all the same (a batch file mixes operations in one
// table): a number, not negative, and where not zero a value a real cut can have. Its value is
// then ignored.
TEST_F(Cli, OneGrammarForEveryKeyAndUnreadKeysChecked) {
    const std::string turning = "calc turning tool=carbide work=steel H=750 D=50 t=2 s=0.2 v=100";
    const std::vector<std::pair<std::string, std::string>> refused{
        {turning + " L=200,5", "НЕВЕРНОЕ ЧИСЛО: L=200,5!!!"},
        {turning + " z=abc", "НЕВЕРНОЕ ЧИСЛО: z=abc!!!"},
        {turning + " passes=7,5", "НЕВЕРНОЕ ЧИСЛО: passes=7,5!!!"},
        {turning + " B=-5", "ЗНАЧЕНИЕ НЕ МОЖЕТ БЫТЬ ОТРИЦАТЕЛЬНЫМ!!!"},
        {turning + " z=2.5",
         "ЗНАЧЕНИЕ В ПОЛЕ «z» ВНЕ ПРЕДЕЛОВ РЕАЛЬНОГО РЕЗАНИЯ: ЦЕЛОЕ ЧИСЛО ОТ 1 ДО 1000!!!"},
        {turning + " angle=80",
         "ЗНАЧЕНИЕ В ПОЛЕ «angle» ВНЕ ПРЕДЕЛОВ РЕАЛЬНОГО РЕЗАНИЯ: ОТ 0 ДО 75°!!!"},
        {turning + " scheme=round", "НЕИЗВЕСТНАЯ СХЕМА ФРЕЗЕРОВАНИЯ: round!!!"},
        {"calc " + threadCutter + " scheme=round", "НЕИЗВЕСТНАЯ СХЕМА ФРЕЗЕРОВАНИЯ: round!!!"},
        // A drill's depth follows from its diameter: the key is not read, but checked.
        {"calc drilling tool=hss work=steel H=750 D=20 s=0.3 v=25 t=5000",
         "ЗНАЧЕНИЕ В ПОЛЕ «t» ВНЕ ПРЕДЕЛОВ РЕАЛЬНОГО РЕЗАНИЯ: ОТ 0,001 ДО 1000 мм!!!"},
        // The travel keeps the window's own refusal of a number that is no travel.
        {turning + " L=0", "НЕВЕРНАЯ ДЛИНА РАБОЧЕГО ХОДА: 0!!!"},
    };
    for (const auto& [arguments, message] : refused) {
        const ProcessResult result = run(arguments);
        EXPECT_EQ(result.code, 1) << arguments;
        EXPECT_EQ(result.out, "") << arguments;
        EXPECT_EQ(result.err, message + "\n") << arguments;
    }
    const ProcessResult plain = run(turning);
    ASSERT_EQ(plain.code, 0) << plain.err;
    for (const std::string_view unread :
         {" z=10 B=50 angle=30 passes=6 scheme=face", " z=0 B=0 angle=0 passes=0"}) {
        const ProcessResult result = run(turning + std::string(unread));
        EXPECT_EQ(result.code, 0) << unread << "\n" << result.err;
        EXPECT_EQ(result.out, plain.out) << unread;
    }

    const std::string row = "turning,carbide,steel,750,50,";
    writeFile(folder / "in.csv", "operation,tool,work,H,D,z,t,s,v,L\n" + row +
                                     ",2,0.2,100,\"200,5\"\n" + row + "abc,2,0.2,100,200\n" + row +
                                     "4,2,0.2,100,200\n");
    const ProcessResult batch = run("batch {}/in.csv");
    EXPECT_EQ(batch.code, 1) << batch.err;
    const std::string empty = ",,,,,,,,,";
    EXPECT_EQ(batch.out.substr(0, batch.out.rfind('\n', batch.out.size() - 2) + 1),
              "operation,tool,work,H,D,z,t,s,v,L,n,Pz,Py,Px,M,N,Sm,To,Q,error\n" + row +
                  ",2,0.2,100,\"200,5\"" + empty + ",\"НЕВЕРНОЕ ЧИСЛО: L=200,5!!!\"\n" + row +
                  "abc,2,0.2,100,200" + empty + ",НЕВЕРНОЕ ЧИСЛО: z=abc!!!\n");
    const std::string computed = row + "4,2,0.2,100,200,636.9426751592357,";
    EXPECT_EQ(batch.out.substr(batch.out.rfind('\n', batch.out.size() - 2) + 1, computed.size()),
              computed);
}

// A message quotes a short prefix of a value, whole characters with control characters shown,
// and its own words after it are never lost: a NUL would have ended the printed line, a million
// digits would have made it a megabyte.
TEST_F(Cli, MessagesQuoteAShortPrefixOfTheValue) {
    const std::string turning = "calc turning tool=carbide work=steel H=750 D=50 t=2 s=0.2 v=100";
    const std::string digits32(32, '9');
    const std::vector<std::pair<std::string, std::string>> cases{
        {turning + " z=" + std::string(100'000, '9'), "НЕВЕРНОЕ ЧИСЛО: z=" + digits32 + "…!!!"},
        {turning + " " + std::string(50, 'k') + "=1",
         "НЕИЗВЕСТНЫЙ ПАРАМЕТР: " + std::string(32, 'k') + "…!!!"},
        {turning + " L=-0." + std::string(40, '0') + "1",
         "НЕВЕРНАЯ ДЛИНА РАБОЧЕГО ХОДА: -0." + std::string(29, '0') + "…!!!"},
        {"calc turning tool=carbide work=" + std::string(40, 'x') + " H=750 D=50 t=2 s=0.2 v=100",
         "НЕИЗВЕСТНЫЙ ОБРАБАТЫВАЕМЫЙ МАТЕРИАЛ: " + std::string(32, 'x') + "…!!!"},
    };
    for (const auto& [arguments, message] : cases) {
        const ProcessResult result = run(arguments);
        EXPECT_NE(result.code, 0) << arguments.substr(0, 100);
        EXPECT_EQ(result.err.substr(0, result.err.find('\n')), message) << arguments.substr(0, 100);
    }

    using namespace std::string_literals;
    writeFile(folder / "keys.csv", "tool,work,H,D,t,s,v\ncarbide,steel,7\0"s
                                   "5\r,50,2,0.2,100\n");
    const ProcessResult report = run("report turning {}/keys.csv -o {}/report.txt");
    EXPECT_EQ(report.code, 1);
    EXPECT_EQ(report.err, "СТРОКА 1: НЕВЕРНОЕ ЧИСЛО: H=7?5?!!!\n");
    EXPECT_FALSE(fs::exists(folder / "report.txt"));

    writeFile(folder / "rows.csv", "operation,H\n" + std::string(1'000'000, '1') + ",750\n");
    const ProcessResult batch = run("batch {}/rows.csv");
    EXPECT_EQ(batch.code, 1);
    EXPECT_EQ(batch.out.substr(batch.out.rfind(',') + 1),
              "НЕИЗВЕСТНАЯ ОПЕРАЦИЯ: " + std::string(32, '1') + "…!!!\n");
}

// An output named by a descriptor the program was given (/dev/stdout, /dev/stderr, /dev/fd/N,
// /proc/self/fd/N) is written through it where the shell put it, as `{ echo header; rezhim-cli
// batch in.csv -o /dev/stdout; echo footer; } > c.csv` expects: never renamed over, never opened
// again with its file cut to nothing.
TEST_F(Cli, AnOutputNamingAnOpenDescriptorIsWrittenThroughIt) {
    writeFile(folder / "keys.csv", faceMillingKeys);
    writeFile(folder / "rows.csv", "operation,tool,work,H,D,t,s,v\n"
                                   "turning,carbide,steel,750,50,2,0.2,100\n");
    const std::string batch = "batch {}/rows.csv -o ";
    const std::string report = "report face-milling {}/keys.csv -o ";
    ASSERT_EQ(run("batch {}/rows.csv -o {}/batch.csv").code, 0);
    ASSERT_EQ(run(report + "{}/report.txt").code, 0);
    const std::string batchBytes = readFile(folder / "batch.csv");
    const std::string reportBytes = readFile(folder / "report.txt");
    const std::vector<std::tuple<std::string, int, std::string>> cases{
        {batch + "/dev/stdout", 1, batchBytes},     {batch + "/dev/stderr", 2, batchBytes},
        {batch + "/proc/self/fd/1", 1, batchBytes}, {report + "/dev/stdout", 1, reportBytes},
        {report + "/dev/stderr", 2, reportBytes},   {report + "/dev/fd/5", 5, reportBytes},
    };
    const fs::path log = folder / "log.txt";
    for (const auto& [arguments, descriptor, bytes] : cases) {
        const int fd = open(log.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        ASSERT_GE(fd, 0);
        ASSERT_EQ(write(fd, "header\n", 7), 7);
        const ProcessResult result = finish(start(arguments, {{descriptor, fd}}));
        EXPECT_EQ(write(fd, "footer\n", 7), 7);
        close(fd);
        EXPECT_EQ(result.code, 0) << arguments << "\n" << result.err;
        EXPECT_EQ(readFile(log), "header\n" + bytes + "footer\n") << arguments;
    }
}

// SIGTERM, SIGINT or SIGHUP during a write ends the program as the signal does, and removes the
// hidden file the output was being written to; the earlier output stays as it was. The batch is
// caught mid-write by feeding it through a pipe that is left open.
TEST_F(Cli, ASignalDuringAWriteRemovesTheHiddenFile) {
    std::string rows = "operation,tool,work,H,D,t,s,v\n";
    while (rows.size() < (3u << 19)) { // more than the reader's first 1 MiB
        rows += "turning,carbide,steel,750,50,2,0.2,100\n";
    }
    for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
        SCOPED_TRACE(signal);
        const fs::path pipe = folder / "in.fifo";
        fs::remove(pipe);
        ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
        writeFile(folder / "out.csv", "earlier\n");
        const pid_t pid = start("batch {}/in.fifo -o {}/out.csv", {});
        ASSERT_GT(pid, 0);
        int writer = -1;
        const auto hidden = [this] {
            for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
                if (entry.path().filename().string().starts_with(".rezhim-")) {
                    return true;
                }
            }
            return false;
        };
        for (int wait = 0; wait < 1000 && writer < 0; ++wait) {
            writer = open(pipe.c_str(), O_WRONLY | O_NONBLOCK); // once the program reads it
            usleep(10'000);
        }
        ASSERT_GE(writer, 0);
        fcntl(writer, F_SETFL, 0);
        ASSERT_EQ(write(writer, rows.data(), rows.size()), static_cast<ssize_t>(rows.size()));
        for (int wait = 0; wait < 1000 && !hidden(); ++wait) {
            usleep(10'000);
        }
        EXPECT_TRUE(hidden());
        ASSERT_EQ(kill(pid, signal), 0);
        int status = 0;
        ASSERT_EQ(waitpid(pid, &status, 0), pid);
        close(writer);
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signal) << status;
        EXPECT_FALSE(hidden());
        EXPECT_EQ(readFile(folder / "out.csv"), "earlier\n");
    }
}

// Whatever a command writes on stdout, help and version included, a write there that fails is a
// failure of the command.
TEST_F(Cli, EveryWriteToStdoutIsChecked) {
    writeFile(folder / "in.csv", "operation,tool,work,H,D,t,s,v\n"
                                 "turning,carbide,steel,750,50,2,0.2,100\n");
    const std::string keys = "turning tool=carbide work=steel H=750 D=50 t=2 s=0.2";
    for (const std::string& arguments : std::vector<std::string>{
             "--help", "--version", "calc " + keys + " v=100", "calc " + keys + " v=100 --json",
             "limit " + keys + " v=100 torque-max=50 --vary s",
             "sweep " + keys + " --vary v=50:100:3", "batch {}/in.csv"}) {
        const ProcessResult result = run(arguments, userLocale, "/dev/full");
        EXPECT_EQ(result.code, 2) << arguments;
        EXPECT_EQ(result.err.find("НЕ УДАЁТСЯ ЗАПИСАТЬ В СТАНДАРТНЫЙ ВЫВОД!!!"), 0u)
            << arguments << "\n"
            << result.err;
    }
}

// Turning with carbide steel of 750 MPa, D = 100, t = 5, s = 0.8, v = 100: Pz = 10 · 300 · 5 ·
// 0.8^0.75 · 100^-0.15 = 6359.29 N, Py = 10 · 243 · 5^0.9 · 0.8^0.6 · 100^-0.3 = 2272.65 N.
const std::string heavyTurning = "turning tool=carbide work=steel H=750 D=100 t=5 s=0.8 v=100";

TEST_F(Cli, RowCheckedAgainstACutter) {
    struct Case {
        std::string keys;
        int code;
        std::optional<double> sigma, f, Rz, Ra;
        std::string violations;
    };
    const std::vector<Case> cases{
        // W = 16 · 16² / 6, J = 16 · 16³ / 12: σ = Pz · 40 / W, f = Pz · 40³ / (3 · 200000 · J);
        // Rz = 1000 · 0.8² / (8 · 1), Ra = Rz · 4 / (9 · √3)
        {"shank=16x16 overhang=40 r=1", 3, 372.61475, 0.12420492, 80.0, 20.528010,
         "[\"shank-strength\", \"shank-rigidity\"]"},
        // A stiffer, stronger shank of the same size keeps both; the finish is asked for.
        {"shank=16X16 overhang=40 r=1 sigma-max=400 E=210000 f-max=0.2 Rz-max=100", 0, 372.61475,
         0.12420492 * 200000 / 210000, 80.0, 20.528010, "[]"},
        {"shank=16×16 overhang=40 r=1 Rz-max=63", 3, 372.61475, 0.12420492, 80.0, 20.528010,
         "[\"shank-strength\", \"shank-rigidity\", \"roughness\"]"},
        // A boring bar bent by F = √(Pz² + Py²) = 6753.2 N: W = π · 25³ / 32, J = π · 25⁴ / 64.
        {"bar=25 overhang=100",
         3,
         440.23940,
         0.58698587,
         {},
         {},
         "[\"shank-strength\", \"shank-rigidity\"]"},
        // The nose radius alone gives the finish and checks nothing.
        {"r=2", 0, {}, {}, 40.0, 10.264005, "[]"},
    };
    for (const Case& example : cases) {
        SCOPED_TRACE(example.keys);
        const ProcessResult result = run("calc " + heavyTurning + " " + example.keys + " --json");
        EXPECT_EQ(result.code, example.code);
        EXPECT_EQ(result.err, "");
        const auto at = result.out.find(", \"cutter\": {");
        ASSERT_NE(at, std::string::npos) << result.out;
        const std::string cutter = result.out.substr(at);
        expectNumber(jsonMember(cutter, "sigma"), example.sigma, 2e-8, "sigma");
        expectNumber(jsonMember(cutter, "f"), example.f, 5e-8, "f");
        expectNumber(jsonMember(cutter, "Rz"), example.Rz, 1e-12, "Rz");
        expectNumber(jsonMember(cutter, "Ra"), example.Ra, 5e-8, "Ra");
        EXPECT_EQ(jsonMember(cutter, "violations"), example.violations);
    }

    // Without --json the row, then the cutter's line; the failed checks on stderr. A machine is
    // checked beside it, and its JSON stays as it was.
    const ProcessResult plain = run("calc " + heavyTurning + " shank=16x16 overhang=40 r=1");
    EXPECT_EQ(plain.code, 3);
    EXPECT_EQ(plain.out.substr(plain.out.find("\nРезец")),
              "\nРезец 16×16, вылет 40 мм: σ 372.6 МПа > 200 · f 0.124 мм > 0.1 · Rz 80 мкм (Ra "
              "20.5)\n");
    EXPECT_EQ(plain.err, "ИЗГИБАЮЩЕЕ НАПРЯЖЕНИЕ В ДЕРЖАВКЕ 372.6 МПа БОЛЬШЕ ДОПУСТИМОГО 200 "
                         "МПа!!!\nПРОГИБ РЕЗЦА 0.124 мм БОЛЬШЕ ДОПУСТИМОГО 0.1 мм!!!\n");
    const ProcessResult both =
        run("calc " + heavyTurning + " power=15 efficiency=0.8 r=1 Rz-max=100 --json");
    EXPECT_EQ(both.code, 0) << both.err;
    EXPECT_EQ(jsonMember(both.out.substr(both.out.find("\"machine\"")), "violations"), "[]");
    EXPECT_NE(both.out.find("\"cutter\": {\"sigma\": null, \"f\": null, \"Rz\": 80, "),
              std::string::npos)
        << both.out;
    EXPECT_EQ(run("calc " + heavyTurning + " --json").out.find("cutter"), std::string::npos);
}

TEST_F(Cli, LargestFeedTheCutterAllows) {
    const std::string cutter = " shank=16x16 overhang=40 r=1";
    const std::vector<std::tuple<std::string, double, std::string, std::string>> cases{
        // σ ∝ Pz ∝ s^0.75: s = 0.8 · (200 / 372.61)^(1 / 0.75)
        {cutter, 0.3489661139, "shank-strength", "0.348 мм/об, ЕЁ ОГРАНИЧИВАЕТ ПРОЧНОСТЬ ДЕРЖАВКИ"},
        // 6 kW at the spindle allows s = 0.8 · (6 / 10.391)^(1 / 0.75) = 0.385: the shank's is
        // tighter; 4 kW allows 0.224, tighter than the shank's.
        {cutter + " power=7.5 efficiency=0.8", 0.3489661139, "shank-strength",
         "0.348 мм/об, ЕЁ ОГРАНИЧИВАЕТ ПРОЧНОСТЬ ДЕРЖАВКИ"},
        {cutter + " power=5 efficiency=0.8", 0.2240234800, "power",
         "0.224 мм/об, ЕЁ ОГРАНИЧИВАЕТ МОЩНОСТЬ НА ШПИНДЕЛЕ"},
        // Rz 20 µm with r = 1: s = √(8 · 1 · 20 / 1000)
        {" r=1 Rz-max=20", 0.4, "roughness",
         "0.4 мм/об, ЕЁ ОГРАНИЧИВАЕТ ШЕРОХОВАТОСТЬ ПОВЕРХНОСТИ"},
    };
    for (const auto& [keys, value, bound, text] : cases) {
        SCOPED_TRACE(keys);
        const ProcessResult json = run("limit " + heavyTurning + keys + " --vary s --json");
        EXPECT_EQ(json.code, 0) << json.err;
        expectNumber(jsonMember(json.out, "value"), value, 1e-8, "value");
        EXPECT_EQ(jsonMember(json.out, "bound"), "\"" + bound + "\"");
        const ProcessResult plain = run("limit " + heavyTurning + keys + " --vary s");
        EXPECT_EQ(plain.out, "НАИБОЛЬШАЯ ПОДАЧА " + text + ".\n");
    }
}

TEST_F(Cli, BatchSweepAndReportWriteTheCuttersColumns) {
    const std::string turned = "turning,carbide,steel,750,100,5,0.8,100,";
    writeFile(folder / "in.csv", "operation,tool,work,H,D,t,s,v,shank,overhang,r,bar\n" + turned +
                                     "16x16,40,1,\n" + turned + ",100,,25\n" + turned + ",,,\n");
    const ProcessResult crossed = run("batch {}/in.csv");
    EXPECT_EQ(crossed.code, 3) << crossed.err;
    const std::string raw = "318.47133757961785,6359.291741289001,2272.6537282089703,"
                            "2402.783804654561,317.96458706445003,10.390999577269609,";
    EXPECT_EQ(crossed.out,
              "operation,tool,work,H,D,t,s,v,shank,overhang,r,bar,n,Pz,Py,Px,M,N,sigma,f,Rz,Ra,"
              "cutter-violations,error\n" +
                  turned + "16x16,40,1,," + raw +
                  "372.61475046615243,0.12420491682205081,80,20.528009571186697,"
                  "shank-strength;shank-rigidity,\n" +
                  turned + ",100,,25," + raw +
                  "440.2394035306697,0.5869858713742262,,,shank-strength;shank-rigidity,\n" +
                  turned + ",,,," + raw + ",,,,,\n");

    // A row's cutter is refused as calc refuses it, in its error column.
    const std::string milled = "face-milling,carbide,steel,750,100,2,0.1,100,";
    writeFile(folder / "in.csv", "operation,tool,work,H,D,t,s,v,shank,overhang\n" + turned +
                                     "16x16,\n" + milled + "16x16,40\n");
    const ProcessResult refused = run("batch {}/in.csv");
    EXPECT_EQ(refused.code, 1);
    // The row's twelve empty number cells.
    const std::string empty(12, ',');
    EXPECT_NE(refused.out.find(turned + "16x16," + empty + "НЕ ЗАДАН ВЫЛЕТ РЕЗЦА!!!\n"),
              std::string::npos)
        << refused.out;
    EXPECT_NE(refused.out.find(milled + "16x16,40" + empty +
                               "В ОПЕРАЦИИ face-milling РЕЗЕЦ НЕ ПРОВЕРЯЕТСЯ: shank=16x16!!!\n"),
              std::string::npos)
        << refused.out;

    // σ ∝ s^0.75: 262 MPa at s = 0.5 crosses 200, 132 MPa at 0.2 does not.
    const ProcessResult sweep = run("sweep turning tool=carbide work=steel H=750 D=100 t=5 v=100 "
                                    "shank=16x16 overhang=40 --vary s=0.2:0.5:2");
    EXPECT_EQ(sweep.code, 3) << sweep.err;
    const auto cells = [](const std::string& line) { return line.substr(line.find(",,") - 30); };
    const std::string header = sweep.out.substr(0, sweep.out.find('\n'));
    EXPECT_EQ(header, "s,n,Pz,Py,Px,M,N,sigma,f,Rz,Ra,cutter-violations,error");
    EXPECT_NE(sweep.out.find(",,,,\n0.5,"), std::string::npos) << sweep.out;
    EXPECT_NE(sweep.out.find(",,,shank-strength,\n"), std::string::npos) << cells(sweep.out);
    const ProcessResult sweepJson = run("sweep " + heavyTurning + " r=1 --vary s=0.4:0.8:2 --json");
    EXPECT_EQ(sweepJson.code, 0);
    EXPECT_NE(sweepJson.out.find("\"cutter\": {\"sigma\": null, \"f\": null, \"Rz\": 80, "),
              std::string::npos)
        << sweepJson.out;

    writeFile(folder / "rows.csv", "tool,work,H,D,t,s,v\ncarbide,steel,750,100,5,0.8,100\n");
    const ProcessResult report =
        run("report turning {}/rows.csv -o {}/out.csv --format csv shank=16x16 overhang=40 r=1");
    EXPECT_EQ(report.code, 3) << report.err;
    const std::string exported = readFile(folder / "out.csv");
    EXPECT_NE(exported.find("\"σ, МПа\",\"f, мм\",\"Rz, мкм\",\"Ra, мкм\"\r\n"), std::string::npos)
        << exported;
    EXPECT_NE(exported.find(",372.61,0.1242,80.00,20.53\r\n"), std::string::npos) << exported;
}

TEST_F(Cli, CutterKeysRefused) {
    writeFile(folder / "rows.csv", "tool,work,H,D,t,s,v\ncarbide,steel,750,100,5,0.8,100\n");
    const std::string calc = "calc " + heavyTurning + " ";
    const std::vector<std::tuple<std::string, int, std::string>> cases{
        {calc + "shank=16x16 bar=25 overhang=40", 2,
         "ДЕРЖАВКА РЕЗЦА ЗАДАЁТСЯ ЛИБО shank=, ЛИБО bar=!!!"},
        {calc + "shank=16x16", 1, "НЕ ЗАДАН ВЫЛЕТ РЕЗЦА!!!"},
        {"limit " + heavyTurning + " bar=25 --vary s", 1, "НЕ ЗАДАН ВЫЛЕТ РЕЗЦА!!!"},
        {calc + "overhang=40 r=1", 1, "КЛЮЧ overhang= НУЖЕН ТОЛЬКО ВМЕСТЕ С shank= ИЛИ bar=!!!"},
        {calc + "shank=16x16 overhang=40 Rz-max=20", 1,
         "БЕЗ РАДИУСА ПРИ ВЕРШИНЕ ШЕРОХОВАТОСТЬ НЕ ПРОВЕРИТЬ!!!"},
        {calc + "shank=16y16 overhang=40", 1, "НЕВЕРНОЕ ЧИСЛО: shank=16y16!!!"},
        {calc + "shank=16x overhang=40", 1, "НЕВЕРНОЕ ЧИСЛО: shank=16x!!!"},
        {calc + "shank=16x16 overhang=40,5", 1, "НЕВЕРНОЕ ЧИСЛО: overhang=40,5!!!"},
        {calc + "r=0,8", 1, "НЕВЕРНОЕ ЧИСЛО: r=0,8!!!"},
        {calc + "shank=16x300 overhang=40", 1,
         "ЗНАЧЕНИЕ В ПОЛЕ «ВЫСОТА ДЕРЖАВКИ» ВНЕ ПРЕДЕЛОВ РЕАЛЬНОГО РЕЗЦА: ОТ 1 ДО 200 мм!!!"},
        {calc + "bar=25 overhang=40 E=5000", 1,
         "ЗНАЧЕНИЕ В ПОЛЕ «МОДУЛЬ УПРУГОСТИ» ВНЕ ПРЕДЕЛОВ РЕАЛЬНОГО РЕЗЦА: ОТ 10000 ДО 1000000 "
         "МПа!!!"},
        {calc + "r=20", 1,
         "ЗНАЧЕНИЕ В ПОЛЕ «РАДИУС ПРИ ВЕРШИНЕ» ВНЕ ПРЕДЕЛОВ РЕАЛЬНОГО РЕЗЦА: ОТ 0,01 ДО 10 мм!!!"},
        // The window decides which operations check a cutter, not the command's name.
        {"calc " + drilling + " r=1", 2, "В ОПЕРАЦИИ drilling РЕЗЕЦ НЕ ПРОВЕРЯЕТСЯ: r=1!!!"},
        {"sweep " + faceMilling + " shank=16x16 overhang=40 --vary s=0.1:0.2:2", 2,
         "В ОПЕРАЦИИ face-milling РЕЗЕЦ НЕ ПРОВЕРЯЕТСЯ: shank=16x16!!!"},
        {calc + "r=1 r=2", 2, "ПАРАМЕТР ЗАДАН ДВАЖДЫ: r!!!"},
        {calc + "shank= overhang=40", 2, "ПУСТОЕ ЗНАЧЕНИЕ КЛЮЧА РЕЗЦА: shank=!!!"},
        {"speed " + words(heavyTurning)[0] + " tool=carbide work=steel H=750 D=100 t=5 s=0.8 r=1",
         2, "КОМАНДА speed НЕ ПРОВЕРЯЕТ РЕЗЕЦ"},
        {"report turning {}/rows.csv -o {}/r.txt r=1", 2,
         "РЕЗЕЦ ЗАДАЁТСЯ ТОЛЬКО С --format csv: В ОТЧЁТЕ НЕТ ЕГО СТОЛБЦОВ!!!"},
        {"report turning {}/rows.csv -o {}/r.csv --format csv shank=16x16", 1,
         "НЕ ЗАДАН ВЫЛЕТ РЕЗЦА!!!"},
        {"batch {}/rows.csv r=1", 2, "ПОСЛЕ ФАЙЛА ЗАДАЮТСЯ ТОЛЬКО КЛЮЧИ СТАНКА: r=1!!!"},
        {"limit " + heavyTurning + " --vary s", 2,
         "НЕ ЗАДАН СТАНОК: НУЖНЫ ЕГО КЛЮЧИ (power=, efficiency=, speeds=, nmin=, nmax=, "
         "torque-max=, force-max=) ИЛИ --machine ИМЯ; ИЛИ РЕЗЕЦ: shank= ИЛИ bar= С overhang=, r= "
         "С Rz-max=!!!"},
    };
    for (const auto& [arguments, code, message] : cases) {
        SCOPED_TRACE(arguments);
        const ProcessResult result = run(arguments);
        EXPECT_EQ(result.code, code);
        EXPECT_EQ(result.out, "");
        EXPECT_EQ(result.err.find(message), 0u) << result.err;
        EXPECT_FALSE(fs::exists(folder / "r.txt") || fs::exists(folder / "r.csv"));
    }
}

} // namespace
