// Vardeln — MIT licence, see LICENSE.
// What the window tells a screen reader about its controls, read through Qt's accessibility
// interfaces in the program itself (the a11y test reads the same from outside, over AT-SPI).
#include <gtest/gtest.h>

#include <QAccessible>
#include <QComboBox>
#include <QLineEdit>

#include "window_fixture.h"

namespace vardeln {
namespace {

struct ControlCase {
  const char* control;
  QAccessible::Role role;
  const char* name;
  bool editable;
  bool focusable;
  bool readOnly;
};

void PrintTo(const ControlCase& c, std::ostream* out) { *out << c.control; }

// What a control shows: the text of a box, the chosen entry of a list.
QString shownText(QWidget* control) {
  if (auto* box = qobject_cast<QLineEdit*>(control)) return box->text();
  return qobject_cast<QComboBox*>(control)->currentText();
}

class ControlAccessibility : public LoadedWindow,
                             public ::testing::WithParamInterface<ControlCase> {};

// Both lists show the same unit here, as they do after every choice of a category: only
// their names tell them apart.
TEST_P(ControlAccessibility, IsNamedForWhatItIsForWithWhatItShowsAsItsValueAndText) {
  const ControlCase& c = GetParam();
  choose("lengthMenu");
  inputText->setText(QStringLiteral("2"));
  QWidget* widget = control<QWidget>(c.control);
  ASSERT_NE(widget, nullptr);

  QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
  ASSERT_NE(accessible, nullptr);
  EXPECT_EQ(accessible->role(), c.role);
  EXPECT_EQ(accessible->text(QAccessible::Name), QString::fromUtf8(c.name));
  const QString shown = shownText(widget);
  EXPECT_EQ(accessible->text(QAccessible::Value), shown);
  QAccessibleTextInterface* text = accessible->textInterface();
  ASSERT_NE(text, nullptr);
  EXPECT_EQ(text->text(0, text->characterCount()), shown);
  const QAccessible::State state = accessible->state();
  EXPECT_EQ(static_cast<bool>(state.editable), c.editable);
  EXPECT_EQ(static_cast<bool>(state.focusable), c.focusable);
  EXPECT_EQ(static_cast<bool>(state.readOnly), c.readOnly);
  EXPECT_EQ(accessible->editableTextInterface() != nullptr, c.editable);
}

INSTANTIATE_TEST_SUITE_P(
    Controls, ControlAccessibility,
    ::testing::Values(
        // control, role, name, editable, focusable, read-only
        ControlCase{"inputText", QAccessible::EditableText, "Number to convert", true, true, false},
        ControlCase{"inputUnit", QAccessible::ComboBox, "Convert from", false, true, false},
        ControlCase{"outputText", QAccessible::EditableText, "Result", false, false, true},
        ControlCase{"outputUnit", QAccessible::ComboBox, "Convert to", false, true, false}),
    [](const ::testing::TestParamInfo<ControlCase>& info) {
      return std::string(info.param.control);
    });

using ResultAccessibility = LoadedWindow;

// The list's tool tip repeats its unit, which its value already gives; the result's names the
// unit of the number, until a fault leaves the number stale, when it names the fault.
TEST_F(ResultAccessibility, DescribesTheUnitOrTheFaultThatLeftItStale) {
  QAccessibleInterface* result = QAccessible::queryAccessibleInterface(outputText);
  QAccessibleInterface* target = QAccessible::queryAccessibleInterface(outputUnit);
  ASSERT_TRUE(result && target);
  EXPECT_EQ(result->text(QAccessible::Description), QStringLiteral("Acres"));
  EXPECT_EQ(target->text(QAccessible::Description), QString());

  inputText->setText(QStringLiteral("1e308"));
  EXPECT_EQ(result->text(QAccessible::Description), QStringLiteral("Overflow"));
  inputText->setText(QStringLiteral("1"));
  EXPECT_EQ(result->text(QAccessible::Description), QStringLiteral("Acres"));
}

}  // namespace
}  // namespace vardeln
