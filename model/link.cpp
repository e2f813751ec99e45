// Vardeln — MIT licence, see LICENSE.
#include "link.h"

#include <algorithm>
#include <array>
#include <optional>
#include <span>
#include <vector>

#include "categories.h"
#include "name_match.h"
#include "quantity_conversion.h"
#include "quoted_name.h"

namespace vardeln {
namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";
// The leading part of a link to a conversion by today's definitions; a link without it, as
// every link written before them, converts by the legacy tables.
constexpr std::string_view kToday = "today";

// What encodeURIComponent leaves as it is.
bool unreserved(unsigned char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
         std::string_view("-_.!~*'()").find(static_cast<char>(c)) != std::string_view::npos;
}

void appendEncoded(std::string& out, std::string_view text) {
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (unreserved(byte)) {
      out.push_back(c);
    } else {
      out.push_back('%');
      out.push_back(kHexDigits[byte >> 4]);
      out.push_back(kHexDigits[byte & 0xF]);
    }
  }
}

int hexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// The text of a percent-encoded part, or nothing when a percent sign starts no escape.
std::optional<std::string> decoded(std::string_view part) {
  std::string text;
  for (std::size_t i = 0; i < part.size(); ++i) {
    if (part[i] != '%') {
      text.push_back(part[i]);
      continue;
    }
    if (i + 2 >= part.size()) return std::nullopt;
    const int high = hexValue(part[i + 1]);
    const int low = hexValue(part[i + 2]);
    if (high < 0 || low < 0) return std::nullopt;
    text.push_back(static_cast<char>(high * 16 + low));
    i += 2;
  }
  return text;
}

std::size_t encodedLength(std::string_view text) {
  std::string encoded;
  appendEncoded(encoded, text);
  return encoded.size();
}

std::string joined(std::span<const std::string> parts, std::size_t begin, std::size_t end) {
  std::string text;
  for (std::size_t i = begin; i < end; ++i) {
    if (i > begin) text.push_back('/');
    text += parts[i];
  }
  return text;
}

// How many parts of a link the longest of a category's labels takes when its slashes are
// left unencoded.
std::size_t mostPartsOfALabel(const Category& units) {
  std::size_t most = 1;
  for (const std::string_view label : quantityUnitLabels(units)) {
    const auto slashes = std::count(label.begin(), label.end(), '/');
    most = std::max(most, 1 + static_cast<std::size_t>(slashes));
  }
  return most;
}

std::optional<std::size_t> found(std::span<const std::string_view> names, std::string_view name) {
  const NameMatch match = matchName(names, name);
  if (match.kind != NameMatch::Kind::Found) return std::nullopt;
  return static_cast<std::size_t>(std::find(names.begin(), names.end(), match.name) -
                                  names.begin());
}

}  // namespace

std::string linkOf(const Converter& converter) {
  std::string link = "#";
  if (converter.definitions() == Converter::Definitions::Today) link.append(kToday).append("/");
  appendEncoded(link, converter.category().id());
  const std::string number = converter.numberInOwnForm();
  for (const std::string_view part :
       {std::string_view(number), converter.fromLabel(), converter.toLabel()}) {
    link.push_back('/');
    appendEncoded(link, part);
  }
  return link;
}

std::size_t longestLink() {
  static const std::size_t longest = [] {
    std::size_t category = 0;
    std::size_t label = 0;
    for (const Category& units : allCategories()) {
      category = std::max(category, encodedLength(units.id()));
      for (const std::string_view name : quantityUnitLabels(units)) {
        label = std::max(label, encodedLength(name));
      }
    }
    // A UTF-16 code unit of the number takes at most three bytes of UTF-8, each written
    // as three characters.
    constexpr std::size_t kMostPerCodeUnit = 9;
    return kToday.size() + 1 + category + kMostPerCodeUnit * Converter::kLongestNumber + 2 * label +
           3;
  }();
  return longest;
}

unsigned followLink(Converter& converter, std::string_view address) {
  if (address.starts_with('#')) address.remove_prefix(1);
  if (address.empty()) {
    return converter.openConversion(0, 0, 0, "0", Converter::Definitions::LegacyTables);
  }
  if (address.size() > longestLink()) {
    return converter.openUnknownLink("This link is too long: over " +
                                     std::to_string(longestLink()) + " characters");
  }

  std::vector<std::string> parts;
  for (std::size_t start = 0;;) {
    const std::size_t slash = address.find('/', start);
    const auto part = decoded(address.substr(start, slash - start));
    if (!part) return converter.openUnknownLink("This link holds no conversion");
    parts.push_back(*part);
    if (slash == std::string_view::npos) break;
    start = slash + 1;
  }
  auto definitions = Converter::Definitions::LegacyTables;
  if (parts.size() > 1 && found(std::array{kToday}, parts[0])) {
    definitions = Converter::Definitions::Today;
    parts.erase(parts.begin());
  }
  if (parts.size() < 4) return converter.openUnknownLink("This link holds no conversion");

  const std::optional<std::size_t> category = found(categoryIds(), parts[0]);
  if (!category) {
    return converter.openUnknownLink("This link names no category " + quotedName(parts[0]));
  }
  const Category& units = allCategories()[*category];
  const std::vector<std::string_view> names = quantityUnitLabels(units);
  const std::size_t most = mostPartsOfALabel(units);
  // The two labels, with any slash of theirs left unencoded, so that "Dynes / cm Square" is
  // found whole: the source label is the longest known one that leaves a known label after
  // it. A label spans only a few parts, so a link of many slashes is read in one pass.
  // `knownFrom` counts the parts of the longest known source label, 0 for none.
  const auto namedUnits =
      [&](std::span<const std::string> labels,
          std::size_t& knownFrom) -> std::optional<std::pair<std::size_t, std::size_t>> {
    for (std::size_t taken = std::min(most, labels.size() - 1); taken > 0; --taken) {
      const auto from = found(names, joined(labels, 0, taken));
      if (!from) continue;
      knownFrom = std::max(knownFrom, taken);
      if (labels.size() - taken > most) continue;
      const auto to = found(names, joined(labels, taken, labels.size()));
      if (to) return std::pair(*from, *to);
    }
    return std::nullopt;
  };
  const std::span<const std::string> labels = std::span(parts).subspan(2);
  // One more part than two labels span: a compound quantity's fraction with its slash.
  if (labels.size() > 2 * most + 1) {
    return converter.openUnknownLink("This link holds no conversion: too many slashes");
  }
  std::size_t knownFrom = 0;
  if (const auto named = namedUnits(labels, knownFrom)) {
    return converter.openConversion(*category, named->first, named->second, parts[1], definitions);
  }
  // A compound quantity's fraction ("5 7 3/16") with its slash left unencoded.
  std::size_t ignored = 0;
  if (labels.size() > 2) {
    if (const auto named = namedUnits(labels.subspan(1), ignored)) {
      return converter.openConversion(*category, named->first, named->second,
                                      parts[1] + "/" + parts[2], definitions);
    }
  }
  const std::string unknown =
      knownFrom > 0 ? joined(labels, knownFrom, labels.size()) : labels.front();
  if (unknown.empty()) {
    return converter.openUnknownLink("This link leaves a unit of " + std::string(units.id()) +
                                     " unnamed");
  }
  return converter.openUnknownLink("This link names no unit " + quotedName(unknown) + " in " +
                                   std::string(units.id()));
}

}  // namespace vardeln
