// Vardeln — MIT licence, see LICENSE.
#include <gtest/gtest.h>

#include "category_caption.h"

namespace vardeln {
namespace {

TEST(CategoryCaption, IsTheIdWithACapital) {
  EXPECT_EQ(categoryCaption(0), "Area");
  EXPECT_EQ(categoryCaption(6), "Power");
}

}  // namespace
}  // namespace vardeln
