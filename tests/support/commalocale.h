// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <clocale>
#include <gtest/gtest.h>
#include <string>

// The C library's locale of a Qt program on a Russian desktop, where printf would write "1,5":
// what turns numbers into text must not notice it. Set for each test and restored afterwards; a
// machine without the locale fails the test rather than quietly testing under C.
class CommaLocaleTest : public ::testing::Test {
protected:
    void SetUp() override {
        saved_ = std::setlocale(LC_ALL, nullptr);
        ASSERT_NE(std::setlocale(LC_ALL, "ru_RU.UTF-8"), nullptr)
            << "the locale ru_RU.UTF-8 is not generated on this machine; "
               "bash tools/bootstrap.sh test generates it (locale-gen)";
        ASSERT_STREQ(std::localeconv()->decimal_point, ",");
    }
    void TearDown() override { std::setlocale(LC_ALL, saved_.c_str()); }

private:
    std::string saved_;
};
