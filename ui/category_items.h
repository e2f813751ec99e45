// Vardeln — MIT licence, see LICENSE.
#pragma once

#include <QString>
#include <cstddef>
#include <string_view>

namespace vardeln {

/// The object name of a category's menu item: "areaMenu" for the category "area".
QString categoryItemName(std::string_view categoryId);

/// The caption of the menu item of the category at `index`: the converter's caption with the
/// item's access key, "&Area", "Po&wer".
QString categoryItemCaption(std::size_t index);

}  // namespace vardeln
