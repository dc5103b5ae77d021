// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/operations/registry.h"

#include <algorithm>
#include <gtest/gtest.h>
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

// What an operation reads is said once, in its description: the inputs its formulas overwrite
// are exactly the ones it declares derived, so neither the chart nor `sweep` nor the key check
// offers an input that cannot change the result.
TEST(Registry, DerivedInputsAreExactlyTheOnesTheFormulasOverwrite) {
    for (const Operation& operation : operations) {
        SCOPED_TRACE(std::string(operation.name));
        const Calculation& calc = calculation(operation.window);
        CalcInputs probe;
        probe.kind = operation.kind;
        probe.values.fill(3);
        calc.deriveInputs(probe);
        for (const NumericBox& box : calc.window.boxes) {
            EXPECT_EQ(probe[box.key] != 3, calc.derives(box.key, operation.kind))
                << keyNames[static_cast<std::size_t>(box.key)];
        }
    }
    struct Case {
        std::string_view operation;
        Key key;
        bool read;
    };
    const Case cases[] = {
        {"drilling", Key::t, false},        {"enlarging", Key::t, true},
        {"thread-tap", Key::passes, false}, {"thread-cutter", Key::passes, true},
        {"turning", Key::angle, false},     {"disc-milling", Key::angle, true},
        {"thread-die", Key::L, true},
    };
    for (const Case& c : cases) {
        const Operation& operation = *findOperation(c.operation);
        EXPECT_EQ(calculation(operation.window).reads(c.key, operation.kind), c.read)
            << c.operation << " " << keyNames[static_cast<std::size_t>(c.key)];
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
