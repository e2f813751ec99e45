// Vardeln — MIT licence, see LICENSE.
// Every unit's explanation, read back as a person reads it and redone in doubles, gives the
// values it prints to the last bit, and defines every name it uses.
#include "explanation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <regex>
#include <sstream>

#include "categories.h"
#include "conversion.h"
#include "exact_double.h"
#include "quantity_conversion.h"

namespace vardeln::cli {
namespace {

// Each name with the sides of its equation: "B" with "x × 1000", "2 × 1000" and "2000".
using Equations = std::map<std::string, std::vector<std::string>, std::less<>>;

// Arithmetic in the usual order of operations, in doubles; a name is worked out from its
// equation, and a name with none fails the test.
struct Reader {
  std::string_view s;  // what is left to read, in a string that ends in a null
  const Equations& equations;
  double x;

  bool take(std::string_view sign) {
    return s.starts_with(sign) && (s.remove_prefix(sign.size()), true);
  }
  double all() {
    const double v = chain(true);
    return s.empty() ? v : (ADD_FAILURE() << "cannot read " << s, NAN);
  }
  // One rank of signs, taken left to right: sums of products of powers.
  double chain(bool sums) {
    for (double v = sums ? chain(false) : power();;) {
      const bool up = take(sums ? " + " : " × ") || (!sums && take(" * "));
      if (!up && !take(sums ? " - " : " ÷ ") && (sums || !take(" / "))) return v;
      const double w = sums ? chain(false) : power();
      v = sums ? (up ? v + w : v - w) : (up ? v * w : v / w);
    }
  }
  double power() {  // a superscript exponent, or ^ and one
    static constexpr std::string_view kRaised[] = {"⁰", "¹", "²", "³", "⁴", "⁵",
                                                   "⁶", "⁷", "⁸", "⁹", "⁻"};
    const double base = primary();
    std::string exponent = take("^") ? std::to_string(number()) : "";
    for (int d = 0; d < 11; ++d) {
      if (take(kRaised[d])) exponent += "0123456789-"[d], d = -1;
    }
    return exponent.empty() ? base : std::pow(base, std::stod(exponent));
  }
  double primary() {
    const bool root = take("sqrt(");
    if (root || take("(")) {
      const double v = chain(true);
      EXPECT_TRUE(take(")"));
      return root ? std::sqrt(v) : v;
    }
    if (take("√")) return std::sqrt(primary());
    const auto letter = [&](std::size_t at) {
      return at < s.size() && std::isalpha(static_cast<unsigned char>(s[at])) != 0;
    };
    if (!letter(0)) return number();
    std::size_t length = 0;
    while (letter(length)) ++length;
    const std::string name(s.substr(0, length));
    s.remove_prefix(length);
    if (name == "x") return x;
    if (!equations.contains(name)) return ADD_FAILURE() << name << " is not defined", NAN;
    return Reader{equations.at(name).front(), equations, x}.all();
  }
  double number() {
    char* end = nullptr;
    const double v = std::strtod(s.data(), &end);
    s.remove_prefix(static_cast<std::size_t>(end - s.data()));
    return v;
  }
};

// The equations an explanation writes: "B = x × 1000" with the steps under it ("= 2000"), and
// each constant's line after "where".
Equations equationsIn(const std::string& explanation) {
  static const std::regex kLine(R"(^ *(?:to base: *|from base: *|where *)?(?:(\w+) = |= )(.*)$)");
  Equations equations;
  std::string line, name;
  for (std::istringstream lines(explanation); std::getline(lines, line);) {
    std::smatch match;
    if (!std::regex_match(line, match, kLine)) continue;
    if (match[1].matched) name = match[1];
    std::string sides = match[2];
    for (std::size_t at; (at = sides.find(" = ")) != std::string::npos; sides.erase(0, at + 3)) {
      equations[name].push_back(sides.substr(0, at));
    }
    equations[name].push_back(sides);
  }
  return equations;
}

TEST(Explanations, DefineEveryNameAndRedoneInDoublesGiveWhatTheyPrint) {
  for (const Category& category : allCategories()) {
    for (std::size_t from = 0, units = category.rules().size(); from < units; ++from) {
      for (const Script script : {Script::Unicode, Script::Ascii}) {
        for (const double x : {1.75, -3.0}) {
          const std::string value = testing::shortest(x);
          const std::string text =
              explain(category, from, (from + 1) % units, value, ResultForm::Exact, script).text;
          SCOPED_TRACE(text);
          if (script == Script::Ascii) {
            EXPECT_TRUE(std::ranges::all_of(text, [](char c) { return c > 0; }));
          }
          const Equations equations = equationsIn(text);
          for (const auto& [name, sides] : equations) {
            for (const std::string& side : sides) {
              EXPECT_TRUE(
                  testing::sameDouble(Reader{side, equations, x}.all(), std::stod(sides.back())))
                  << side;
            }
          }
          EXPECT_TRUE(
              testing::sameDouble(std::stod(equations.at("result").back()),
                                  convert(category, from, (from + 1) % units, value).result));
        }
      }
    }
  }
}

// A compound source is counted in its smallest part, then taken to the base unit; a compound
// target is split from its smallest part: the printed arithmetic redoes to the result.
TEST(Explanations, OfCompoundUnitsRedoneInDoublesGiveWhatTheyPrint) {
  for (const Category& category : allCategories()) {
    const QuantityUnit base(*category.unitIndex(category.baseLabel()));
    for (std::size_t k = 0; k < category.compoundUnits().size(); ++k) {
      const QuantityUnit compound(k, true);
      const std::string read =
          explainQuantity(category, compound, base, "3 7", 0, Script::Unicode).text;
      SCOPED_TRACE(read);
      const Equations equations = equationsIn(read);
      const double count = std::stod(equations.at("x").back());
      for (const auto& [name, sides] : equations) {
        for (const std::string& side : sides) {
          EXPECT_TRUE(
              testing::sameDouble(Reader{side, equations, count}.all(), std::stod(sides.back())))
              << side;
        }
      }
      EXPECT_TRUE(
          testing::sameDouble(std::stod(equations.at("result").back()),
                              convertQuantity(category, compound, base, "3 7").conversion.result));
      const std::string split =
          explainQuantity(category, base, compound, "1000", 0, Script::Unicode).text;
      EXPECT_NE(split.find("\n  = " +
                           quantityText(convertQuantity(category, base, compound, "1000")) + "\n"),
                std::string::npos)
          << split;
    }
  }
}

}  // namespace
}  // namespace vardeln::cli
