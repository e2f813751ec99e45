// Vardeln — MIT licence, see LICENSE.
// The Edit, File and Help commands on the system clipboard, whatever has the focus; the About
// box and Exit.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QGuiApplication>
#include <QMimeData>
#include <QTest>
#include <QTimer>

#include "window_fixture.h"

namespace vardeln {
namespace {

struct CommandCase {
  const char* name;
  const char* input;            // typed into the number box first
  const char* sourceUnit;       // nullptr: left at Acres
  const char* targetUnit;       // nullptr: left at Acres
  const char* clipboardBefore;  // nullptr: the clipboard holds no text
  std::vector<const char*> commands;
  const char* clipboardAfter;  // nullptr: holds no text
  const char* inputAfter;
  const char* resultAfter;
  const char* locale = "C";  // the window's, for reading and writing numbers
  const char* noteAfter = "";
};

void PrintTo(const CommandCase& c, std::ostream* out) { *out << c.name; }

class EditCommand : public LoadedWindow, public ::testing::WithParamInterface<CommandCase> {};

TEST_P(EditCommand, LeavesTheClipboardAndBoxesAsExpected) {
  const CommandCase& c = GetParam();
  QClipboard* clipboard = QGuiApplication::clipboard();
  if (c.clipboardBefore) {
    clipboard->setText(QString::fromUtf8(c.clipboardBefore));
  } else {
    clipboard->setMimeData(new QMimeData);
  }
  window.setLocale(QLocale(QString::fromLatin1(c.locale)));
  inputText->setText(QString::fromUtf8(c.input));
  if (c.sourceUnit) inputUnit->setCurrentText(QString::fromUtf8(c.sourceUnit));
  if (c.targetUnit) outputUnit->setCurrentText(QString::fromUtf8(c.targetUnit));
  const QStringList toolTipsBefore = toolTips();

  for (const char* command : c.commands) choose(command);

  const QMimeData* held = clipboard->mimeData();
  if (c.clipboardAfter) {
    ASSERT_TRUE(held && held->hasText());
    EXPECT_EQ(clipboard->text(), QString::fromUtf8(c.clipboardAfter));
  } else {
    EXPECT_TRUE(!held || !held->hasText());
  }
  EXPECT_EQ(inputText->text(), QString::fromUtf8(c.inputAfter));
  EXPECT_EQ(outputText->text(), QString::fromUtf8(c.resultAfter));
  // A note longer than the window is shown cut short, and whole in its tool tip.
  const QString note = faultNote->toolTip().isEmpty() ? faultNote->text() : faultNote->toolTip();
  EXPECT_EQ(faultNote->isHidden() ? QString() : note, QString::fromUtf8(c.noteAfter));
  EXPECT_EQ(toolTips(), toolTipsBefore);
  EXPECT_EQ(checkedCategoryItems(), QStringList({QStringLiteral("areaMenu")}));
}

INSTANTIATE_TEST_SUITE_P(
    Commands, EditCommand,
    ::testing::Values(
        // What the converter makes of each command is the scenario table's; these are the
        // system clipboard's own cases.
        CommandCase{"PasteOfAClipboardWithNoText",
                    "7",
                    nullptr,
                    nullptr,
                    nullptr,
                    {"pasteMenu"},
                    nullptr,
                    "",
                    "Invalid Number"},
        CommandCase{"PasteWithControlCharacters",
                    "7",
                    nullptr,
                    nullptr,
                    "4\x01\x7f\x1b",
                    {"pasteMenu"},
                    "4\x01\x7f\x1b",
                    "4\x01\x7f\x1b",
                    "Invalid Number"},
        CommandCase{"ResetLeavesTheClipboard",
                    "5",
                    nullptr,
                    nullptr,
                    "kept",
                    {"resetMenu"},
                    "kept",
                    "",
                    ""},
        // Under the user's locale numbers are read with its marks and shown with its decimal
        // mark, never grouped; the clipboard takes them as shown.
        CommandCase{"CopyWithTheDecimalComma",
                    "1.000,5",
                    "Hectares",
                    nullptr,
                    nullptr,
                    {"copyMenu"},
                    "1.000,5 Hectares = 2472,28949980551 Acres",
                    "1.000,5",
                    "2472,28949980551",
                    "de_DE"},
        CommandCase{"AFirstGroupOfZerosIsNoNumber",
                    "0.500",
                    nullptr,
                    nullptr,
                    "kept",
                    {},
                    "kept",
                    "0.500",
                    "Invalid Number",
                    "de_DE",
                    "\"0.500\" reads as no number in 1.234,5 style: a group never starts a "
                    "number with 0"},
        CommandCase{"PasteIndianGroupsAndLakh",
                    "0",
                    nullptr,
                    nullptr,
                    "2.5 lakh",
                    {"pasteMenu", "copyMenu"},
                    "2.5 lakh Acres = 250000 Acres",
                    "2.5 lakh",
                    "250000",
                    "en_IN"}),
    [](const ::testing::TestParamInfo<CommandCase>& info) { return std::string(info.param.name); });

using EditCommandWithFocus = LoadedWindow;

// The commands take the whole box, whatever part of it is selected or where the focus is.
TEST_F(EditCommandWithFocus, CutAndCopyTakeTheWholeBoxWhateverIsSelected) {
  window.show();
  QApplication::setActiveWindow(&window);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  for (QWidget* focus : {static_cast<QWidget*>(inputText), static_cast<QWidget*>(outputUnit)}) {
    SCOPED_TRACE(focus->objectName().toStdString());
    inputText->setText(QStringLiteral("123"));
    inputText->setSelection(1, 1);
    focus->setFocus();

    choose("copyMenu");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("123 Acres = 123 Acres"));
    choose("cutMenu");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("123"));
    EXPECT_EQ(inputText->text(), QString());
    choose("pasteMenu");
    EXPECT_EQ(inputText->text(), QStringLiteral("123"));
  }
}

TEST_F(EditCommandWithFocus, AboutShowsTheDialogModallyAndReturnsWhenItCloses) {
  window.show();
  QWidget* seenModal = nullptr;
  QTimer::singleShot(0, [&] {
    seenModal = QApplication::activeModalWidget();
    if (seenModal) seenModal->close();
  });

  choose("aboutMenu");

  ASSERT_NE(seenModal, nullptr);
  EXPECT_EQ(seenModal->objectName(), QStringLiteral("frmAbout"));
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(EditCommandWithFocus, ExitClosesTheWindowAndUnloadsTheAboutDialog) {
  window.show();
  QTimer::singleShot(0, [] { QApplication::activeModalWidget()->close(); });
  choose("aboutMenu");
  ASSERT_NE(window.findChild<QDialog*>(QStringLiteral("frmAbout")), nullptr);

  choose("exitMenu");

  EXPECT_FALSE(window.isVisible());
  EXPECT_EQ(window.findChild<QDialog*>(QStringLiteral("frmAbout")), nullptr);
}

}  // namespace
}  // namespace vardeln
