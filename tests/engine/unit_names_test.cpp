// Vardeln — MIT licence, see LICENSE.
// Units by the names people write: each name stands for its own unit, a shared one for none.
#include "unit_names.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "case_folding.h"
#include "categories.h"
#include "quantity_conversion.h"
#include "unit_name_form.h"
#include "unit_name_match.h"
#include "unit_name_notes.h"
#include "unit_search.h"

namespace vardeln {
namespace {

using Kind = NameMatch::Kind;

TEST(UnitNames, EachNameStandsForItsOwnUnitAndASharedOneForNone) {
  for (const Category& category : allCategories()) {
    SCOPED_TRACE(category.id());
    const UnitNameTable& table = unitNameTable(category);
    EXPECT_EQ(table.categoryId, category.id());
    std::vector<std::string_view> rows;
    for (const UnitNames& unit : table.units) {
      rows.push_back(unit.label);
      for (const std::string_view name : unit.names) {
        const NameMatch match = matchUnitName(category, name);
        EXPECT_TRUE(match.kind == Kind::Found && match.name == unit.label) << name;
      }
    }
    EXPECT_EQ(rows, category.labels());
    for (const RefusedName& refused : unitNameNotes().refused) {
      if (refused.categoryId != category.id()) continue;
      const NameMatch match = matchUnitName(category, refused.name);
      EXPECT_EQ(match.candidates, refused.labels) << refused.name;
      EXPECT_EQ(match.note, refused.note) << refused.name;
    }
    for (const SharedName& shared : table.shared) {
      EXPECT_EQ(matchUnitName(category, shared.name).candidates, shared.labels) << shared.name;
      for (const std::string_view label : shared.labels) EXPECT_TRUE(category.unitIndex(label));
    }
  }
}

TEST(UnitNames, WrittenNamesFindTheirUnits) {
  // One label: Found. Several: Ambiguous, naming them. None: Unknown, with the closest labels.
  // A symbol of a unit the tables lack: Lacking. Each with its case and its Unicode form.
  const struct {
    const char* category;
    std::string_view written;
    std::vector<std::string_view> labels;
    Kind kind = Kind::Found;
  } rows[] = {
      {"length", "foot", {"Feet"}},
      {"length", "FT", {"Feet"}},
      {"length", "″", {"Inches"}},
      {"length", "metre", {"Meters"}},
      {"length", "gaj", {"Yard-Gaz"}},
      {"length", "FEET AND INCHES", {"Feet and Inches"}},
      {"mass", "lbs", {"Pound"}},
      {"mass", "tolas", {"Tola"}},
      {"mass", "chatank", {"Chhatank"}},
      {"mass", "ser", {"Seer"}},
      {"mass", "ratti", {"Rutti"}},
      {"mass", "mun", {"Maund"}},
      {"mass", "milligram", {"Miligram"}},
      {"mass", "carat", {"Carat", "Carat Metric"}, Kind::Ambiguous},
      {"mass", "carats", {"Carat", "Carat Metric"}, Kind::Ambiguous},
      {"mass", "Ton", {"Long Ton", "Metric Ton", "Short Ton"}, Kind::Ambiguous},
      {"mass", "lbx", {"Pound"}, Kind::Unknown},
      {"energy", "cal", {"Calorie"}},
      {"energy", "Cal", {}, Kind::Unknown},
      {"energy", "KCAL", {}, Kind::Unknown},
      {"area", "sq ft", {"Feet Square"}},
      {"area", "M2", {"Meters Square"}},
      {"area", "kanals", {"Kanal"}},
      {"speed", "mph", {"Miles/hour"}},
      {"speed", "km/h", {"Kilometers/hour"}},
      {"temperature", "°c", {"Celsius"}},
      {"temperature", "°R", {"Rankine", "Réaumur"}, Kind::Ambiguous},
      {"time", "min", {"Minute"}},
      {"volume", "liter", {"Litre"}},
      {"volume", "gallon", {"Gallon Imperial", "Gallon US"}, Kind::Ambiguous},
      {"power", "hp", {"HorsePower Imperial", "HorsePower Metric"}, Kind::Ambiguous},
      // A symbol is read with its case; folded only where no other symbol folds alike.
      {"length", "KM", {"Kilometers"}},
      {"mass", "LBS", {"Pound"}},
      {"pressure", "PSI", {"Pounds / inch Square"}},
      {"length", "feet", {"Feet"}},
      {"length", "Mm", {}, Kind::Lacking},
      {"length", "MM", {"Millimeter"}, Kind::Ambiguous},
      {"mass", "Mg", {}, Kind::Lacking},
      {"mass", "MG", {"Miligram"}, Kind::Ambiguous},
      {"power", "KW", {}, Kind::Lacking},
      {"volume", "ml", {"Mililitre"}},
      {"energy", "Nm", {"Newton Meter"}},
      {"prefix", "k", {"Kilo"}},
      {"prefix", "M", {"Mega"}},
      {"prefix", "m", {"Milli"}},
      {"prefix", "G", {"Giga"}},
      {"prefix", "T", {"Tera"}},
      {"prefix", "\u00B5", {"Micro"}},
      {"prefix", "\u03BC", {"Micro"}},
      {"prefix", "u", {"Micro"}},
      {"prefix", "n", {"Nano"}},
      {"prefix", "p", {"Pico"}},
      {"prefix", "da", {"Deca"}},
      {"prefix", "Ki", {"Kibi"}},
      {"prefix", "Mi", {"Mebi"}},
      {"prefix", "Gi", {"Gibi"}},
      {"prefix", "R", {}, Kind::Lacking},
      // Spellings users write.
      {"mass", "chhatak", {"Chhatank"}},
      {"mass", "chattak", {"Chhatank"}},
      {"mass", "mann", {"Maund"}},
      {"mass", "rati", {"Rutti"}},
      {"mass", "tolah", {"Tola"}},
      {"mass", "maasha", {"Masha"}},
      {"mass", "paav", {"Pao"}},
      {"mass", "qtl", {"Quintal"}},
      {"mass", "gms", {"Gram"}},
      {"mass", "ozs", {"Ounce"}},
      {"mass", "lb.", {"Pound"}},
      {"mass", "\u00B5g", {"Gamma"}},
      {"volume", "ltr", {"Litre"}},
      {"volume", "cft", {"Cubic Foot"}},
      {"volume", "cbm", {"Cubic meter"}},
      {"volume", "cu m", {"Cubic meter"}},
      {"volume", "imp gal", {"Gallon Imperial"}},
      {"volume", "UK gal", {"Gallon Imperial"}},
      {"volume", "imp fl oz", {"Fluid Ounce Imperial"}},
      {"volume", "ac-ft", {"Acre Foot"}},
      {"length", "kms", {"Kilometers"}},
      {"length", "cms", {"Centimeters"}},
      {"length", "lightyear", {"Light Year"}},
      {"length", " ft", {"Feet"}},
      {"length", "\u212B", {"Angstrom"}},
      {"length", "A\u030A", {"Angstrom"}},
      {"pressure", "ksc", {"Kg / cm Square"}},
      {"power", "bhp", {"HorsePower Imperial"}},
      {"temperature", "degC", {"Celsius"}},
      {"temperature", "deg C", {"Celsius"}},
      {"temperature", "degF", {"Fahrenheit"}},
      {"temperature", "\u00BAC", {"Celsius"}},
      {"temperature", "\u02DAF", {"Fahrenheit"}},
      {"area", "m^2", {"Meters Square"}},
      {"area", "ft^2", {"Feet Square"}},
      {"area", "sq gaj", {"Yard-Gaz Square"}},
      {"area", "sq. ft.", {"Feet Square"}},
      {"area", "sq  ft", {"Feet Square"}},
      {"area", "sq\u00A0ft", {"Feet Square"}},
      {"density", "kg/m^3", {"Kg / Meter cube"}},
      {"density", "kg m\u207B\u00B3", {"Kg / Meter cube"}},
      {"speed", "m s\u207B\u00B9", {"Meters/second"}},
      {"speed", "m\u00B7s^-1", {"Meters/second"}},
      {"speed", "mi/hr", {"Miles/hour"}},
      {"speed", "km / h", {"Kilometers/hour"}},
      {"speed", "km per hour", {"Kilometers/hour"}},
      {"energy", "kW\u00B7h", {"kiloWatt hour"}},
      {"length", "per", {"Rod-Perch-Pole", "Bicron"}, Kind::Unknown},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.written);
    const NameMatch match = matchUnitName(*categoryById(row.category), row.written);
    EXPECT_EQ(match.kind, row.kind);
    EXPECT_EQ(row.kind == Kind::Found ? std::vector{match.name} : match.candidates, row.labels);
  }
}

TEST(UnitNames, ATextWithItsCaseNamesOneUnitAndAFoldThatReachesTwoIsRefused) {
  for (const Category& category : allCategories()) {
    // Each text of the category (labels, names, symbols the tables lack) and what it means.
    std::vector<std::pair<std::string_view, std::string_view>> texts;
    for (const std::string_view label : quantityUnitLabels(category))
      texts.emplace_back(label, label);
    for (const UnitNames& unit : unitNameTable(category).units) {
      for (const std::string_view name : unit.names) texts.emplace_back(name, unit.label);
    }
    for (const AbsentSymbol& absent : absentSymbols()) {
      if (absent.categoryId == category.id()) texts.emplace_back(absent.symbol, absent.symbol);
    }
    std::map<std::string, std::set<std::string_view>> withCase, folded;
    for (const auto& [text, meaning] : texts) {
      withCase[normalUnitName(text)].insert(meaning);
      folded[foldCase(normalUnitName(text))].insert(meaning);
    }
    for (const auto& [text, meanings] : withCase) EXPECT_EQ(meanings.size(), 1u) << text;
    for (const auto& [text, meaning] : texts) {
      std::string capitals(normalUnitName(text));
      std::transform(capitals.begin(), capitals.end(), capitals.begin(),
                     [](char c) { return c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c; });
      if (withCase.contains(capitals)) continue;
      // A prefix of one letter is read only with its case.
      const bool letterPrefix = capitals.size() == 1 && category.id() == "prefix";
      const bool oneMeaning = !letterPrefix && folded[foldCase(capitals)].size() == 1;
      const NameMatch match = matchUnitName(category, capitals);
      EXPECT_EQ(match.kind == Kind::Found, oneMeaning && match.kind != Kind::Lacking) << capitals;
      EXPECT_TRUE(match.kind != Kind::Found || match.name == meaning) << capitals;
    }
  }
}

TEST(UnitNames, AUnitOfSeveralSizesSaysWhichItIs) {
  const struct {
    const char* category;
    std::string_view written;
    std::string_view saying;  // a part of the note; empty: no note
  } rows[] = {
      {"area", "bigha", "Punjab bigha of 4 kanal, 21,780 sq ft"},
      {"mass", "cwt", "long hundredweight of 112 lb"},
      {"mass", "maund", "Indian maund of 40 seer"},
      {"volume", "cup", "US cup of 8 US fl oz"},
      {"energy", "cal", "international calorie of 4.1868 J"},
      {"length", "ft", ""},
  };
  for (const auto& row : rows) {
    const NameMatch match = matchUnitName(*categoryById(row.category), row.written);
    EXPECT_EQ(match.kind, Kind::Found) << row.written;
    EXPECT_EQ(match.note.empty(), row.saying.empty()) << row.written;
    EXPECT_NE(match.note.find(row.saying), std::string_view::npos) << row.written;
  }
}

TEST(UnitNames, MisspellingsSuggestTheRightUnitFirst) {
  // A swap, a letter off, a name cut short, a full stop, an abbreviation; nothing for no near.
  const struct {
    const char* category;
    std::string_view written;
    std::string_view first;  // empty: no suggestion
  } rows[] = {
      {"length", "mteers", "Meters"},   {"mass", "kilogarm", "Kilogram"},
      {"length", "Fet", "Feet"},        {"length", "kilomet", "Kilometers"},
      {"mass", "tolla", "Tola"},        {"area", "sq.yd", "Yard-Gaz Square"},
      {"volume", "cyd", "Cubic yard"},  {"volume", "cu.ft", "Cubic Foot"},
      {"mass", "chhatnak", "Chhatank"}, {"length", "Acres", ""},
  };
  for (const auto& row : rows) {
    const NameMatch match = matchUnitName(*categoryById(row.category), row.written);
    EXPECT_EQ(match.kind, Kind::Unknown) << row.written;
    const std::string_view first = match.candidates.empty() ? "" : match.candidates.front();
    EXPECT_EQ(first, row.first) << row.written;
  }
}

TEST(UnitNames, ANameLeftWithoutCategoryFindsEveryCategoryItFits) {
  const struct {
    std::string_view written;
    std::vector<std::string_view> categories;
  } rows[] = {
      {"ft", {"length"}},           {"tolas", {"mass"}}, {"ton", {"mass", "volume"}},
      {"kilo", {"mass", "prefix"}}, {"lbx", {}},         {"Cal", {"energy"}},
  };
  for (const auto& row : rows) {
    std::vector<std::string_view> found;
    for (const CategoryUnitMatch& match : categoriesNamingUnit(row.written)) {
      found.push_back(match.category->id());
    }
    EXPECT_EQ(found, row.categories) << row.written;
  }
}

TEST(UnitSearch, FindsTheUnitsOfEveryCategoryBestFirst) {
  // Equal names first, then names the text begins, then words it begins, then near misses.
  const struct {
    std::string typed;
    std::vector<std::string> first;  // "category: label", best first
  } rows[] = {
      {"tolas", {"mass: Tola"}},
      {"  TOLA ", {"mass: Tola"}},
      {"gallon", {"volume: Gallon Imperial", "volume: Gallon US"}},
      {"ton", {"mass: Long Ton", "mass: Metric Ton", "mass: Short Ton", "volume: Freight Ton"}},
      {"year", {"time: Year", "length: Light Year"}},
      {"kanl", {"area: Kanal"}},
      {"chatnak", {"mass: Chhatank"}},
      {"xq", {}},
      {"", {}},
      {std::string(kLongestUnitSearch - 1, 'a') + "tola", {}},
  };
  for (const auto& row : rows) {
    std::vector<std::string> found;
    for (const FoundUnit unit :
         searchUnits(row.typed, std::max<std::size_t>(row.first.size(), 1))) {
      const Category& category = allCategories()[unit.category];
      found.push_back(std::string(category.id()) + ": " +
                      std::string(quantityUnitLabels(category)[unit.unit]));
    }
    EXPECT_EQ(found, row.first) << row.typed;
  }
}

}  // namespace
}  // namespace vardeln
