// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/files/csv.h"
#include "core/output/tablecsv.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

using Records = std::vector<std::vector<std::string>>;

struct ReadResult {
    Records records;
    CsvReader::Status end;
    std::vector<std::string> verbatim; // verbatimText of each record
};

ReadResult readAll(const std::string& text, std::size_t bufferSize, char separator = ',') {
    std::FILE* file = std::tmpfile();
    std::fwrite(text.data(), 1, text.size(), file);
    std::rewind(file);
    CsvReader reader(file, bufferSize);
    reader.setSeparator(separator);
    ReadResult result;
    while ((result.end = reader.next()) == CsvReader::Status::Record) {
        result.records.emplace_back(reader.fields().begin(), reader.fields().end());
        result.verbatim.emplace_back(reader.verbatimText());
    }
    std::fclose(file);
    return result;
}

struct ReadCase {
    const char* name;
    std::string text;
    Records expected;
    CsvReader::Status end = CsvReader::Status::End;
    char separator = ',';
};

void PrintTo(const ReadCase& readCase, std::ostream* out) {
    *out << readCase.name;
}

class CsvReaderTest : public testing::TestWithParam<ReadCase> {};

// Every case is read through buffers from one byte up, so records and quoted fields cross the
// buffer's end at every position, and the buffer must grow for a record longer than itself.
TEST_P(CsvReaderTest, ReadsTheSameRecordsWhateverTheBufferSize) {
    for (const std::size_t size : {1u, 2u, 3u, 5u, 16u, 1u << 20}) {
        const ReadResult result = readAll(GetParam().text, size, GetParam().separator);
        EXPECT_EQ(result.records, GetParam().expected) << "buffer " << size;
        EXPECT_EQ(result.end, GetParam().end) << "buffer " << size;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, CsvReaderTest,
    testing::Values(
        ReadCase{"Lf", "a,b\nc,d\n", {{"a", "b"}, {"c", "d"}}},
        ReadCase{"CrLfAndNoLastLineEnd", "a,b\r\nc,d", {{"a", "b"}, {"c", "d"}}},
        ReadCase{
            "ByteOrderMark", "\xEF\xBB\xBFoperation,H\nx,1\n", {{"operation", "H"}, {"x", "1"}}},
        ReadCase{"EmptyFieldsKept", "a,,b,\n,\n", {{"a", "", "b", ""}, {"", ""}}},
        ReadCase{"BlankLinesSkipped", "\na\n\r\n\nb\n", {{"a"}, {"b"}}}, ReadCase{"Empty", "", {}},
        ReadCase{"QuotedCommaAndQuote", "\"a,b\",\"say \"\"hi\"\"\"\n", {{"a,b", "say \"hi\""}}},
        ReadCase{"QuotedLineEnds", "\"1\n2\",\"3\r\n4\"\r\nx\n", {{"1\n2", "3\r\n4"}, {"x"}}},
        ReadCase{"QuotedEmpty", "\"\",a\n\"\"\n", {{"", "a"}, {""}}},
        ReadCase{"QuoteInsideUnquotedIsText", "a\"b,c\n", {{"a\"b", "c"}}},
        ReadCase{"TextAfterClosingQuoteKept", "\"ab\"c,d\n", {{"abc", "d"}}},
        ReadCase{"UnclosedQuote", "a\n\"b,c\nd", {{"a"}}, CsvReader::Status::UnclosedQuote},
        // A Russian spreadsheet's file: the commas are decimal commas and text.
        ReadCase{"Semicolons",
                 "a;\"b;\"\"c\"\"\";1,5\r\nd,e;;f\n",
                 {{"a", "b;\"c\"", "1,5"}, {"d,e", "", "f"}},
                 CsvReader::Status::End,
                 ';'}),
    [](const auto& test) { return test.param.name; });

// A quote still open at the end of the file: its field runs to the end of its line, that record
// is given as unclosed with the line it is on, and the lines after it are read as records again.
TEST(CsvReader, UnclosedQuoteCostsOnlyItsLine) {
    struct Read {
        CsvReader::Status status;
        std::vector<std::string> fields;
        std::size_t line;
        bool operator==(const Read&) const = default;
    };
    using enum CsvReader::Status;
    const std::vector<Read> expected{{Record, {"x\ny", "1"}, 1},
                                     {UnclosedQuote, {"a", "b,c"}, 4},
                                     {Record, {"d", "e"}, 5},
                                     {Record, {"f"}, 6},
                                     {End, {}, 6}};
    const std::string text = "\"x\ny\",1\n\r\na,\"b,c\r\nd,e\nf";
    for (const std::size_t size : {1u, 2u, 3u, 5u, 16u, 1u << 20}) {
        std::FILE* file = std::tmpfile();
        std::fwrite(text.data(), 1, text.size(), file);
        std::rewind(file);
        CsvReader reader(file, size);
        std::vector<Read> read;
        while (read.empty() || read.back().status != End) {
            const CsvReader::Status status = reader.next();
            read.push_back({status,
                            status == End ? std::vector<std::string>()
                                          : std::vector<std::string>(reader.fields().begin(),
                                                                     reader.fields().end()),
                            reader.lineNumber()});
            ASSERT_LE(read.size(), expected.size()) << "buffer " << size;
        }
        std::fclose(file);
        EXPECT_TRUE(read == expected) << "buffer " << size;
    }
}

// A record that does not fit in the bound, its line end included, stops the reading at its line,
// however it is quoted and whatever the buffer it starts in; the records before it are read.
TEST(CsvReader, ARecordLongerThanTheBoundStopsTheReading) {
    const std::string fits(15, 'x');
    const std::vector<std::pair<std::string, std::size_t>> cases{
        {"a\n" + fits + "\nb," + fits + "\nc\n", 3},
        {"a\nx\r\n\"b\n" + fits + "\"\nc\n", 3},
        // A quote left open with more than the bound after it.
        {"a\n" + fits + "\n\"" + fits + "\n", 3},
        {std::string(1000, '\0'), 1},
    };
    for (const auto& [text, line] : cases) {
        for (const std::size_t size : {1u, 5u, 16u}) {
            std::FILE* file = std::tmpfile();
            std::fwrite(text.data(), 1, text.size(), file);
            std::rewind(file);
            CsvReader reader(file, size, 16);
            CsvReader::Status status{};
            std::size_t records = 0;
            while ((status = reader.next()) == CsvReader::Status::Record) {
                ++records;
            }
            std::fclose(file);
            EXPECT_EQ(status, CsvReader::Status::TooLong) << text << " buffer " << size;
            EXPECT_EQ(records, line - 1) << text << " buffer " << size;
            EXPECT_EQ(reader.lineNumber(), line) << text << " buffer " << size;
            EXPECT_EQ(readFailureMessage(reader, status, "СТРОКЕ 3"),
                      "ЗАПИСЬ ДЛИННЕЕ 16 БАЙТ В СТРОКЕ 3 ФАЙЛА CSV!!!");
        }
    }
}

TEST(CsvReader, VerbatimTextOnlyWhereWritingTheFieldsBackGivesIt) {
    const ReadResult result = readAll("a,b\r\n\"a\",b\nx\ry\n", 4);
    EXPECT_EQ(result.verbatim, (std::vector<std::string>{"a,b", "", ""}));
}

TEST(CsvField, QuotedOnlyWhenNeededAndReadBackUnchanged) {
    const std::vector<std::pair<std::string, std::string>> cases{
        {"plain", "plain"},   {"", ""},
        {"a,b", "\"a,b\""},   {"say \"hi\"", "\"say \"\"hi\"\"\""},
        {"1\n2", "\"1\n2\""}, {"x\ry", "\"x\ry\""},
        {"сталь", "сталь"},   {"\xEF\xBB\xBFx", "\"\xEF\xBB\xBFx\""}};
    std::string line;
    std::vector<std::string> fields;
    for (const auto& [field, written] : cases) {
        std::string out;
        appendCsvField(out, field, ',');
        EXPECT_EQ(out, written);
        line += (fields.empty() ? "" : ",") + out;
        fields.push_back(field);
    }
    EXPECT_EQ(readAll(line + "\n", 3).records, Records{fields});
}

} // namespace
