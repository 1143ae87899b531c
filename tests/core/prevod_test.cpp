#include "prevod.h"

#include <gtest/gtest.h>

#include <climits>

namespace tvarolam {
namespace {

struct Cislo {
    const char* text;
    std::int32_t hodnota;
};

TEST(strToInt, AcceptsDecimalAndHexadecimalForms) {
    const Cislo radky[] = {
        {"0", 0},
        {"42", 42},
        {"   7", 7},
        {"+5", 5},
        {"-5", -5},
        {"007", 7},
        {"2147483647", INT_MAX},
        {"-2147483648", INT_MIN},
        {"$FF", 255},
        {"xff", 255},
        {"X10", 16},
        {"0x10", 16},
        {"0X1a", 26},
        {"-$10", -16},
        {"$7FFFFFFF", INT_MAX},
        {"$80000000", INT_MIN},
        {"$FFFFFFFF", -1},
        {"-$FFFFFFFF", 1},
        {"$000000001", 1},
        {"  -0x1", -1},
    };
    for (const auto& radek : radky)
        EXPECT_EQ(strToInt(radek.text), radek.hodnota) << radek.text;
}

TEST(strToInt, RefusesEverythingElseWithTheMessageNamingTheText) {
    const char* radky[] = {
        "",    " ",          "+",           "-",          "$",
        "0x",  "x",          "12a",         "1 ",         " 1 2",
        "\t1", "2147483648", "-2147483649", "$100000000", "0x1G",
        "--1", "+-1",        "1.0",         "$-1",        "99999999999999999999",
    };
    for (const char* text : radky) {
        EXPECT_FALSE(zkusStrToInt(text).has_value()) << '"' << text << '"';
        try {
            strToInt(text);
            ADD_FAILURE() << "no error for \"" << text << '"';
        } catch (const ChybaPrevodu& chyba) {
            EXPECT_EQ(chyba.what(), "'" + std::string(text) + "' is not a valid integer value");
        }
    }
}

TEST(intToStr, WritesPlainDecimal) {
    EXPECT_EQ(intToStr(0), "0");
    EXPECT_EQ(intToStr(-17), "-17");
    EXPECT_EQ(intToStr(INT_MIN), "-2147483648");
}

} // namespace
} // namespace tvarolam
