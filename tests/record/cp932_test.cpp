#include "record/cp932.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using record::fromCp932;
using record::toCp932;

TEST(Cp932, ConvertsJapaneseBothWays) {
    // 先手 in CP932 is 90 E6 8E E8; the half-width ﾌｧｲﾙ is one byte a character.
    EXPECT_EQ(toCp932("先手"), std::string("\x90\xE6\x8E\xE8"));
    EXPECT_EQ(toCp932("ﾌｧｲﾙ"), std::string("\xCC\xA7\xB2\xD9"));
    EXPECT_EQ(toCp932("abc 123"), std::string("abc 123"));
    EXPECT_EQ(toCp932(""), std::string());
    for (const char* text : {"中国将棋側持駒OK=ON", "背景画=煉瓦", "対局名：王将戦　第１局"}) {
        const auto bytes = toCp932(text);
        ASSERT_TRUE(bytes) << text;
        const auto back = fromCp932(*bytes);
        ASSERT_TRUE(back) << text;
        EXPECT_EQ(*back, text);
    }
    // Both wave dashes a keyboard may give become the one CP932 has.
    EXPECT_EQ(toCp932("～〜"), std::string("\x81\x60\x81\x60"));
    // A long text goes through in more than one piece of output.
    const std::string many(5000, 'x');
    EXPECT_EQ(fromCp932(*toCp932(many + "将")), many + "将");
}

TEST(Cp932, RefusesTextThatIsNotValidInItsSourceEncoding) {
    EXPECT_FALSE(toCp932("\xFF\xFE"));  // not UTF-8
    EXPECT_FALSE(toCp932("\xE5\xB0"));  // UTF-8 cut off in a character
    EXPECT_FALSE(toCp932("한국어"));    // no CP932 form
    EXPECT_FALSE(toCp932("emoji \xF0\x9F\x98\x80"));
    EXPECT_FALSE(fromCp932("\x90"));        // a lead byte with no trail byte
    EXPECT_FALSE(fromCp932("ok\x81\x20"));  // a lead byte with an invalid trail byte
    EXPECT_FALSE(fromCp932(std::string("\xEF\xBF\xBF")));
}

}  // namespace
