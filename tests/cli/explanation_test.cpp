// Vardeln — MIT licence, see LICENSE.
// Every explanation, read back as a person would and redone in doubles, gives what it says.
#include "explanation.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <map>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "categories.h"
#include "conversion.h"
#include "exact_double.h"

namespace vardeln::cli {
namespace {

using Equations = std::map<std::string, std::vector<std::string>, std::less<>>;

// Arithmetic as --explain writes it, computed in doubles in the usual order of operations;
// a name is worked out from its own equation, and one with none fails the test.
class Reader {
 public:
  Reader(std::string_view text, const Equations& equations, double x)
      : text_(text), equations_(equations), x_(x) {}

  double value() {
    const double value = sum();
    EXPECT_EQ(at_, text_.size()) << "unread: " << text_.substr(at_);
    return value;
  }

 private:
  bool take(std::string_view s) { return text_.substr(at_).starts_with(s) && (at_ += s.size()); }

  double sum() {
    for (double v = product();;) {
      if (take(" + "))
        v += product();
      else if (take(" - "))
        v -= product();
      else
        return v;
    }
  }

  double product() {
    for (double v = power();;) {
      if (take(" × ") || take(" * "))
        v *= power();
      else if (take(" ÷ ") || take(" / "))
        v /= power();
      else
        return v;
    }
  }

  // A power is written with a caret (ASCII) or as a superscript after its base.
  double power() {
    const double base = primary();
    if (take("^")) return std::pow(base, number());
    static const std::string_view kSuperscripts[] = {"⁰", "¹", "²", "³", "⁴",
                                                     "⁵", "⁶", "⁷", "⁸", "⁹"};
    std::string exponent;
    for (bool more = true; more;) {
      more = take("⁻") && (exponent += '-', true);
      for (int d = 0; d < 10; ++d) {
        if (take(kSuperscripts[d])) exponent += static_cast<char>('0' + d), more = true;
      }
    }
    return exponent.empty() ? base : std::pow(base, std::stod(exponent));
  }

  double primary() {
    if (take("(") || take("sqrt(")) {
      const bool root = text_[at_ - 2] == 't';
      const double v = sum();
      EXPECT_TRUE(take(")"));
      return root ? std::sqrt(v) : v;
    }
    if (take("√")) return std::sqrt(primary());
    if (std::isalpha(static_cast<unsigned char>(text_[at_])) == 0) return number();
    const std::size_t start = at_;
    while (at_ < text_.size() && std::isalpha(static_cast<unsigned char>(text_[at_])) != 0) ++at_;
    return valueOf(text_.substr(start, at_ - start));
  }

  double number() {
    double v = NAN;
    const auto [end, error] = std::from_chars(text_.data() + at_, text_.data() + text_.size(), v);
    EXPECT_EQ(error, std::errc()) << "no number at: " << text_.substr(at_);
    at_ = static_cast<std::size_t>(end - text_.data());
    return v;
  }

  double valueOf(std::string_view name) {
    if (name == "x") return x_;
    const auto equation = equations_.find(name);
    if (equation == equations_.end()) ADD_FAILURE() << name << " is not defined";
    return equation == equations_.end() ? NAN
                                        : Reader(equation->second.front(), equations_, x_).value();
  }

  std::string_view text_;
  const Equations& equations_;
  double x_;
  std::size_t at_ = 0;
};

// The equations an explanation writes: "B = x × 1000" and the steps under it ("= 2000"), and
// each constant's "where" line.
Equations equationsIn(const std::string& explanation) {
  static const std::regex kLine(R"(^ *(?:to base: *|from base: *|where *)?(?:(\w+) = |= )(.*)$)");
  Equations equations;
  std::string line, name;
  for (std::istringstream lines(explanation); std::getline(lines, line);) {
    std::smatch match;
    if (!std::regex_match(line, match, kLine)) continue;
    if (match[1].matched) name = match[1];
    for (std::string rest = match[2];;) {
      const std::size_t equals = rest.find(" = ");
      equations[name].push_back(rest.substr(0, equals));
      if (equals == std::string::npos) break;
      rest.erase(0, equals + 3);
    }
  }
  return equations;
}

TEST(Explanations, DefineEveryNameAndRedoneInDoublesGiveTheirResult) {
  for (const Category& category : allCategories()) {
    const std::size_t units = category.rules().size();
    for (std::size_t from = 0; from < units; ++from) {
      for (const Script script : {Script::Unicode, Script::Ascii}) {
        for (const char* value : {"1.75", "-3"}) {
          const std::size_t to = (from + 1) % units;
          const std::string text =
              explain(category, from, to, value, ResultForm::Exact, script).text;
          SCOPED_TRACE(text);
          const Equations equations = equationsIn(text);
          for (const auto& [name, steps] : equations) {
            const double last = Reader(steps.back(), equations, std::stod(value)).value();
            for (const std::string& step : steps) {
              EXPECT_TRUE(
                  testing::sameDouble(Reader(step, equations, std::stod(value)).value(), last))
                  << step;
            }
          }
          ASSERT_EQ(equations.count("result"), 1u);
          EXPECT_TRUE(testing::sameDouble(std::stod(equations.at("result").back()),
                                          convert(category, from, to, value).result));
        }
      }
    }
  }
}

}  // namespace
}  // namespace vardeln::cli
