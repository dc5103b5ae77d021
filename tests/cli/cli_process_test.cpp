// Runs the built rezhim-cli as a process and checks its stdout, stderr and exit code apart.
#include "calcframe/report.h"
#include "cli/keyarguments.h"
#include "cli/operations.h"

#include <charconv>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <langinfo.h>
#include <locale.h>
#include <spawn.h>
#include <sstream>
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

    // rezhim-cli with `arguments` ("{}" stands for the folder) under the locale `locale`.
    ProcessResult run(const std::string& arguments, const std::string& locale = userLocale) const {
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
        posix_spawn_file_actions_addopen(&actions, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                         0600);
        posix_spawn_file_actions_addopen(&actions, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                         0600);
        pid_t pid = 0;
        ProcessResult result;
        int status = 0;
        if (posix_spawn(&pid, REZHIM_CLI, &actions, nullptr, pointers(argv).data(),
                        pointers(env).data()) == 0 &&
            waitpid(pid, &status, 0) == pid && WIFEXITED(status)) {
            result.code = WEXITSTATUS(status);
        }
        posix_spawn_file_actions_destroy(&actions);
        result.out = readFile(out);
        result.err = readFile(err);
        return result;
    }

    fs::path folder;
};

std::string shortest(double value) {
    char digits[32];
    return {digits, std::to_chars(digits, digits + 32, value).ptr};
}

// The raw results n, Pz, Py, Px, M, N of "OPERATION key=value ...", computed in this process.
std::vector<std::string> rawResults(const std::string& calculation) {
    const std::vector<std::string> given = words(calculation);
    const std::vector<std::string_view> keys(given.begin() + 1, given.end());
    const Outcome outcome = calculate(*findOperation(given[0]), readKeyArguments(keys).texts);
    std::vector<std::string> texts;
    const RowResults& r = outcome.row.results;
    for (const auto* value : {&r.n, &r.Pz, &r.Py, &r.Px, &r.M, &r.N}) {
        texts.push_back(*value ? shortest(**value) : "");
    }
    return texts;
}

// The columns the batch appends to a computed row.
std::string batchResults(const std::string& calculation) {
    std::string text;
    for (const std::string& number : rawResults(calculation)) {
        text += "," + number;
    }
    return text + ",";
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
    std::vector<std::string> lastCells; // the last cells of the row; "*" is not checked
};

const std::string faceMilling =
    "face-milling tool=carbide work=steel H=750 D=100 z=10 B=50 t=2 s=0.1 v=100";

const std::vector<Example> examples{
    {faceMilling,
     {"1", "ТC", "сталь", "0.1", "100", "2", "100", "50", "10", "1720.8", "688.3", "860.4",
      "86.041", "2.812", "318"}},
    {"cylindrical-milling tool=hss work=steel H=750 D=80 z=8 B=50 t=3 s=0.1 v=30 angle=30",
     {"3086.8", "1543.4", "534.3", "123.473", "1.513", "119"}},
    {"end-milling tool=hss work=steel H=750 D=20 z=4 B=10 t=5 s=0.05 v=25 scheme=face",
     {"957.9", "287.4", "479.0", "9.579", "0.391", "398"}},
    {"disc-milling tool=hss work=steel H=750 D=100 z=20 B=10 t=5 s=0.05 v=30",
     {"1200.0", "480.0", "0.0", "60.001", "0.588", "96"}},
    {"turning tool=carbide work=steel H=750 D=50 t=2 s=0.2 v=100",
     {"899.3", "*", "*", "22", "1.470", "636.94"}},
    {"grooving tool=carbide work=steel H=750 D=50 t=2 s=0.2 v=100",
     {"1854.5", "0.0", "0.0", "*", "*", "*"}},
    {"drilling tool=hss work=steel H=750 D=20 s=0.3 v=25",
     {"10", "20", "5855.0", "*", "*", "52.672", "2.151", "398"}},
    {"core-drilling tool=hss work=steel H=600 D=20 t=1.5 s=0.6 v=20",
     {"731.3", "*", "*", "16.114", "0.526", "318"}},
    {"thread-cutter tool=hss work=steel H=750 D=20 t=1 s=2.5 v=20 passes=6",
     {"1969.1", "*", "*", "19.691", "0.644", "318"}},
    {"thread-tap tool=hss work=steel H=750 D=20 t=1 s=2.5 v=10",
     {"0.0", "*", "*", "70.748", "1.155", "159"}},
};

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
        const std::vector<std::string> raw = rawResults(example.arguments);
        std::string expected = "{\"operation\": \"" + words(example.arguments)[0] + "\"";
        const char* names[] = {"n", "Pz", "Py", "Px", "M", "N"};
        for (std::size_t i = 0; i < raw.size(); ++i) {
            expected += std::string(", \"") + names[i] + "\": " + raw[i];
        }
        EXPECT_EQ(result.out.substr(0, expected.size()), expected);
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
    const std::vector<std::tuple<std::string, int, std::string>> cases{
        {turning + "H=750", 1, "ВЫ НЕ ЗАДАЛИ СКОРОСТЬ РЕЗАНИЯ!!!"},
        {turning + "H=0 v=100", 1, "ВЫ НЕ ЗАДАЛИ ХАРАКТЕРИСТИКУ МАТЕРИАЛА!!!"},
        {turning + "H=750 v=-100", 1, "ЗНАЧЕНИЕ НЕ МОЖЕТ БЫТЬ ОТРИЦАТЕЛЬНЫМ!!!"},
        {turning + "H=7,5 v=100", 1, "НЕВЕРНОЕ ЧИСЛО: H=7,5!!!"},
        {turning + "H=abc v=100", 1, "НЕВЕРНОЕ ЧИСЛО: H=abc!!!"},
        {"calc turning tool=wood work=steel H=750 D=50 t=2 s=0.2 v=100", 1,
         "НЕИЗВЕСТНЫЙ МАТЕРИАЛ ИНСТРУМЕНТА: wood!!!"},
        {"calc turning tool=hss work=glass H=750 D=50 t=2 s=0.2 v=100", 1,
         "НЕИЗВЕСТНЫЙ ОБРАБАТЫВАЕМЫЙ МАТЕРИАЛ: glass!!!"},
        {"calc face-milling tool=carbide work=steel H=750 D=100 z=10 B=1e300 t=2 s=0.1 v=100", 1,
         "ОШИБКА ВЫЧИСЛЕНИЯ: ПРОВЕРЬТЕ ИСХОДНЫЕ ДАННЫЕ!!!"},
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
        {"report turning {}/good.csv", 2, "НУЖНО: rezhim-cli report"},
        {"report turning {}/good.csv -o {}/r.txt", 2, "НЕИЗВЕСТНЫЙ СТОЛБЕЦ В ЗАГОЛОВКЕ CSV"},
    };
    for (const auto& [arguments, code, message] : cases) {
        const ProcessResult result = run(arguments);
        EXPECT_EQ(result.code, code) << arguments;
        EXPECT_EQ(result.out, "") << arguments;
        EXPECT_EQ(result.err.find(message), 0u) << arguments << "\n" << result.err;
    }
}

TEST_F(Cli, BatchMixesOperationsAndGivesRefusalsInTheErrorColumn) {
    const std::string milled = "face-milling,carbide,steel,750,100,10,50,2,0.1,100,";
    const std::string threaded = "thread-cutter,hss,steel,750,20,,,1,2.5,20,6";
    const std::string reamed = "reaming,hss,steel,600,20,,,0.1,0.6,10,";
    const std::string refused = ",,,,,,,";
    // Each input line (CR LF or LF, quoted or not) and what the batch writes for it: the columns
    // re-quoted only where needed; a refused row keeps its number cells empty and says why.
    const std::vector<std::pair<std::string, std::string>> lines{
        {"\xEF\xBB\xBFoperation,tool,work,H,D,z,B,t,s,v,passes\r\n",
         "operation,tool,work,H,D,z,B,t,s,v,passes,n,Pz,Py,Px,M,N,error\n"},
        {milled + "\r\n", milled + batchResults(faceMilling) + "\n"},
        {"\"thread-cutter\",hss,steel,\"750\",20,,,1,2.5,20,6\r\n",
         threaded +
             batchResults("thread-cutter tool=hss work=steel H=750 D=20 t=1 s=2.5 v=20 passes=6") +
             "\n"},
        {"thread-cutter,hss,steel,750,20,,,1,2.5,20,\n",
         "thread-cutter,hss,steel,750,20,,,1,2.5,20," + refused +
             "ВЫ НЕ ЗАДАЛИ ЧИСЛО ПРОХОДОВ РЕЗЦА!!!\n"},
        {"\"face,milling\",hss,steel,750,20,,,1,2.5,20,\r\n",
         "\"face,milling\",hss,steel,750,20,,,1,2.5,20," + refused +
             "\"НЕИЗВЕСТНАЯ ОПЕРАЦИЯ: face,milling!!!\"\n"},
        {"turning,carbide,steel,750,50,,,-2,0.2,100,\r\n",
         "turning,carbide,steel,750,50,,,-2,0.2,100," + refused +
             "ЗНАЧЕНИЕ НЕ МОЖЕТ БЫТЬ ОТРИЦАТЕЛЬНЫМ!!!\n"},
        {reamed + "\r\n",
         reamed + batchResults("reaming tool=hss work=steel H=600 D=20 t=0.1 s=0.6 v=10") + "\n"},
    };
    std::string input, expected;
    for (const auto& [in, out] : lines) {
        input += in;
        expected += out;
    }
    writeFile(folder / "in.csv", input);
    const ProcessResult toStdout = run("batch {}/in.csv");
    EXPECT_EQ(toStdout.code, 1);
    EXPECT_EQ(toStdout.out, expected);
    EXPECT_EQ(toStdout.err, "СТРОКА 6: НЕТ ДАННЫХ ДЛЯ РАСЧЁТА УСИЛИЙ ПРИ РАЗВЁРТЫВАНИИ ЭТИМ "
                            "ИНСТРУМЕНТОМ!!!\n");
    const ProcessResult toFile = run("batch {}/in.csv -o {}/out.csv");
    EXPECT_EQ(toFile.code, 1);
    EXPECT_EQ(toFile.out, "");
    EXPECT_EQ(readFile(folder / "out.csv"), expected);

    writeFile(folder / "good.csv",
              "v,operation,H,D,t,s,tool,work\n100,turning,750,50,2,0.2,hss,steel\n");
    EXPECT_EQ(run("batch {}/good.csv").code, 0);
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
                          "2ТCсталь0,1100210050101720,8688,3860,486,0412,812318\r\n"}}) {
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
}

TEST_F(Cli, HelpAndVersion) {
    const ProcessResult help = run("--help");
    EXPECT_EQ(help.code, 0);
    for (const Operation& operation : operations) {
        EXPECT_NE(help.out.find("  " + std::string(operation.name) + " "), std::string::npos);
    }
    for (const char* text :
         {"tool=hss|carbide|ceramics", "work=steel|cast-iron|aluminium|copper",
          "scheme=face|cylindrical", "МПа", "НВ", "м/мин", "градусы", "Коды завершения"}) {
        EXPECT_NE(help.out.find(text), std::string::npos) << text;
    }
    EXPECT_EQ(run("--version").out, std::string("rezhim-cli ") + REZHIM_VERSION + "\n");
}

} // namespace
