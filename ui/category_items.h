// Vardeln — MIT licence, see LICENSE.
#pragma once

#include <string_view>

#include <QString>

namespace vardeln {

/// The object name of a category's menu item: "areaMenu" for the category "area".
QString categoryItemName(std::string_view categoryId);

/// The caption of a category's menu item with its access key: "&Area", "Po&wer".
QString categoryCaption(std::string_view categoryId);

}  // namespace vardeln
