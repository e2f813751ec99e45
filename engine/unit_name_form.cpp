// Vardeln — MIT licence, see LICENSE.
#include "unit_name_form.h"

#include <algorithm>
#include <array>
#include <vector>

#include "composed_text.h"
#include "script_digits.h"
#include "utf8_sequence.h"

namespace vardeln {
namespace {

struct Notation {
  std::string_view written;
  std::string_view normal;
};

// clang-format off
// written           normal
constexpr std::array kNotations{
    Notation{"\u00B5",    "\u03BC"},        // micro sign: Greek small mu
    Notation{"\u00BA",    "°"},             // masculine ordinal indicator
    Notation{"\u02DA",    "°"},             // ring above
    Notation{"\u00B7",    " "},             // middle dot: a product
    Notation{"\u22C5",    " "},             // dot operator: a product
    Notation{"\t",        " "},
    Notation{"\u00A0",    " "},             // no-break space
    Notation{"\u2009",    " "},             // thin space
    Notation{"\u202F",    " "},             // narrow no-break space
    Notation{"^2",        "²"},
    Notation{"^3",        "³"},
    Notation{"^-1",       "⁻¹"},
    Notation{"^-2",       "⁻²"},
    Notation{"^-3",       "⁻³"},
};
// A unit to a negative power after a blank divides: "kg m⁻³" is "kg/m³".
constexpr std::array kReciprocals{
    Notation{"⁻¹",        ""},
    Notation{"⁻²",        "²"},
    Notation{"⁻³",        "³"},
};
// clang-format on

bool isWellFormedUtf8(std::string_view text) {
  for (std::size_t i = 0; i < text.size();) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if (byte < 0x80) {
      ++i;
      continue;
    }
    if (!isUtf8Lead(byte)) return false;
    const Utf8Sequence sequence = utf8Sequence(text.substr(i));
    if (sequence.wellFormed != sequence.length) return false;
    i += sequence.length;
  }
  return true;
}

std::string composed(std::string_view written) {
  return !hasNonAscii(written) || !isWellFormedUtf8(written) ? std::string(written)
                                                             : composedText(written);
}

std::string withNotationSigns(std::string_view text) {
  std::string signs;
  signs.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    const auto notation = std::find_if(kNotations.begin(), kNotations.end(), [&](Notation n) {
      return text.substr(i).starts_with(n.written);
    });
    if (notation == kNotations.end()) {
      signs.push_back(text[i++]);
    } else {
      signs.append(notation->normal);
      i += notation->written.size();
    }
  }
  return signs;
}

bool isAsciiLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

std::vector<std::string> words(std::string_view text) {
  std::vector<std::string> found;
  for (std::size_t at = text.find_first_not_of(' '); at != std::string_view::npos;
       at = text.find_first_not_of(' ', at)) {
    const std::size_t end = std::min(text.find(' ', at), text.size());
    std::string word(text.substr(at, end - at));
    // An abbreviation's full stop: "lb." is "lb".
    if (word.size() > 1 && word.back() == '.' && isAsciiLetter(word[word.size() - 2])) {
      word.pop_back();
    }
    // "degC" is "°C".
    if (word.size() > 3 && word.starts_with("deg") && word[3] >= 'A' && word[3] <= 'Z') {
      word.replace(0, 3, "°");
    }
    found.push_back(std::move(word));
    at = end;
  }
  return found;
}

}  // namespace

std::string normalUnitName(std::string_view written) {
  std::string normal;
  bool joinsNext = true;  // no blank before the next word
  for (std::string word : words(withNotationSigns(composed(written)))) {
    if (!normal.empty() && (word == "per" || word == "/")) {
      normal.push_back('/');
      joinsNext = true;
      continue;
    }
    if (word == "deg" || word == "°") {
      if (!joinsNext) normal.push_back(' ');
      normal.append("°");
      joinsNext = true;
      continue;
    }
    if (!joinsNext && !word.starts_with('/') && !normal.ends_with('/')) {
      const auto reciprocal =
          std::find_if(kReciprocals.begin(), kReciprocals.end(), [&word](Notation n) {
            return word.size() > n.written.size() && word.ends_with(n.written);
          });
      if (reciprocal == kReciprocals.end()) {
        normal.push_back(' ');
      } else {
        normal.push_back('/');
        word.replace(word.size() - reciprocal->written.size(), reciprocal->written.size(),
                     reciprocal->normal);
      }
    }
    normal.append(word);
    joinsNext = false;
  }
  return normal;
}

}  // namespace vardeln
