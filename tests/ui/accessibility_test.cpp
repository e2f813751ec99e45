// Vardeln — MIT licence, see LICENSE.
// What the window tells a screen reader about its controls, read through Qt's accessibility
// interfaces in the program itself (the a11y test reads the same from outside, over AT-SPI).
#include <gtest/gtest.h>

#include <QAccessible>
#include <QTest>

#include "window_fixture.h"

namespace vardeln {
namespace {

struct Announcement {
  QAccessible::Role role;
  QString name;
  QString value;
  QString text;
  bool editable;
  bool focusable;
  bool readOnly;
};

Announcement announcementOf(QWidget* control) {
  QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
  if (accessible == nullptr) return {};
  QAccessibleTextInterface* text = accessible->textInterface();
  const QAccessible::State state = accessible->state();
  return {accessible->role(),
          accessible->text(QAccessible::Name),
          accessible->text(QAccessible::Value),
          text != nullptr ? text->text(0, text->characterCount()) : QStringLiteral("(no text)"),
          static_cast<bool>(state.editable),
          static_cast<bool>(state.focusable),
          static_cast<bool>(state.readOnly)};
}

void PrintTo(const Announcement& a, std::ostream* out) {
  *out << "role " << a.role << " name [" << a.name.toStdString() << "] value ["
       << a.value.toStdString() << "] text [" << a.text.toStdString() << "] editable " << a.editable
       << " focusable " << a.focusable << " read-only " << a.readOnly;
}

bool operator==(const Announcement& a, const Announcement& b) {
  return a.role == b.role && a.name == b.name && a.value == b.value && a.text == b.text &&
         a.editable == b.editable && a.focusable == b.focusable && a.readOnly == b.readOnly;
}

using WindowAccessibility = LoadedWindow;

TEST_F(WindowAccessibility, EachControlIsAnnouncedByWhatItIsForAndWhatItShows) {
  choose("lengthMenu");
  outputUnit->setCurrentIndex(1);
  inputText->setText(QStringLiteral("2"));
  const QString unit = outputUnit->currentText();
  const QString result = outputText->text();

  const Announcement number{
      QAccessible::EditableText, "Number to convert", "2", "2", true, true, false};
  const Announcement source{
      QAccessible::ComboBox, "Convert from", "Admiralty Mile", "Admiralty Mile", false, true, true};
  const Announcement shown{QAccessible::EditableText, "Result", result, result, false, false, true};
  const Announcement target{QAccessible::ComboBox, "Convert to", unit, unit, false, true, true};
  EXPECT_EQ(announcementOf(inputText), number);
  EXPECT_EQ(announcementOf(inputUnit), source);
  EXPECT_EQ(announcementOf(outputText), shown);
  EXPECT_EQ(announcementOf(outputUnit), target);
}

}  // namespace
}  // namespace vardeln
