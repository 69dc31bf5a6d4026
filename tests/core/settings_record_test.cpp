// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settings_record.h"

#include <gtest/gtest.h>

#include "core/windows1252.h"

using namespace tovimar;
using Values = std::vector<std::string>;

TEST(SettingsRecord, WritesOneQuotedWindows1252LineEndingWithCrLf) {
    EXPECT_EQ(encodeSettingsRecord({"10", "97,5", ""}), "\"10\",\"97,5\",\"\"\r\n");
    EXPECT_EQ(encodeSettingsRecord({"Sage-femme", "\xc3\x89lise"}),
              "\"Sage-femme\",\"\xc9lise\"\r\n"); // É is one byte in Windows-1252
}

TEST(SettingsRecord, RoundTripsAnyText) {
    const Values values = {"Dr",        "Zo\xc3\xa9", "12, rue de l'\xc3\x89glise",
                           "a \"b\" c", "",           "\xe2\x82\xac \xc5\x93"};
    EXPECT_EQ(decodeSettingsRecord(encodeSettingsRecord(values), values.size()), values);
}

TEST(SettingsRecord, ReadsWhatTheFileHolds) {
    struct Case {
        const char* bytes;
        std::size_t count;
        Values expected;
    } cases[] = {
        {"\"a\",\"b\"\r\n", 2, {"a", "b"}},
        {"a,b\r\n", 2, {"a", "b"}},                        // unquoted values
        {" 10 , \"x,y\" \r\n", 2, {"10", "x,y"}},          // comma kept inside quotes
        {"\"1\",\"2\"\r\n\"3\",\"4\"\r\n", 2, {"3", "4"}}, // last complete record wins
        {"\"1\",\"2\",\"3\"\r\n", 2, {"1", "2"}},          // an incomplete record is ignored
        {"\"a\"\n\"b\"", 2, {"a", "b"}},                   // values across lines, no final CR LF
        {"\"a\",\r\n", 2, {"a", ""}}, // a trailing comma ends with an empty value
        {"\"\xe9t\xe9\",\"\x80\"", 2, {"\xc3\xa9t\xc3\xa9", "\xe2\x82\xac"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(decodeSettingsRecord(c.bytes, c.count), c.expected) << c.bytes;
}

TEST(SettingsRecord, RefusesShortMalformedOrBinaryFiles) {
    using namespace std::string_literals;
    const std::string refused[] = {
        "",
        "\r\n",
        "\"a\"\r\n",
        "\"a\",\"b",
        "\"a\"x,\"b\"",
        "a\0b,c"s,
        "\x01\x02\x03,\x04",
        "\"unclosed,\"b\"\r\n",
    };
    for (const auto& bytes : refused)
        EXPECT_FALSE(decodeSettingsRecord(bytes, 2)) << bytes;
}

TEST(Windows1252, ConvertsBothWays) {
    EXPECT_EQ(windows1252ToUtf8("\xe9\x80\x9c"), "\xc3\xa9\xe2\x82\xac\xc5\x93");
    EXPECT_EQ(utf8ToWindows1252("\xc3\xa9\xe2\x82\xac\xc5\x93"), "\xe9\x80\x9c");
    EXPECT_EQ(utf8ToWindows1252("\xe2\x98\x83 \xff"), "? ?"); // a snowman and a stray byte
}

TEST(SettingsRecord, AFailedReadingKeepsWhatCameBeforeTheFailure) {
    struct Case {
        const char* bytes;
        Values read;
    } cases[] = {
        {"\"a\",\"b\"", {"a", "b"}},         // short: three values wanted
        {"\"a\",\"b", {"a"}},                // quote never closed
        {"", {}},                            // missing or empty
        {"\"a\",\x01", {}},                  // not text at all
        {"1,2,3\r\n4,\"5", {"4", "2", "3"}}, // a broken second record over the first
    };
    for (const auto& c : cases) {
        const SettingsReading reading = readSettingsRecord(c.bytes, 3);
        EXPECT_FALSE(reading.complete) << c.bytes;
        EXPECT_EQ(reading.values, c.read) << c.bytes;
    }
}

TEST(SettingsRecord, ZerosLeftAfterTheLastLineByAPowerCutAreNoPartOfTheFile) {
    using namespace std::string_literals;
    const std::string record = "\"a\",\"b\"\r\n"s;
    EXPECT_EQ(decodeSettingsRecord(record + std::string(4096, '\0'), 2), (Values{"a", "b"}));
    EXPECT_EQ(decodeSettingsRecord("\"a\",\"b\""s + std::string(3, '\0'), 2), (Values{"a", "b"}));
    // Zeros anywhere else still make the file unreadable, and so do zeros alone.
    EXPECT_FALSE(decodeSettingsRecord("\"a\"\0,\"b\"\r\n"s, 2));
    EXPECT_FALSE(decodeSettingsRecord(std::string(512, '\0'), 2));
    EXPECT_FALSE(decodeSettingsRecord("\"a\"\r\n"s + std::string(8, '\0'), 2));
}

TEST(SettingsRecord, NamesTheCharactersWindows1252CannotHold) {
    struct Case {
        Values values;
        std::string named;
    } cases[] = {
        {{"Dr", "\xc3\x89lise \xc5\x92uvre \xe2\x82\xac \xe2\x80\x99"}, ""},   // É Œ € ’ fit
        {{"Ng\xe1\xbb\x8d", "\xc4\x90\xe1\xbb\x8d"}, "\xe1\xbb\x8d \xc4\x90"}, // ọ then Đ, once
        {{"a?b"}, ""},                                                         // a true '?'
        {{"\xf0\x9f\x98\x80", "x"}, "\xf0\x9f\x98\x80"},                       // an emoji
        {{"bad \xff byte"}, "\xef\xbf\xbd"},                                   // not UTF-8
    };
    for (const auto& c : cases)
        EXPECT_EQ(charactersOutsideWindows1252(c.values), c.named) << c.values[0];
}
