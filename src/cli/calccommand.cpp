#include "cli/commandline.h"
#include "cli/commands.h"
#include "cli/json.h"
#include "cli/keyarguments.h"
#include "cli/numbertext.h"
#include "cli/textcolumns.h"

#include <cstdio>
#include <utility>

namespace {

// One object on one line: the raw results for scripts, and the cells as the window shows them.
std::string resultJson(const Operation& operation, const Outcome& outcome,
                       const std::vector<std::string>& cells) {
    const RowResults& results = outcome.row.results;
    const std::pair<std::string_view, const std::optional<double>*> numbers[] = {
        {"n", &results.n},   {"Pz", &results.Pz}, {"Py", &results.Py},
        {"Px", &results.Px}, {"M", &results.M},   {"N", &results.N}};
    std::string out = "{\"operation\": ";
    appendJsonString(out, operation.name);
    for (const auto& [name, value] : numbers) {
        out += ", ";
        appendJsonString(out, name);
        out += ": ";
        if (*value) {
            appendShortestNumber(out, **value);
        } else {
            out += "null"; // no result for this tool, the cell stays blank
        }
    }
    out += ", \"t\": ";
    appendShortestNumber(out, outcome.row.depth);
    out += ", \"cells\": [";
    for (std::size_t i = 0; i < cells.size(); ++i) {
        if (i > 0) {
            out += ", ";
        }
        appendJsonString(out, cells[i]);
    }
    out += "]}\n";
    return out;
}

} // namespace

int runCalc(std::span<const std::string_view> arguments) {
    const CommandArguments command = splitArguments(arguments, flagJson | flagComma);
    if (!command.error.empty()) {
        return usageError(command.error);
    }
    if (command.positional.empty()) {
        return usageError("НЕ ЗАДАНА ОПЕРАЦИЯ!!!");
    }
    const std::string_view name = command.positional.front();
    const Operation* operation = findOperation(name);
    if (operation == nullptr) {
        return usageError("НЕИЗВЕСТНАЯ ОПЕРАЦИЯ: " + std::string(name) + "!!!");
    }
    const KeyArguments keys = readKeyArguments(std::span(command.positional).subspan(1));
    if (!keys.error.empty()) {
        return usageError(keys.error);
    }

    const Outcome outcome = calculate(*operation, keys.texts);
    if (!outcome.error.empty()) {
        std::fprintf(stderr, "%s\n", outcome.error.c_str());
        return exitRefused;
    }
    if (outcome.notice != nullptr) {
        std::fprintf(stderr, "%s\n", outcome.notice);
    }
    const WindowDefinition& window = definitionOf(*operation);
    const std::vector<std::string> cells =
        rowCells(window.layout, outcome.row, window.patterns, command.comma ? ',' : '.');
    const std::string text = command.json ? resultJson(*operation, outcome, cells)
                                          : alignedColumns({headings(window.layout), cells});
    std::fwrite(text.data(), 1, text.size(), stdout);
    return exitComputed;
}
