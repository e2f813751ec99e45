// Vardeln — MIT licence, see LICENSE.
// Every unit's label and names, written in another case or another Unicode form (the first
// two bytes choose the name, each further byte one change): a reading is the name's own unit,
// or a unit the changed text names with its case ("m" made "M" in prefix is Mega), or a
// refusal; never another unit.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "categories.h"
#include "quantity_conversion.h"
#include "unit_name_form.h"
#include "unit_name_match.h"
#include "unit_names.h"

namespace {

void require(bool condition, const char* what) {
  if (!condition) {
    std::fprintf(stderr, "broken: %s\n", what);
    std::abort();
  }
}

struct Written {
  const vardeln::Category* category;
  std::string_view text;
  std::string_view label;
};

std::vector<Written> everyName() {
  std::vector<Written> all;
  for (const vardeln::Category& category : vardeln::allCategories()) {
    for (const std::string_view label : vardeln::quantityUnitLabels(category)) {
      all.push_back({&category, label, label});
    }
    for (const vardeln::UnitNames& unit : vardeln::unitNameTable(category).units) {
      for (const std::string_view name : unit.names) all.push_back({&category, name, unit.label});
    }
  }
  return all;
}

void replaceFirst(std::string& text, std::string_view from, std::string_view to) {
  if (const std::size_t at = text.find(from); at != std::string::npos) {
    text.replace(at, from.size(), to);
  }
}

// One change a user's keyboard or a copied page makes to a name.
void change(std::string& text, std::uint8_t byte) {
  const std::size_t at = text.empty() ? 0 : (byte / 8) % text.size();
  switch (byte % 8) {
    case 0:  // a letter in the other case
      if (text[at] >= 'a' && text[at] <= 'z')
        text[at] = static_cast<char>(text[at] - 'a' + 'A');
      else if (text[at] >= 'A' && text[at] <= 'Z')
        text[at] = static_cast<char>(text[at] - 'A' + 'a');
      break;
    case 1:
      text.insert(byte & 8 ? text.size() : 0, " ");
      break;
    case 2:
      replaceFirst(text, " ", "\u00A0");
      break;
    case 3:
      text.append(".");
      break;
    case 4:
      replaceFirst(text, "\u03BC", "\u00B5");
      break;
    case 5:
      replaceFirst(text, "\u00C5", "A\u030A");
      break;
    case 6:
      replaceFirst(text, "°", byte & 8 ? "\u00BA" : "deg ");
      break;
    default:
      replaceFirst(text, "²", "^2");
      break;
  }
}

// Whether `label`'s unit has a label or a name that reads `text` with its case.
bool namesWithItsCase(const vardeln::Category& category, std::string_view label,
                      const std::string& text) {
  const std::string form = vardeln::normalUnitName(text);
  if (vardeln::normalUnitName(label) == form) return true;
  for (const vardeln::UnitNames& unit : vardeln::unitNameTable(category).units) {
    if (unit.label != label) continue;
    for (const std::string_view name : unit.names) {
      if (vardeln::normalUnitName(name) == form) return true;
    }
  }
  return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
  static const std::vector<Written> names = everyName();
  if (size < 2) return 0;
  const Written& chosen = names[(bytes[0] | bytes[1] << 8) % names.size()];
  std::string text(chosen.text);
  for (std::size_t i = 2; i < size && i < 34; ++i) change(text, bytes[i]);
  const vardeln::NameMatch match = vardeln::matchUnitName(*chosen.category, text);
  if (match.kind != vardeln::NameMatch::Kind::Found || match.name == chosen.label) return 0;
  require(namesWithItsCase(*chosen.category, match.name, text), "a name read as another unit");
  return 0;
}
