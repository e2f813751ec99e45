// Vardeln — MIT licence, see LICENSE.
#include "category_caption.h"

#include "categories.h"

namespace vardeln {

std::string categoryCaption(std::size_t index) {
  std::string caption(allCategories()[index].get().id());
  // Every id is lower-case ASCII.
  caption.front() = static_cast<char>(caption.front() - 'a' + 'A');
  return caption;
}

}  // namespace vardeln
