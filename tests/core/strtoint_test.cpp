// SPDX-License-Identifier: MIT
#include "core/gameerror.h"
#include "core/strtoint.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct Accepted {
    const char *text;
    int32_t value;
};

TEST(TextToInteger, AcceptsTheRuleForms)
{
    const Accepted cases[] = {
        {"0", 0},
        {"120", 120},
        {" 120", 120},
        {"   7", 7},
        {"+5", 5},
        {"-50", -50},
        {"007", 7},
        {"$64", 100},
        {"x64", 100},
        {"X64", 100},
        {"0x64", 100},
        {"0X64", 100},
        {"$aB", 0xAB},
        {" $10", 16},
        {"2147483647", 2147483647},
        {"-2147483648", INT32_MIN},
        {"+2147483647", 2147483647},
        {"0000000000000000012", 12},
        {"$7FFFFFFF", 2147483647},
        {"$80000000", INT32_MIN},   // eight hex digits are a 32-bit pattern
        {"$FFFFFFFF", -1},
        {"0xffffffff", -1},
        {"$00000001", 1},
    };
    for (const Accepted &c : cases) {
        int32_t v = 12345;
        EXPECT_TRUE(gw::tryStrtoint(c.text, v)) << '"' << c.text << '"';
        EXPECT_EQ(v, c.value) << '"' << c.text << '"';
        EXPECT_EQ(gw::strtoint(c.text), c.value) << '"' << c.text << '"';
    }
}

TEST(TextToInteger, RefusesEverythingElse)
{
    const char *refused[] = {
        "", " ", "   ", "120 ", "12 0", "\t12", "12\r", "+", "-", "--5", "+-5", "-$10",
        "$", "x", "0x", "$G", "0x1G", "$123456789", "$000000001", "1e3", "1.0", "abc",
        "2147483648", "-2147483649", "99999999999999999999", "\xff", "1,000", "0b101",
    };
    for (const char *text : refused) {
        int32_t v = 77;
        EXPECT_FALSE(gw::tryStrtoint(text, v)) << '"' << text << '"';
        EXPECT_EQ(v, 77) << "a refused text must not change the value: \"" << text << '"';
        EXPECT_THROW(gw::strtoint(text), gw::GameError) << '"' << text << '"';
    }
}

TEST(TextToInteger, ErrorNamesTheTextInGerman)
{
    try {
        gw::strtoint("120 ");
        FAIL() << "no error";
    } catch (const gw::GameError &e) {
        EXPECT_EQ(std::string(e.what()), "'120 ' ist kein gültiger Integerwert");
    }
    try {
        gw::strtoint("");
        FAIL() << "no error";
    } catch (const gw::GameError &e) {
        EXPECT_EQ(std::string(e.what()), "'' ist kein gültiger Integerwert");
    }
}

TEST(GameErrors, MessagesAreTheGermanTexts)
{
    EXPECT_EQ(std::string(gw::GameError::cannotOpen("maps\\skirmish\\X.gwm").what()),
              "Datei maps\\skirmish\\X.gwm kann nicht geöffnet werden");
    EXPECT_EQ(std::string(gw::GameError::cannotCreate("options.cfg").what()),
              "Datei options.cfg kann nicht erstellt werden");
    EXPECT_EQ(std::string(gw::GameError::invalidBitmap().what()), "Bitmap ist ungültig");
    // File bytes above 127 are shown as Latin-1, so the message stays valid UTF-8.
    EXPECT_EQ(std::string(gw::GameError::notAnInteger("\xe4").what()),
              "'ä' ist kein gültiger Integerwert");
    // A path is shown as UTF-8 when it is UTF-8 (an own map's name), else as
    // Latin-1 like file text (a picture named by a map line).
    EXPECT_EQ(std::string(gw::GameError::cannotCreate("mymaps\\K\xc3\xbcste.gwm").what()),
              "Datei mymaps\\Küste.gwm kann nicht erstellt werden");
    EXPECT_EQ(std::string(gw::GameError::cannotOpen("images\\None_W\xe4ld.bmp").what()),
              "Datei images\\None_Wäld.bmp kann nicht geöffnet werden");
}

} // namespace

namespace {

TEST(GameErrors, FileTextInMessagesIsCutAndMadeVisible)
{
    // A NUL byte or another control character shows as '?'.
    EXPECT_EQ(std::string(gw::GameError::notAnInteger(std::string("12\0", 3)).what()),
              "'12?' ist kein gültiger Integerwert");
    EXPECT_EQ(std::string(gw::GameError::notAnInteger("a\tb").what()), "'a?b' ist kein gültiger Integerwert");
    // A very long line is cut, so the box stays readable.
    const std::string longLine(100000, 'x');
    const std::string message = gw::GameError::notAnInteger(longLine).what();
    EXPECT_EQ(message, "'" + std::string(gw::kMaxQuotedBytes, 'x') + "...' ist kein gültiger Integerwert");
    const std::string exact(gw::kMaxQuotedBytes, 'y');
    EXPECT_EQ(std::string(gw::GameError::cannotOpen(exact).what()),
              "Datei " + exact + " kann nicht geöffnet werden");
}

} // namespace
