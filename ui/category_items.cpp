// Vardeln — MIT licence, see LICENSE.
#include "category_items.h"

#include <algorithm>
#include <iterator>

#include "categories.h"
#include "category_caption.h"

namespace vardeln {
namespace {

// The access key is the caption's first letter, except where another item of the menu has
// that letter already: "Po&wer" beside "&Pressure", "Pref&ix" and "T&ime" beside "&Temperature"
// (the two share I, and the key then moves between them).
struct AccessKeyPosition {
  std::string_view categoryId;
  qsizetype position;
};
constexpr AccessKeyPosition kNotOnTheFirstLetter[] = {{"power", 2}, {"prefix", 4}, {"time", 1}};

}  // namespace

QString categoryItemName(std::string_view categoryId) {
  return QString::fromUtf8(categoryId.data(), static_cast<qsizetype>(categoryId.size())) +
         QStringLiteral("Menu");
}

QString categoryItemCaption(std::size_t index) {
  const std::string_view categoryId = allCategories()[index].get().id();
  QString caption = QString::fromStdString(categoryCaption(index));
  const auto* exception = std::find_if(
      std::begin(kNotOnTheFirstLetter), std::end(kNotOnTheFirstLetter),
      [categoryId](const AccessKeyPosition& key) { return key.categoryId == categoryId; });
  caption.insert(exception != std::end(kNotOnTheFirstLetter) ? exception->position : 0, u'&');
  return caption;
}

}  // namespace vardeln
