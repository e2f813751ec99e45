// Vardeln — MIT licence, see LICENSE.
// The composition by Windows' own NormalizeString, which works on UTF-16.
#include <windows.h>

#include "composed_text.h"

namespace vardeln {
namespace {

std::wstring utf16(std::string_view utf8) {
  const int size = static_cast<int>(utf8.size());
  std::wstring wide(
      static_cast<std::size_t>(MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, nullptr, 0)),
      L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, wide.data(), static_cast<int>(wide.size()));
  return wide;
}

std::string utf8(const std::wstring& wide) {
  const int size = static_cast<int>(wide.size());
  std::string narrow(static_cast<std::size_t>(WideCharToMultiByte(CP_UTF8, 0, wide.data(), size,
                                                                  nullptr, 0, nullptr, nullptr)),
                     '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, narrow.data(), static_cast<int>(narrow.size()),
                      nullptr, nullptr);
  return narrow;
}

}  // namespace

std::string composedText(std::string_view text) {
  const std::wstring wide = utf16(text);
  if (wide.empty()) return std::string(text);
  // The first call estimates the size; a composition that needs more says so, and is retried.
  int estimate =
      NormalizeString(NormalizationC, wide.data(), static_cast<int>(wide.size()), nullptr, 0);
  while (estimate > 0) {
    std::wstring composed(static_cast<std::size_t>(estimate), L'\0');
    const int written = NormalizeString(NormalizationC, wide.data(), static_cast<int>(wide.size()),
                                        composed.data(), estimate);
    if (written > 0) {
      composed.resize(static_cast<std::size_t>(written));
      return utf8(composed);
    }
    if (GetLastError() != ERROR_INSUFFICIENT_BUFFER) break;
    estimate = -written;
  }
  return std::string(text);
}

}  // namespace vardeln
