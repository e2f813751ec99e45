// Vardeln — MIT licence, see LICENSE.
// The composition by the browser's own String.prototype.normalize.
#include <emscripten/emscripten.h>

#include "composed_text.h"

// Writes the composition of the `length` bytes at `text` into the `capacity` bytes at `out`
// where it fits, and returns its length in bytes either way.
EM_JS(int, composeInto, (const char* text, int length, char* out, int capacity), {
  const composed = new TextDecoder().decode(HEAPU8.subarray(text, text + length)).normalize('NFC');
  const bytes = new TextEncoder().encode(composed);
  if (bytes.length <= capacity) HEAPU8.set(bytes, out);
  return bytes.length;
});

namespace vardeln {

std::string composedText(std::string_view utf8) {
  const int length = static_cast<int>(utf8.size());
  // A composition is seldom longer than its text; where it is, the second call has the room.
  std::string composed(utf8.size() + 16, '\0');
  int written =
      composeInto(utf8.data(), length, composed.data(), static_cast<int>(composed.size()));
  if (static_cast<std::size_t>(written) > composed.size()) {
    composed.resize(static_cast<std::size_t>(written));
    written = composeInto(utf8.data(), length, composed.data(), written);
  }
  composed.resize(static_cast<std::size_t>(written));
  return composed;
}

}  // namespace vardeln
