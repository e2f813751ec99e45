// Vardeln — MIT licence, see LICENSE.
// The JSON string writer with whatever bytes: it stays within its bound, its output is one
// valid JSON string of well-formed UTF-8, text without broken UTF-8 reads back unchanged, and
// writing what was read back gives the same JSON again.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "json_reading.h"
#include "json_text.h"

namespace {

void require(bool condition, const char* what) {
  if (!condition) {
    std::fprintf(stderr, "broken: %s\n", what);
    std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(bytes), size);
  const std::size_t bound = vardeln::cli::jsonStringBound(text.size());
  std::string json(bound, '\0');
  const char* end = vardeln::cli::writeJsonString(text, json.data());
  require(end >= json.data() && end <= json.data() + bound, "wrote beyond its bound");
  json.resize(static_cast<std::size_t>(end - json.data()));

  std::string_view written = json;
  const std::optional<std::string> read = vardeln::testing::readJsonString(written);
  require(read.has_value(), "not a valid JSON string");
  require(written.empty(), "more than one JSON string");

  bool wellFormed = true;
  for (std::size_t i = 0; i < text.size() && wellFormed;) {
    const auto character = vardeln::testing::utf8Character(text.substr(i));
    wellFormed = character.has_value();
    if (wellFormed) i += character->second;
  }
  require(!wellFormed || *read == text, "well-formed text did not read back unchanged");

  std::string again;
  vardeln::cli::appendJsonString(again, *read);
  require(again == json, "the text read back gives other JSON");
  return 0;
}
