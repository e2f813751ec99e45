// Vardeln — MIT licence, see LICENSE.
#include "number_style.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <utility>

#include "decimal_text.h"
#include "number_text.h"
#include "script_digits.h"

namespace vardeln {

// The own form, and a group mark of up to three bytes before every second of 309 digits.
static_assert(kMaxStyledLength >= kMaxFormDecimalLength + 153 * 3);

namespace {

constexpr std::string_view kBlanks = " \t\n\r\v\f";

bool isSpaceMark(GroupMark mark) {
  return mark == GroupMark::ThinSpace || mark == GroupMark::NarrowNoBreakSpace;
}

// The length of the group mark that `text` starts with, or 0.
std::size_t groupMarkAt(std::string_view text, GroupMark mark) {
  if (!isSpaceMark(mark)) {
    const std::string_view written = groupMarkText(mark);
    return text.starts_with(written) ? written.size() : 0;
  }
  for (const std::string_view space : {" ", "\u00A0", "\u2009", "\u202F"}) {
    if (text.starts_with(space)) return space.size();
  }
  return 0;
}

// The power of ten that a word after the number stands for, or 0 when it is none.
int scaleWord(std::string_view word) {
  if (word.size() > 6) return 0;
  std::string lower(word);
  for (char& c : lower) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
  if (lower == "lakh" || lower == "lakhs") return 5;
  if (lower == "crore" || lower == "crores") return 7;
  return 0;
}

// Whether a first group of zeros ("0.500" under a decimal comma) is read as the grouping
// reads any other first group; only to say why such a text is no number.
enum class ZeroGroup { Refused, Read };

// Writes `body` in the converter's own form (a point, no groups, the scale as an exponent)
// into `out`, which holds at least body.size() + 3 characters; nothing when the groups are
// badly placed or the text has a character of the converter's own form that the style does
// not use.
std::optional<std::size_t> toOwnForm(std::string_view body, int scale, const NumberStyle& style,
                                     char* out, ZeroGroup zeroGroup = ZeroGroup::Refused) {
  const std::size_t leading = style.grouping == Grouping::Indian ? 2 : 3;
  std::size_t i = 0;
  std::size_t length = 0;
  if (i < body.size() && (body[i] == '+' || body[i] == '-')) out[length++] = body[i++];
  std::size_t groups = 0;
  std::size_t run = 0;
  for (; i < body.size(); ++i) {
    if (isDigit(body[i])) {
      out[length++] = body[i];
      ++run;
      continue;
    }
    const std::size_t mark =
        style.grouping == Grouping::None ? 0 : groupMarkAt(body.substr(i), style.groupMark);
    if (mark == 0) break;
    // A mark ends a group: the first of one digit up to a whole group, each later one whole.
    if (run == 0 || run > leading || (groups > 0 && run != leading)) return std::nullopt;
    if (groups == 0 && zeroGroup == ZeroGroup::Refused &&
        std::all_of(out + length - run, out + length, [](char c) { return c == '0'; })) {
      return std::nullopt;
    }
    ++groups;
    run = 0;
    i += mark - 1;
  }
  if (groups > 0 && run != 3) return std::nullopt;
  if (i < body.size() && body[i] == style.decimalMark) {
    out[length++] = '.';
    for (++i; i < body.size() && isDigit(body[i]); ++i) out[length++] = body[i];
  }
  const std::string_view rest = body.substr(i);
  if (!rest.empty() && ((rest.front() != 'e' && rest.front() != 'E') || scale != 0)) {
    return std::nullopt;
  }
  std::memcpy(out + length, rest.data(), rest.size());
  length += rest.size();
  if (scale != 0) {
    out[length++] = 'e';
    out[length++] = static_cast<char>('0' + scale);
  }
  return length;
}

int floorModThree(int n) { return ((n % 3) + 3) % 3; }

int exponentOf(const char* begin, const char* end) {
  const char* e = std::find(begin, end, 'e');
  int exponent = 0;
  std::from_chars(e + (e[1] == '+' ? 2 : 1), end, exponent);
  return exponent;
}

// Moves the point of an exponent form so that the exponent is a multiple of three:
// "1.5e+04" becomes "15e+03", "1e+05" "100e+03". With `decimals` at 0 or more, the digits
// after the point are made that many, with zeros, or by dropping zeros that a carry to the
// next power of ten left.
char* shiftToEngineering(char* begin, char* end, int decimals) {
  const int exponent = exponentOf(begin, end);
  const int shift = floorModThree(exponent);
  char digits[kMaxFormDecimalLength];
  std::size_t count = 0;
  char* p = begin;
  if (*p == '-') ++p;
  for (; *p != 'e'; ++p) {
    if (*p != '.') digits[count++] = *p;
  }
  const std::size_t integer = static_cast<std::size_t>(shift) + 1;
  const std::size_t wanted =
      decimals < 0 ? std::max(count, integer) : integer + static_cast<std::size_t>(decimals);
  while (count < wanted) digits[count++] = '0';
  count = wanted;
  p = begin[0] == '-' ? begin + 1 : begin;
  std::memcpy(p, digits, integer);
  p += integer;
  if (count > integer) {
    *p++ = '.';
    std::memcpy(p, digits + integer, count - integer);
    p += count - integer;
  }
  const int shown = exponent - shift;
  *p++ = 'e';
  *p++ = shown < 0 ? '-' : '+';
  if (std::abs(shown) < 10) *p++ = '0';
  return std::to_chars(p, p + 4, std::abs(shown)).ptr;
}

char* writeEngineering(double value, const NumberStyle& style, char* out) {
  if (style.precision == Precision::SignificantDigits) {
    char* const end = writeScientificWithinRange(value, style.digits - 1, out);
    return shiftToEngineering(out, dropTrailingZeros(out, end), -1);
  }
  // The decimals asked count after the shifted point, so how many digits to round to depends
  // on the value's exponent: at 20 significant digits no double rounds up to the next power
  // of ten, so that exponent is the value's own.
  const int exponent = exponentOf(out, writeDecimal(value, DecimalForm::Scientific, 19, out));
  char* const end = writeScientificWithinRange(value, style.digits + floorModThree(exponent), out);
  return shiftToEngineering(out, end, style.digits);
}

// The text in the converter's own form (a point, no groups, a lower-case exponent).
char* writeOwnForm(double value, const NumberStyle& style, char* out) {
  const bool significant = style.precision == Precision::SignificantDigits;
  switch (style.notation) {
    case Notation::General: {
      if (significant) {
        if (std::abs(value) < 1e308) return writeDecimal(value, style.digits, out);
        return dropTrailingZeros(out, writeScientificWithinRange(value, style.digits - 1, out));
      }
      char* const end = writeDecimal(value, DecimalForm::Fixed, style.digits, out);
      if (value == 0.0 ||
          std::find_if(out, end, [](char c) { return c >= '1' && c <= '9'; }) != end) {
        return end;
      }
      return writeDecimal(value, DecimalForm::Scientific, style.digits, out);
    }
    case Notation::Scientific:
      if (!significant) return writeScientificWithinRange(value, style.digits, out);
      return dropTrailingZeros(out, writeScientificWithinRange(value, style.digits - 1, out));
    case Notation::Engineering:
      break;
  }
  return writeEngineering(value, style, out);
}

// The integer digits with the style's group mark between their groups: threes from the
// point, or under the Indian grouping the last three and twos before them.
char* writeGroups(std::string_view digits, Grouping grouping, std::string_view mark, char* out) {
  const std::size_t size = grouping == Grouping::Indian ? 2 : 3;
  const std::size_t tail =
      grouping == Grouping::Indian ? std::min<std::size_t>(digits.size(), 3) : 0;
  const std::string_view head = digits.substr(0, digits.size() - tail);
  if (!head.empty()) {
    const std::size_t first = (head.size() - 1) % size + 1;
    out = std::copy_n(head.data(), first, out);
    for (std::size_t i = first; i < head.size(); i += size) {
      out = std::copy(mark.begin(), mark.end(), out);
      out = std::copy_n(head.data() + i, size, out);
    }
    if (tail != 0) out = std::copy(mark.begin(), mark.end(), out);
  }
  return std::copy(digits.end() - tail, digits.end(), out);
}

// The number's text without its blanks, and the power of ten of a lakh or crore after it.
std::optional<std::pair<std::string_view, int>> numberBody(std::string_view text,
                                                           const NumberStyle& style) {
  std::string_view body = trimBlanks(text);
  if (body.empty()) return std::nullopt;
  int scale = 0;
  if (style.grouping != Grouping::Indian) return std::pair{body, scale};
  if (const std::size_t blank = body.find_last_of(kBlanks); blank != std::string_view::npos) {
    scale = scaleWord(body.substr(blank + 1));
    if (scale != 0) body = body.substr(0, body.find_last_not_of(kBlanks, blank) + 1);
  }
  return std::pair{body, scale};
}

// Whether the text may hold a group mark: for the spaces, any blank or the first byte of a
// no-break or typographic space.
bool mayHoldGroupMark(std::string_view text, GroupMark mark) {
  if (isSpaceMark(mark)) return text.find_first_of(" \xC2\xE2") != std::string_view::npos;
  return text.find(groupMarkText(mark).front()) != std::string_view::npos;
}

}  // namespace

std::string_view groupMarkText(GroupMark mark) {
  switch (mark) {
    case GroupMark::Comma:
      return ",";
    case GroupMark::Point:
      return ".";
    case GroupMark::Apostrophe:
      return "'";
    case GroupMark::ThinSpace:
      return "\u2009";
    case GroupMark::NarrowNoBreakSpace:
      return "\u202F";
  }
  return ",";
}

bool isStyle(const NumberStyle& style) {
  return style.grouping == Grouping::None || groupMarkFits(style.groupMark, style.decimalMark);
}

bool groupMarkFits(GroupMark mark, char decimalMark) {
  return groupMarkText(mark) != std::string_view(&decimalMark, 1);
}

GroupMark groupMarkBeside(char decimalMark, GroupMark mark) {
  if (groupMarkFits(mark, decimalMark)) return mark;
  return mark == GroupMark::Comma ? GroupMark::Point : GroupMark::Comma;
}

namespace {

// parseNumber(text, style) on a text whose digits are ASCII's, under a style other than the
// converter's own form.
std::optional<double> parseAsciiNumber(std::string_view text, const NumberStyle& style,
                                       ZeroGroup zeroGroup = ZeroGroup::Refused) {
  const auto body = numberBody(text, style);
  if (!body) return std::nullopt;
  // Most lines of a batch hold no group mark: with the point for decimal mark, they are
  // already in the converter's own form and read as they stand.
  if (style.decimalMark == '.' && body->second == 0 &&
      !mayHoldGroupMark(body->first, style.groupMark)) {
    return parseNumber(body->first);
  }
  // A typed number fits the buffer on the stack; a pasted text of any length still reads.
  char small[128];
  std::string large;
  char* out = small;
  if (body->first.size() + 3 > sizeof small) {
    large.resize(body->first.size() + 3);
    out = large.data();
  }
  const std::optional<std::size_t> length =
      toOwnForm(body->first, body->second, style, out, zeroGroup);
  if (!length) return std::nullopt;
  return parseNumber(std::string_view(out, *length));
}

}  // namespace

std::optional<double> parseNumber(std::string_view text, const NumberStyle& style) {
  if (style.decimalMark == '.' && style.grouping == Grouping::None) return parseNumber(text);
  if (const std::optional<double> value = parseAsciiNumber(text, style)) return value;
  if (!hasNonAscii(text)) return std::nullopt;
  const std::optional<std::string> ascii = scriptDigitsAsAscii(text);
  return ascii ? parseAsciiNumber(*ascii, style) : std::nullopt;
}

bool startsWithZeroGroup(std::string_view text, const NumberStyle& style) {
  if (style.grouping == Grouping::None || isNumber(text, style)) return false;
  std::optional<std::string> ascii;
  return parseAsciiNumber(inAsciiDigits(text, ascii), style, ZeroGroup::Read).has_value();
}

std::optional<std::string> ownFormText(std::string_view text, const NumberStyle& style) {
  if (!isNumber(text, style)) return std::nullopt;
  std::optional<std::string> ascii;
  text = inAsciiDigits(text, ascii);
  if (style.decimalMark == '.' && style.grouping == Grouping::None) return std::string(text);
  const auto body = numberBody(text, style);
  std::string own(body->first.size() + 3, '\0');
  own.resize(*toOwnForm(body->first, body->second, style, own.data()));
  return own;
}

std::optional<std::string> restyledNumber(std::string_view text, const NumberStyle& from,
                                          const NumberStyle& to) {
  std::optional<std::string> own = ownFormText(text, from);
  if (own) std::replace(own->begin(), own->end(), '.', to.decimalMark);
  return own;
}

bool isNumber(std::string_view text, const NumberStyle& style) {
  return parseNumber(text, style).has_value();
}

char* formatDouble(double value, const NumberStyle& style, char* out) {
  const bool grouped = style.grouping != Grouping::None && style.groupsResults;
  if (std::isinf(value) ||
      (style.decimalMark == '.' && !grouped && style.precision == Precision::SignificantDigits &&
       style.digits == kShownSignificantDigits && style.notation == Notation::General)) {
    return formatDouble(value, out);
  }
  if (value == 0.0) value = 0.0;  // negative zero shows as "0"
  NumberStyle clamped = style;
  clamped.digits = std::clamp(style.digits, style.precision == Precision::Decimals ? 0 : 1, 17);
  char own[kMaxFormDecimalLength];
  const char* const ownEnd = writeOwnForm(value, clamped, own);
  const char* p = own;
  if (*p == '-') *out++ = *p++;
  const char* const integerEnd = std::find_if_not(p, ownEnd, isDigit);
  const std::string_view integer(p, static_cast<std::size_t>(integerEnd - p));
  out = grouped ? writeGroups(integer, style.grouping, groupMarkText(style.groupMark), out)
                : std::copy(integer.begin(), integer.end(), out);
  p = integerEnd;
  if (p != ownEnd && *p == '.') {
    *out++ = style.decimalMark;
    ++p;
  }
  const char* const exponent = std::find(p, ownEnd, 'e');
  out = std::copy(p, exponent, out);
  if (exponent == ownEnd) return out;
  *out++ = 'E';
  return std::copy(exponent + 1, ownEnd, out);
}

std::string formatDouble(double value, const NumberStyle& style) {
  char buffer[kMaxStyledLength];
  return std::string(buffer, formatDouble(value, style, buffer));
}

}  // namespace vardeln
