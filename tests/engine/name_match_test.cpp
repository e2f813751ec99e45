// Vardeln — MIT licence, see LICENSE.
// Finding typed categories and labels: exact first, then ignoring case, else suggestions.
#include "name_match.h"

#include <gtest/gtest.h>

#include <vector>

#include "case_folding.h"
#include "categories.h"

namespace vardeln {
namespace {

using Kind = NameMatch::Kind;

struct Lookup {
  const char* what;
  std::vector<std::string_view> names;  // empty: the labels of `category`
  const char* category;
  std::string_view typed;
  Kind kind;
  std::string_view name;
  std::vector<std::string_view> candidates;
};

std::ostream& operator<<(std::ostream& out, const Lookup& l) { return out << l.what; }

class Lookups : public ::testing::TestWithParam<Lookup> {};

TEST_P(Lookups, FindTheNameOrSayWhy) {
  const Lookup& l = GetParam();
  const std::vector<std::string_view>& names =
      l.names.empty() ? categoryById(l.category)->labels() : l.names;
  const NameMatch match = matchName(names, l.typed);
  EXPECT_EQ(match.kind, l.kind);
  EXPECT_EQ(match.name, l.name);
  EXPECT_EQ(match.candidates, l.candidates);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Names, Lookups, ::testing::Values(
    Lookup{"exact label",                   {}, "length", "Feet",            Kind::Found, "Feet", {}},
    Lookup{"label in small letters",        {}, "length", "nautical miles",  Kind::Found, "Nautical Miles", {}},
    Lookup{"label with slash in capitals",  {}, "density", "KG / METER CUBE", Kind::Found, "Kg / Meter cube", {}},
    Lookup{"accented label, small letters", {}, "temperature", "réaumur",    Kind::Found, "Réaumur", {}},
    Lookup{"accented label, capitals",      {}, "temperature", "RÉAUMUR",    Kind::Found, "Réaumur", {}},
    Lookup{"accent left out is no match",   {}, "temperature", "Reaumur",    Kind::Unknown, "", {"Réaumur"}},
    Lookup{"decomposed é is no match",      {}, "temperature", "Re\xCC\x81" "aumur", Kind::Unknown, "", {}},
    Lookup{"exact wins over case",          {"Foo", "FOO"}, nullptr, "FOO",  Kind::Found, "FOO", {}},
    Lookup{"several ignoring case",         {"Foo", "bar", "FOO"}, nullptr, "foo", Kind::Ambiguous, "", {"Foo", "FOO"}},
    Lookup{"begun, then holding names",     {}, "length", "meter",           Kind::Unknown, "", {"Meters", "Kilometers", "Millimeter"}},
    Lookup{"one letter off",                {}, "mass", "Kilogramm",         Kind::Unknown, "", {"Kilogram"}},
    Lookup{"no near name, no suggestion",   {"a", "b"}, nullptr, "z",        Kind::Unknown, "", {}},
    Lookup{"a swap counts one",             {"meter", "mteer"}, nullptr, "mteer ", Kind::Unknown, "", {"mteer", "meter"}},
    Lookup{"blanks are part of a label",    {}, "area", " Acres",            Kind::Unknown, "", {"Acres"}}));
// clang-format on

TEST(CaseFolding, FoldsAsciiAndLatin1CapitalsOnly) {
  // À..Þ fold to à..þ; × (C3 97) has no small form; other bytes pass through.
  const struct {
    std::string_view text, folded;
  } cases[] = {
      {"ABC xyz / 09", "abc xyz / 09"},
      {"\xC3\x80\xC3\x89\xC3\x9E", "\xC3\xA0\xC3\xA9\xC3\xBE"},
      {"\xC3\x97\xC3\x9F", "\xC3\x97\xC3\x9F"},
      {"\xC3", "\xC3"},
      {"\xC4\x80", "\xC4\x80"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(foldCase(c.text), c.folded);
  }
}

TEST(CaseFolding, LeavesNoTwoLabelsOfACategoryAlike) {
  // Otherwise a label typed in its own case could not be told from another ignoring case.
  for (const Category& category : allCategories()) {
    std::vector<std::string> folded;
    for (const std::string_view label : category.labels()) folded.push_back(foldCase(label));
    std::sort(folded.begin(), folded.end());
    EXPECT_EQ(std::adjacent_find(folded.begin(), folded.end()), folded.end()) << category.id();
  }
}

}  // namespace
}  // namespace vardeln
