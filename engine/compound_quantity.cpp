// Vardeln — MIT licence, see LICENSE.
#include "compound_quantity.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <numeric>

#include "case_folding.h"
#include "number_text.h"
#include "script_digits.h"
#include "unit_names.h"
#include "whole_power.h"
#include "whole_remainder.h"

namespace vardeln {
namespace {

const UnitRule& ruleOf(const Category& category, const CompoundPart& part) {
  return category.rules()[part.unit];
}

bool isDigits(std::string_view text) {
  return !text.empty() && std::all_of(text.begin(), text.end(), isDigit);
}

// The text after the one sign a quantity may start with.
std::string_view withoutSign(std::string_view text) {
  if (!text.empty() && (text.front() == '-' || text.front() == '+')) text.remove_prefix(1);
  return text;
}

// The part a written mark names: its label, one of its marks or a name people write for its
// unit ("lbs", "pounds"), case ignored; a full stop may close it, as after a symbol ("st.").
bool namesPart(const Category& category, const CompoundPart& part, std::string_view mark) {
  if (mark.size() > 1 && mark.back() == '.') mark.remove_suffix(1);
  const std::string folded = foldCase(mark);
  if (folded == foldCase(part.label)) return true;
  std::string_view marks = part.marks;
  while (!marks.empty()) {
    const std::size_t bar = marks.find('|');
    if (folded == foldCase(marks.substr(0, bar))) return true;
    marks = bar == std::string_view::npos ? std::string_view{} : marks.substr(bar + 1);
  }
  const std::vector<std::string_view>& names = unitNameTable(category).units[part.unit].names;
  return std::any_of(names.begin(), names.end(),
                     [&folded](std::string_view name) { return foldCase(name) == folded; });
}

std::string_view writtenMark(const CompoundPart& part) {
  return part.marks.substr(0, part.marks.find('|'));
}

// One number of a written quantity: "5", "7.25", "3/16", with the mark written after it.
struct Item {
  std::string_view number;
  std::string_view whole;  // the whole number in front of a fraction ("7" of "7 3/16")
  std::string_view mark;
};

bool startsNumber(std::string_view text, std::size_t at, const NumberStyle& style) {
  return isDigit(text[at]) ||
         (text[at] == style.decimalMark && at + 1 < text.size() && isDigit(text[at + 1]));
}

// Whether the character at `at` belongs to a number in the style: a digit, the decimal mark,
// or a one-byte group mark between digits (so "5' 7\"" keeps its feet mark).
bool inNumber(std::string_view text, std::size_t at, const NumberStyle& style) {
  const std::string_view groupMark = groupMarkText(style.groupMark);
  const bool grouped = style.grouping != Grouping::None && groupMark.size() == 1 &&
                       text[at] == groupMark.front() && at > 0 && isDigit(text[at - 1]) &&
                       at + 1 < text.size() && isDigit(text[at + 1]);
  return isDigit(text[at]) || text[at] == style.decimalMark || grouped;
}

// The end of the number starting at `at`: digits, marks and groups, an exponent, or "n/d".
std::size_t numberEnd(std::string_view text, std::size_t at, const NumberStyle& style) {
  std::size_t end = at;
  while (end < text.size() && inNumber(text, end, style)) ++end;
  if (end < text.size() && (text[end] == 'e' || text[end] == 'E')) {
    std::size_t digits = end + 1;
    if (digits < text.size() && (text[digits] == '+' || text[digits] == '-')) ++digits;
    if (digits < text.size() && isDigit(text[digits])) {
      end = digits;
      while (end < text.size() && isDigit(text[end])) ++end;
    }
  } else if (end + 1 < text.size() && text[end] == '/' && isDigit(text[end + 1])) {
    end += 1;
    while (end < text.size() && isDigit(text[end])) ++end;
  }
  return end;
}

// Parts the text into numbers and their marks; colons may part numbers that have no marks.
std::optional<std::vector<Item>> items(std::string_view text, const NumberStyle& style) {
  std::vector<Item> found;
  found.reserve(kMaxCompoundParts);
  bool colons = false;
  bool afterColon = false;  // a colon parts two numbers: "1::5" and "5:" leave a field empty
  std::size_t at = 0;
  while (at < text.size()) {
    if (isBlank(text[at])) {
      ++at;
    } else if (startsNumber(text, at, style)) {
      const std::size_t end = numberEnd(text, at, style);
      found.push_back({text.substr(at, end - at), {}, {}});
      afterColon = false;
      at = end;
    } else if (text[at] == ':') {
      if (found.empty() || !found.back().mark.empty() || afterColon) return std::nullopt;
      colons = afterColon = true;
      ++at;
    } else {
      std::size_t end = at;
      while (end < text.size() && text[end] != ':' && !startsNumber(text, end, style)) ++end;
      if (found.empty() || !found.back().mark.empty()) return std::nullopt;
      found.back().mark = trimBlanks(text.substr(at, end - at));
      at = end;
    }
  }
  if (afterColon) return std::nullopt;
  // "7 3/16": a whole number without a mark and the fraction after it are one number.
  for (std::size_t i = 0; i + 1 < found.size(); ++i) {
    if (isDigits(found[i].number) && found[i].mark.empty() &&
        found[i + 1].number.find('/') != std::string_view::npos) {
      found[i + 1].whole = found[i].number;
      found.erase(found.begin() + static_cast<std::ptrdiff_t>(i));
    }
  }
  if (colons && std::any_of(found.begin(), found.end(),
                            [](const Item& item) { return !item.mark.empty(); })) {
    return std::nullopt;
  }
  return found;
}

// The value of the last part: a number as parseNumber reads it, or w + n / d.
std::optional<double> lastValue(const Item& item, const NumberStyle& style) {
  const std::size_t slash = item.number.find('/');
  if (slash == std::string_view::npos) return parseNumber(item.number, style);
  const std::string_view numerator = item.number.substr(0, slash);
  const std::optional<double> n = parseNumber(numerator);
  const std::optional<double> d = parseNumber(item.number.substr(slash + 1));
  const std::optional<double> w = parseNumber(item.whole.empty() ? "0" : item.whole);
  if (!isDigits(numerator) || !n.has_value() || !d.has_value() || !w.has_value() || *d == 0) {
    return std::nullopt;
  }
  return item.whole.empty() ? *n / *d : *w + *n / *d;
}

// 10^n: a constant while it is exact (to 10^22), which std::pow gives too, without its cost.
double powerOfTen(int n) { return n >= 0 && n <= 22 ? kExactPowersOfTen[n] : std::pow(10.0, n); }

// The shown digits as a double: the nearest one while the power of ten is exact (to 10^22),
// within a rounding or two beyond it, and infinity past the largest double. `power` is
// 10^|place|.
double shownValue(ShownDigits shown, double power) {
  const double digits = static_cast<double>(shown.digits);
  if (shown.place >= 0) return digits * power;
  if (shown.place >= -300) return digits / power;
  // Below 10^-308 a power of ten is no double: the division is made in two steps.
  return digits / powerOfTen(300) / powerOfTen(-shown.place - 300);
}

// A value rounded to the place of its last shown digit; `power` is 10^|place|.
double roundedToPlace(double value, int place, double power) {
  if (place >= 0) return std::round(value / power) * power;
  // Infinite below about 1e-294, whose last shown digit lies past the largest power of ten
  // a double holds: such a number is its shown digits already, with nothing left to round.
  if (std::isinf(power)) return value;
  return std::round(value * power) / power;
}

std::uint64_t powerOf(std::uint64_t base, int exponent) {
  std::uint64_t power = 1;
  while (exponent-- > 0) power *= base;
  return power;
}

// A shown magnitude with a fraction (place < 0) rounded to the nearest multiple of
// 1 / denominator, and how far that moved it, both exact: the shown digits are a decimal and
// 1 / denominator (a power of two) one of at most six places, so the move has at most 18.
struct FractionRounding {
  double total = 0.0;
  bool up = false;
  ShownDigits moved;  // how far, digits × 10^place
};

FractionRounding roundedToFraction(ShownDigits shown, int denominator) {
  const int places = -shown.place;
  // Below 10^-4 every fraction but zero is farther than zero: the whole quantity moves.
  if (places > 18) return {0.0, false, shown};
  const std::uint64_t scale = powerOf(10, places);
  const std::uint64_t whole = shown.digits / scale;
  const std::uint64_t rest = shown.digits % scale;  // below 10^15, so rest × 64 fits
  std::uint64_t numerator = rest * static_cast<std::uint64_t>(denominator) / scale;
  const std::uint64_t remainder = rest * static_cast<std::uint64_t>(denominator) % scale;
  if (2 * remainder >= scale) ++numerator;  // halfway goes up, away from zero
  FractionRounding rounding;
  rounding.total = static_cast<double>(whole) + static_cast<double>(numerator) / denominator;
  const int fractionPlaces = std::countr_zero(static_cast<unsigned>(denominator));
  const int common = std::max(places, fractionPlaces);
  const std::uint64_t to =
      numerator * powerOf(5, fractionPlaces) * powerOf(10, common - fractionPlaces);
  const std::uint64_t from = rest * powerOf(10, common - places);
  rounding.up = to > from;
  rounding.moved = {rounding.up ? to - from : from - to, -common};
  for (; rounding.moved.digits != 0 && rounding.moved.digits % 10 == 0;
       rounding.moved.digits /= 10) {
    ++rounding.moved.place;
  }
  return rounding;
}

// An amount below one in plain decimals ("0.003625"), as a person reads a rounding; one too
// small for that as a result shows it ("1.6E-307").
std::string amountText(ShownDigits amount, char decimalMark) {
  std::string text = std::to_string(amount.digits);
  if (amount.place < -18) {
    const int exponent = amount.place + static_cast<int>(text.size()) - 1;
    if (text.size() > 1) text.insert(1, 1, decimalMark);
    return text.append(exponent > -10 ? "E-0" : "E-").append(std::to_string(-exponent));
  }
  const auto decimals = static_cast<std::size_t>(-amount.place);
  if (text.size() <= decimals) text.insert(0, decimals + 1 - text.size(), '0');
  return text.insert(text.size() - decimals, 1, decimalMark);
}

std::string lastPartText(double last, int denominator, const NumberStyle& style) {
  if (denominator == 0) return formatDouble(last, style);
  const double whole = std::floor(last);
  long long numerator = std::llround((last - whole) * denominator);
  long long parts = denominator;
  const long long common = std::gcd(numerator, parts);
  if (numerator == 0) return formatDouble(whole, style);
  numerator /= common;
  parts /= common;
  std::string text = whole == 0 ? std::string() : formatDouble(whole, style).append(" ");
  return text.append(std::to_string(numerator)).append("/").append(std::to_string(parts));
}

}  // namespace

namespace {

// compoundSizes into `sizes`, one per part.
void writeCompoundSizes(const Category& category, const CompoundUnit& unit, double* sizes) {
  const std::size_t count = unit.parts.size();
  sizes[count - 1] = 1.0;
  for (std::size_t k = count - 1; k-- > 0;) {
    sizes[k] = sizes[k + 1] * compoundStep(category, unit.parts[k], unit.parts[k + 1]);
  }
}

}  // namespace

double compoundStep(const Category& category, const CompoundPart& larger,
                    const CompoundPart& smaller) {
  return std::round(ruleOf(category, smaller).fromBase(ruleOf(category, larger).toBase(1.0)));
}

std::vector<double> compoundSizes(const Category& category, const CompoundUnit& unit) {
  std::vector<double> sizes(unit.parts.size());
  writeCompoundSizes(category, unit, sizes.data());
  return sizes;
}

bool isCompoundDenominator(int denominator) {
  return denominator >= 2 && denominator <= 64 && (denominator & (denominator - 1)) == 0;
}

std::optional<std::string_view> unknownCompoundMark(const Category& category,
                                                    const CompoundUnit& unit, std::string_view text,
                                                    const NumberStyle& style) {
  text = withoutSign(trimBlanks(text));
  const std::optional<std::vector<Item>> written = items(text, style);
  if (!written) return std::nullopt;
  for (const Item& item : *written) {
    if (!item.mark.empty() &&
        std::none_of(unit.parts.begin(), unit.parts.end(), [&](const CompoundPart& part) {
          return namesPart(category, part, item.mark);
        })) {
      return item.mark;
    }
  }
  return std::nullopt;
}

std::optional<std::string_view> unmarkedCompoundNumber(std::string_view text,
                                                       const NumberStyle& style) {
  const std::optional<std::vector<Item>> written = items(withoutSign(trimBlanks(text)), style);
  if (!written) return std::nullopt;
  const auto marked = [](const Item& item) { return !item.mark.empty(); };
  if (std::none_of(written->begin(), written->end(), marked)) return std::nullopt;
  const auto unmarked = std::find_if_not(written->begin(), written->end(), marked);
  if (unmarked == written->end()) return std::nullopt;
  const std::string_view number = unmarked->number;
  if (unmarked->whole.empty()) return number;
  // The whole number and its fraction are both views of the text: one view spans them.
  const char* first = unmarked->whole.data();
  return std::string_view(first, static_cast<std::size_t>(number.data() + number.size() - first));
}

std::optional<CompoundReading> readCompoundQuantity(const Category& category,
                                                    const CompoundUnit& unit, std::string_view text,
                                                    const NumberStyle& style) {
  // All its numbers at once, so that they are of one script.
  std::optional<std::string> ascii;
  text = trimBlanks(inAsciiDigits(text, ascii));
  const bool negative = !text.empty() && text.front() == '-';
  text = withoutSign(text);
  if (text.empty() || !startsNumber(text, 0, style)) return std::nullopt;
  const std::optional<std::vector<Item>> written = items(text, style);
  if (!written || written->empty() || written->size() > unit.parts.size()) return std::nullopt;

  const bool marked = !written->front().mark.empty();
  std::size_t part = unit.parts.size() - written->size();
  std::array<double, kMaxCompoundParts> sizes{};
  writeCompoundSizes(category, unit, sizes.data());
  std::optional<double> total;
  CompoundReading reading;
  reading.parts.resize(unit.parts.size());
  reading.written.resize(unit.parts.size());
  for (std::size_t i = 0; i < written->size(); ++i) {
    const Item& item = (*written)[i];
    if (item.mark.empty() == marked) return std::nullopt;
    if (marked) {
      const std::size_t from = i == 0 ? 0 : part + 1;
      std::size_t named = from;
      while (named < unit.parts.size() && !namesPart(category, unit.parts[named], item.mark)) {
        ++named;
      }
      if (named == unit.parts.size()) return std::nullopt;
      part = named;
    } else if (i > 0) {
      ++part;
    }
    const bool last = i + 1 == written->size();
    const std::optional<double> value =
        last ? lastValue(item, style) : parseNumber(item.number, style);
    if (!value || (!last && std::floor(*value) != *value)) return std::nullopt;
    reading.parts[part] = negative ? -*value : *value;
    reading.written[part] = {item.whole, item.number};
    total = total ? *total + *value * sizes[part] : *value * sizes[part];
  }
  reading.inSmallestUnit = negative ? -*total : *total;
  reading.base = ruleOf(category, unit.parts.back()).toBase(reading.inSmallestUnit);
  return reading;
}

std::optional<std::string> restyledCompoundText(const Category& category, const CompoundUnit& unit,
                                                std::string_view text, const NumberStyle& from,
                                                const NumberStyle& to) {
  if (!readCompoundQuantity(category, unit, text, from)) return std::nullopt;
  std::optional<std::string> ascii;
  text = inAsciiDigits(text, ascii);
  // The numbers are found as the reader parts them; a fraction's digits need no restyling.
  std::string restyled;
  for (std::size_t at = 0; at < text.size();) {
    if (!startsNumber(text, at, from)) {
      restyled.push_back(text[at++]);
      continue;
    }
    const std::size_t end = numberEnd(text, at, from);
    const std::string_view number = text.substr(at, end - at);
    if (number.find('/') != std::string_view::npos) {
      restyled.append(number);
    } else if (const std::optional<std::string> part = restyledNumber(number, from, to)) {
      restyled.append(*part);
    } else {
      return std::nullopt;
    }
    at = end;
  }
  return restyled;
}

CompoundQuantity writeCompoundQuantity(const Category& category, const CompoundUnit& unit,
                                       double base, int denominator, const NumberStyle& style) {
  CompoundQuantity quantity;
  splitCompoundQuantity(category, unit, ruleOf(category, unit.parts.back()).fromBase(base),
                        denominator, style, quantity);
  return quantity;
}

CompoundQuantity splitCompoundQuantity(const Category& category, const CompoundUnit& unit,
                                       double inSmallest, int denominator,
                                       const NumberStyle& style) {
  CompoundQuantity quantity;
  splitCompoundQuantity(category, unit, inSmallest, denominator, style, quantity);
  return quantity;
}

void splitCompoundQuantity(const Category& category, const CompoundUnit& unit, double inSmallest,
                           int denominator, const NumberStyle& style, CompoundQuantity& quantity) {
  // The parts keep the shown digits: only the style's marks and grouping apply to them.
  NumberStyle partStyle;
  partStyle.decimalMark = style.decimalMark;
  partStyle.grouping = style.grouping;
  partStyle.groupMark = style.groupMark;
  partStyle.groupsResults = style.groupsResults;
  const std::size_t count = unit.parts.size();
  const bool negative = inSmallest < 0;
  const ShownDigits shown = shownDigits(inSmallest);
  const int place = shown.place;
  // 10^|place|, for the shown value and the last part's rounding alike.
  const double power = powerOfTen(place >= 0 ? place : -place);
  double total = shownValue(shown, power);
  // Shown digits past the largest double: the quantity itself is split, and what it holds
  // beyond those digits falls in the parts below them, which come out zero.
  if (std::isinf(total)) total = std::fabs(inSmallest);

  quantity.roundingNote.clear();
  // A shown quantity without a fraction (from 10^14 on) has nothing to round.
  if (denominator != 0 && place < 0) {
    const FractionRounding rounding = roundedToFraction(shown, denominator);
    total = rounding.total;
    if (rounding.moved.digits != 0) {
      quantity.roundingNote.append("rounded ").append(rounding.up != negative ? "up" : "down");
      quantity.roundingNote.append(" by ")
          .append(amountText(rounding.moved, style.decimalMark))
          .append(" ");
      quantity.roundingNote.append(writtenMark(unit.parts.back()));
    }
  }
  quantity.inSmallestUnit = negative ? -total : total;

  // How many of the smallest unit each part holds, and the steps between neighbours.
  std::array<double, kMaxCompoundParts> sizes{};
  writeCompoundSizes(category, unit, sizes.data());
  std::array<double, kMaxCompoundParts> steps{};
  for (std::size_t k = 0; k + 1 < count; ++k) steps[k] = sizes[k] / sizes[k + 1];
  std::array<double, kMaxCompoundParts> parts{};
  double rest = total;
  // The remainder is exact, so each smaller part stays within its step at any size.
  for (std::size_t k = 0; k + 1 < count; ++k) {
    const double remainder = wholeRemainder(rest, sizes[k]);
    parts[k] = std::round((rest - remainder) / sizes[k]);
    rest = remainder;
  }
  parts[count - 1] = denominator != 0 ? rest : roundedToPlace(rest, place, power);
  // A part that the shown digits round up to a whole step carries into the larger ones.
  // Beyond the digits a double holds (2^53 of the smallest unit) a smaller part may come
  // out of its range: it is then below the quantity's precision, and zero.
  for (std::size_t k = count - 1; k > 0; --k) {
    if (parts[k] < steps[k - 1]) continue;
    const double carry = std::floor(parts[k] / steps[k - 1]);
    parts[k] -= carry * steps[k - 1];
    parts[k - 1] += carry;
    if (parts[k] < 0 || parts[k] >= steps[k - 1]) parts[k] = 0;
  }

  std::size_t first = 0;
  while (first + 1 < count && parts[first] == 0) ++first;
  quantity.text.clear();
  if (negative && total != 0) quantity.text.push_back('-');
  char number[kMaxStyledLength];
  for (std::size_t k = first; k < count; ++k) {
    if (k > first) quantity.text += ' ';
    if (k + 1 < count || denominator == 0) {
      quantity.text.append(number, formatDouble(parts[k], partStyle, number));
    } else {
      quantity.text += lastPartText(parts[k], denominator, partStyle);
    }
    quantity.text += ' ';
    quantity.text += writtenMark(unit.parts[k]);
  }
  quantity.parts.clear();
  for (std::size_t k = 0; k < count; ++k) {
    quantity.parts.push_back(negative && parts[k] != 0 ? -parts[k] : parts[k]);
  }
}

}  // namespace vardeln
