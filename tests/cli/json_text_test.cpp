// Vardeln — MIT licence, see LICENSE.
// Any bytes become one valid JSON string: escapes where JSON needs them, UTF-8 kept, and
// each ill-formed part of broken UTF-8 one U+FFFD, as browsers and Python decode it.
#include "json_text.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "text_samples.h"

namespace vardeln::cli {
namespace {

struct Escaping {
  const char* what;
  std::string_view text;
  std::string_view json;
};

std::ostream& operator<<(std::ostream& out, const Escaping& e) { return out << e.what; }

class JsonStrings : public ::testing::TestWithParam<Escaping> {};

TEST_P(JsonStrings, AreWrittenAsJsonReadsThem) {
  const Escaping& e = GetParam();
  std::string json = "x";  // appended to, never replaced
  appendJsonString(json, e.text);
  EXPECT_EQ(json, "x" + std::string(e.json));
  EXPECT_TRUE(nlohmann::json::parse(json.substr(1), nullptr, false).is_string())
      << "not valid JSON";
}

using namespace std::string_view_literals;

// clang-format off
INSTANTIATE_TEST_SUITE_P(Escapes, JsonStrings, ::testing::Values(
    Escaping{"a number as it is",               "-1.5e+3",               R"("-1.5e+3")"},
    Escaping{"empty",                           "",                      R"("")"},
    Escaping{"quote and backslash",             R"(say "a\b")",          R"("say \"a\\b\"")"},
    Escaping{"short escapes",                   "\b\f\n\r\t",            R"("\b\f\n\r\t")"},
    Escaping{"other control characters",        "\x01\x1f\x1b[2J"sv,     R"("\u0001\u001f\u001b[2J")"},
    Escaping{"NUL",                             "1\0" "2"sv,             R"("1\u00002")"},
    Escaping{"slash and DEL need nothing",      "cm / s\x7f",            "\"cm / s\x7f\""},
    Escaping{"two- to four-byte UTF-8 kept",    "R\xC3\xA9" "\xE2\x82\xAC" "\xF0\x9F\x98\x80", "\"R\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80\""},
    Escaping{"largest code point kept",         "\xF4\x8F\xBF\xBF",      "\"\xF4\x8F\xBF\xBF\""},
    Escaping{"stray continuation byte",         "a\x80" "b",             "\"a\xEF\xBF\xBD" "b\""},
    Escaping{"bytes never in UTF-8",            "\xC0\xC1\xF5\xFF",      "\"\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\""},
    Escaping{"overlong form, byte by byte",     "\xC0\xAF",              "\"\xEF\xBF\xBD\xEF\xBF\xBD\""},
    Escaping{"lead byte then a quote",          "\xC3\"",                "\"\xEF\xBF\xBD\\\"\""},
    Escaping{"unfinished three bytes, one mark", "\xE2\x82" "x",         "\"\xEF\xBF\xBD" "x\""},
    Escaping{"unfinished at the very end",      "\xF0\x9F\x98",          "\"\xEF\xBF\xBD\""},
    Escaping{"encoded surrogate",               "\xED\xA0\x80",          "\"\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\""},
    Escaping{"beyond U+10FFFF",                 "\xF4\x90\x80\x80",      "\"\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\""},
    Escaping{"plain words, then a quote",       R"(0.30479999024640"3)",  R"("0.30479999024640\"3")"},
    Escaping{"line feed as a word's last byte", "1234567\n",            R"("1234567\n")"},
    Escaping{"a letter across two words",       "1234567\xC3\xA9" "89", "\"1234567\xC3\xA9" "89\""},
    Escaping{"a broken letter after a word",    "12345678\xC3",         "\"12345678\xEF\xBF\xBD\""},
    Escaping{"overlong three bytes",            "\xE0\x80\x80",          "\"\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\""}));
// clang-format on

TEST(JsonStrings, HostileTextsBecomeValidJson) {
  for (const std::string& text : {vardeln::testing::randomBytes(vardeln::testing::kMegabyte),
                                  vardeln::testing::invalidUtf8(vardeln::testing::kMegabyte)}) {
    std::string json;
    appendJsonString(json, text);
    EXPECT_TRUE(nlohmann::json::parse(json, nullptr, false).is_string());
  }
}

}  // namespace
}  // namespace vardeln::cli
