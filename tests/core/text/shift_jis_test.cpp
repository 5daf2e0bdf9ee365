#include "text/shift_jis.h"

#include <gtest/gtest.h>

#include <string>

namespace karumoa::text {
namespace {

std::string Encode(std::string_view utf8) {
    std::string out;
    EXPECT_TRUE(Utf8ToCp932(utf8, out)) << utf8;
    return out;
}

TEST(ShiftJis, EncodesLikeCodePage932) {
    EXPECT_EQ(Encode("ABC,\"x\"\r\n"), "ABC,\"x\"\r\n");
    EXPECT_EQ(Encode("㎡"), "\x87\x75");
    EXPECT_EQ(Encode("①"), "\x87\x40");
    EXPECT_EQ(Encode("～"), "\x81\x60");  // U+FF5E
    EXPECT_EQ(Encode("－"), "\x81\x7C");  // U+FF0D
    EXPECT_EQ(Encode("ｱ"), "\xB1");       // half-width katakana
    EXPECT_EQ(Encode("\\~"), "\\~");      // no yen sign, no overline
    EXPECT_EQ(Encode("普通コンクリート"),
              "\x95\x81\x92\xCA\x83\x52\x83\x93\x83\x4E\x83\x8A\x81\x5B\x83\x67");
}

TEST(ShiftJis, WritesJisLookAlikesAsTheirCodePage932Forms) {
    EXPECT_EQ(Encode("\xE3\x80\x9C"), "\x81\x60");  // U+301C wave dash
    EXPECT_EQ(Encode("\xE2\x88\x92"), "\x81\x7C");  // U+2212 minus sign
    EXPECT_EQ(Encode("\xE2\x80\x96"), "\x81\x61");  // U+2016 double vertical line
    EXPECT_EQ(Encode("a\xC2\xA2"
                     "b"),
              "a\x81\x91"
              "b");  // U+00A2 cent
    EXPECT_EQ(Encode("\xC2\xA3"), "\x81\x92");
    EXPECT_EQ(Encode("\xC2\xAC"), "\x81\xCA");
    EXPECT_EQ(Encode("\xE2\x80\x94"), "\x81\x5C");  // U+2014 em dash
}

TEST(ShiftJis, ReportsCharactersWithoutCode) {
    std::string out;
    EncodingError error;
    EXPECT_FALSE(Utf8ToCp932("ab\xF0\x9F\x98\x80", out, &error));  // emoji
    EXPECT_EQ(error.offset, 2u);
    EXPECT_FALSE(Utf8ToCp932("\xFF\xFE", out, &error));  // not UTF-8
    EXPECT_EQ(error.offset, 0u);
}

TEST(ShiftJis, DecodesAndRejectsBytesThatDoNotDecode) {
    std::string out;
    ASSERT_TRUE(Cp932ToUtf8("\x87\x75\x87\x40\x81\x60\xB1", out));
    EXPECT_EQ(out, "㎡①～ｱ");
    EncodingError error;
    EXPECT_FALSE(Cp932ToUtf8("ab\x81", out, &error));  // lead byte at the end
    EXPECT_EQ(error.offset, 2u);
    EXPECT_FALSE(Cp932ToUtf8("a\x81\x20", out, &error));  // bad trail byte
    EXPECT_EQ(error.offset, 1u);
}

TEST(ShiftJis, DecodesRepeatedCharactersAsTheFirstTime) {
    // Characters met before are decoded from what was kept of them, bad
    // sequences still stop the decoding at the same offset.
    const std::string concrete = "\x95\x81\x92\xCA\x83\x52\x83\x93\x83\x4E\x83\x8A\x81\x5B\x83\x67";
    for (int time = 0; time < 2; ++time) {
        std::string out;
        ASSERT_TRUE(Cp932ToUtf8("1," + concrete + ",\xB1\xB2", out));
        EXPECT_EQ(out, "1,普通コンクリート,ｱｲ");
        EncodingError error;
        EXPECT_FALSE(Cp932ToUtf8("\x83\x52\x80", out, &error));  // 0x80 is no character
        EXPECT_EQ(error.offset, 2u);
        EXPECT_FALSE(Cp932ToUtf8("x\xFD", out, &error));
        EXPECT_EQ(error.offset, 1u);
    }
}

TEST(ShiftJis, RoundTripsTheReferenceMaterialNames) {
    for (const char* name : {"杉・ひのき", "グラスウール10K", "土(ローム質)", "せっこうボード",
                             "ビーズ法ポリスチレン特号", "一般陳列部、レジ、包装台"}) {
        std::string sjis;
        std::string back;
        ASSERT_TRUE(Utf8ToCp932(name, sjis));
        ASSERT_TRUE(Cp932ToUtf8(sjis, back));
        EXPECT_EQ(back, name);
    }
}

}  // namespace
}  // namespace karumoa::text
