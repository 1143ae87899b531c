#include "prevod.h"
#include "textovy_soubor.h"

#include <gtest/gtest.h>

#include <vector>

namespace tvarolam {
namespace {

std::vector<std::string> vsechnyRadky(const std::string& bajty) {
    auto soubor = TextovySoubor::zPameti(bajty);
    std::vector<std::string> radky;
    while (!soubor.konec())
        radky.push_back(soubor.ctiRadek());
    return radky;
}

struct Radky {
    const char* nazev;
    std::string bajty;
    std::vector<std::string> ocekavane;
};

TEST(TextovySoubor, LineEndsAndTheEndOfInput) {
    const Radky pripady[] = {
        {"crlf", "a\r\nb\r\n", {"a", "b"}},
        {"lf", "a\nb\n", {"a", "b"}},
        {"no final line end", "a\r\nb", {"a", "b"}},
        {"lone cr is no line end and is dropped", "a\rb\r\nc", {"ab", "c"}},
        {"cr before end", "a\r", {"a"}},
        {"empty lines count", "\r\n\r\nx\r\n", {"", "", "x"}},
        {"0x1A at a line start ends the input",
         "a\r\n\x1A"
         "b\r\nc\r\n",
         {"a"}},
        {"0x1A inside a line ends its text, the rest of the line is skipped",
         "ab\x1A"
         "cd\r\nef\r\n",
         {"ab", "ef"}},
        {"blanks are kept", " a \t\r\n", {" a \t"}},
        {"empty input", "", {}},
    };
    for (const auto& pripad : pripady)
        EXPECT_EQ(vsechnyRadky(pripad.bajty), pripad.ocekavane) << pripad.nazev;
}

TEST(TextovySoubor, ReadingPastTheEndGivesEmptyTextAndZero) {
    auto soubor = TextovySoubor::zPameti("x");
    EXPECT_EQ(soubor.ctiRadek(), "x");
    EXPECT_TRUE(soubor.konec());
    EXPECT_EQ(soubor.ctiRadek(), "");
    EXPECT_EQ(soubor.ctiZnak(), '\x1A');
    EXPECT_EQ(soubor.ctiCislo(), 0);
}

TEST(TextovySoubor, NumberTokensSpanLinesAndStopAtTheEnd) {
    auto soubor = TextovySoubor::zPameti(" 1\t-2\r\n\r\n  $10 +4\r\n");
    EXPECT_EQ(soubor.ctiCislo(), 1);
    EXPECT_EQ(soubor.ctiCislo(), -2);
    EXPECT_EQ(soubor.ctiCislo(), 16);
    EXPECT_EQ(soubor.ctiCislo(), 4);
    EXPECT_EQ(soubor.ctiCislo(), 0);
    EXPECT_TRUE(soubor.konec());
}

TEST(TextovySoubor, A0x1AAmongNumbersEndsTheInputForGood) {
    auto soubor = TextovySoubor::zPameti("5 \x1A 6\r\nnext line\r\n");
    EXPECT_EQ(soubor.ctiCislo(), 5);
    EXPECT_EQ(soubor.ctiCislo(), 0);
    soubor.preskocRadek();
    EXPECT_TRUE(soubor.konec());
    EXPECT_EQ(soubor.ctiRadek(), "");
}

TEST(TextovySoubor, ATokenIsAtMost32BytesAndTheRestIsTheNextToken) {
    const std::string nuly(31, '0');
    auto soubor = TextovySoubor::zPameti(nuly + "12\r\n"); // 33 bytes: "0…01" and "2"
    EXPECT_EQ(soubor.ctiCislo(), 1);
    EXPECT_EQ(soubor.ctiCislo(), 2);
}

TEST(TextovySoubor, ABadTokenRaisesTheConversionError) {
    auto soubor = TextovySoubor::zPameti("1x2 3");
    EXPECT_THROW(soubor.ctiCislo(), ChybaPrevodu);
}

TEST(TextovySoubor, SpacesOnlyAreSkippedBeforeALetter) {
    auto soubor = TextovySoubor::zPameti("   \tH");
    soubor.preskocMezery();
    EXPECT_EQ(soubor.ctiZnak(), '\t');
}

TEST(TextovySoubor, AMissingFileCannotBeOpened) {
    EXPECT_THROW(TextovySoubor::otevri("/nonexistent/dir/file.3du", NejvetsiUloha), ChybaSouboru);
}

} // namespace
} // namespace tvarolam
