// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/operations/registry.h"

#include <algorithm>
#include <cctype>
#include <gtest/gtest.h>
#include <set>
#include <string>

namespace {

// The describing function sits in the row of its window: a swapped pointer would open the
// turning window's boxes under the hole-making window's number.
TEST(Registry, EachWindowIsDescribedByItsOwnCalculation) {
    for (const OperationWindow& window : operationWindows) {
        EXPECT_EQ(calculation(window.number).window.number, window.number);
    }
    EXPECT_THROW(calculation(0), std::out_of_range);
    EXPECT_THROW(calculation(static_cast<int>(windowCount) + 1), std::out_of_range);
}

// A window serving one operation has no sub-operation; one serving several tells them apart by
// codes its menu or its own option can choose (the threading tools are that option's items).
TEST(Registry, SubOperationCodesAreThoseTheWindowCanChoose) {
    for (const Operation& operation : operations) {
        SCOPED_TRACE(std::string(operation.name));
        const auto served =
            std::count_if(operations.begin(), operations.end(),
                          [&](const Operation& other) { return other.window == operation.window; });
        if (served == 1) {
            EXPECT_EQ(operation.kind, 0);
            continue;
        }
        EXPECT_GE(operation.kind, 1);
        EXPECT_LE(operation.kind, 4); // the main menu's four sub-operations
        const Calculation& calc = calculation(operation.window);
        if (calc.choiceIsOperationKind) {
            ASSERT_TRUE(calc.window.choices.has_value());
            EXPECT_LE(static_cast<std::size_t>(operation.kind),
                      calc.window.choices->options.size());
        }
    }
}

// The help line of an operation names every number its window reads for it beyond the ones all
// operations need, so that --help never leaves a key unsaid.
TEST(Registry, HelpLineNamesEveryFurtherBoxOfTheWindow) {
    const std::set<Key> common{Key::H, Key::D, Key::s, Key::v};
    for (const Operation& operation : operations) {
        SCOPED_TRACE(std::string(operation.name));
        std::set<std::string> words;
        std::string word;
        for (const char c : std::string(operation.furtherKeys) + " ") {
            if (std::isalpha(static_cast<unsigned char>(c)) != 0) {
                word += c;
            } else if (!word.empty()) {
                words.insert(word);
                word.clear();
            }
        }
        const Calculation& calc = calculation(operation.window);
        for (const NumericBox& box : calc.window.boxes) {
            // A value asked for another tool of the window only (a cutter's passes).
            const bool othersOnly = calc.followUp != nullptr && calc.followUp->key == box.key &&
                                    calc.followUp->forChoice != operation.kind;
            if (!common.contains(box.key) && !othersOnly) {
                const std::string name(keyNames[static_cast<std::size_t>(box.key)]);
                EXPECT_TRUE(words.contains(name)) << name;
            }
        }
    }
}

TEST(Registry, OperationsAreFoundByNameAndBySubOperation) {
    for (const Operation& operation : operations) {
        EXPECT_EQ(findOperation(operation.name), &operation);
        EXPECT_EQ(findOperation(operation.window, operation.kind), &operation);
    }
    EXPECT_EQ(findOperation("Face-milling"), nullptr);
    EXPECT_EQ(findOperation(5, 0), nullptr);
    EXPECT_EQ(findOperation(7, 4), nullptr);
}

} // namespace
