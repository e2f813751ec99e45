# Vardeln — MIT licence, see LICENSE.
# How many units and categories the converter has, counted from the table of today's
# definitions (one row per unit, its category first) whenever it changes. The manual pages,
# the desktop entry, the AppStream metadata and the page are configured with them;
# tests/package/shipped_counts_test.sh holds what they say to vardeln-convert --list --json.
set(today_table ${PROJECT_SOURCE_DIR}/engine/tables/today.tsv)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${today_table})
file(READ ${today_table} today_text)
# Each row's first field; the legend of the columns ("category") and the comments are none.
string(REGEX MATCHALL "\n[a-z]+\t" today_categories "${today_text}")
list(REMOVE_ITEM today_categories "\ncategory\t")
list(LENGTH today_categories VARDELN_UNIT_COUNT)
list(REMOVE_DUPLICATES today_categories)
list(LENGTH today_categories VARDELN_CATEGORY_COUNT)
