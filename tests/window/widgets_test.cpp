// Vardeln — MIT licence, see LICENSE.
// The Qt widgets behave as the window's handlers expect: every set of a text reports a
// change, lists report only real selections and a key before it moves the selection, and a
// menu item that is chosen leaves its check mark to the program, and the program's style
// still draws the menu bar's overflow arrow.
#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>
#include <optional>

#include "check_menu_item.h"
#include "drop_down_list.h"
#include "sparing_style.h"
#include "text_box.h"
#include "twips.h"

namespace vardeln {
namespace {

TEST(TextBox, TypingRaisesOneChangePerCharacter) {
  TextBox box(4096);
  QSignalSpy changes(&box, &QLineEdit::textChanged);
  QTest::keyClicks(&box, QStringLiteral("1.5"));
  EXPECT_EQ(changes.count(), 3);
}

// A list filled the way the window fills it: emptied, then given its entries one by one.
class FilledList : public ::testing::Test {
 protected:
  void fill(const QStringList& labels) {
    list.removeAllEntries();
    for (int i = 0; i < labels.size(); ++i) list.setEntry(i, labels[i]);
  }

  DropDownList list;
  QSignalSpy selections{&list, &DropDownList::selectionChanged};
  QSignalSpy characterKeys{&list, &DropDownList::characterKeyPressed};
};

TEST_F(FilledList, EmptyingAndFillingReportNoSelectionAndSelectNothing) {
  fill({QStringLiteral("Acres"), QStringLiteral("Ares")});
  list.setListText(QStringLiteral("Ares"));
  selections.clear();

  fill({QStringLiteral("Dyne"), QStringLiteral("Newton"), QStringLiteral("Pound force")});

  EXPECT_EQ(selections.count(), 0);
  EXPECT_EQ(list.count(), 3);
  EXPECT_EQ(list.currentIndex(), -1);
  EXPECT_EQ(list.listText(), QString());
  EXPECT_EQ(list.entry(2), QStringLiteral("Pound force"));
}

TEST_F(FilledList, SettingTheTextToAnEntrySelectsItAndReportsItOnceBeforeReturning) {
  fill({QStringLiteral("Acres"), QStringLiteral("Ares")});
  QString textSeenByHandler;
  QObject::connect(&list, &DropDownList::selectionChanged,
                   [&] { textSeenByHandler = list.listText(); });

  list.setListText(list.entry(0));

  EXPECT_EQ(selections.count(), 1);
  EXPECT_EQ(textSeenByHandler, QStringLiteral("Acres"));
}

TEST_F(FilledList, SettingATextThatIsNoEntryChangesNothing) {
  fill({QStringLiteral("Acres"), QStringLiteral("Ares")});
  list.setListText(QStringLiteral("Ares"));
  selections.clear();

  for (const QString& text : {QStringLiteral("acres"), QStringLiteral("Acres "), QString()}) {
    SCOPED_TRACE(text.toStdString());
    list.setListText(text);
    EXPECT_EQ(selections.count(), 0);
    EXPECT_EQ(list.listText(), QStringLiteral("Ares"));
  }
}

TEST_F(FilledList, ACharacterKeyIsReportedWithTheOldSelectionThenMovesIt) {
  fill({QStringLiteral("Acres"), QStringLiteral("Barn"), QStringLiteral("Hectares")});
  list.setListText(QStringLiteral("Acres"));
  selections.clear();
  QStringList events;
  QObject::connect(&list, &DropDownList::characterKeyPressed,
                   [&] { events << QStringLiteral("key at ") + list.listText(); });
  QObject::connect(&list, &DropDownList::selectionChanged,
                   [&] { events << QStringLiteral("selection at ") + list.listText(); });

  QTest::keyClick(&list, Qt::Key_H);

  EXPECT_EQ(events,
            QStringList({QStringLiteral("key at Acres"), QStringLiteral("selection at Hectares")}));
}

TEST_F(FilledList, AKeyThatMatchesNoEntryIsReportedOnceAndMovesNothing) {
  fill({QStringLiteral("Acres"), QStringLiteral("Barn")});
  list.setListText(QStringLiteral("Barn"));
  selections.clear();

  QTest::keyClick(&list, Qt::Key_Z);

  EXPECT_EQ(characterKeys.count(), 1);
  EXPECT_EQ(selections.count(), 0);
  EXPECT_EQ(list.listText(), QStringLiteral("Barn"));
}

TEST_F(FilledList, KeysThatTypeNoCharacterAreNotReportedButMayStillMoveTheSelection) {
  fill({QStringLiteral("Acres"), QStringLiteral("Barn")});
  list.setListText(QStringLiteral("Acres"));
  selections.clear();

  QTest::keyClick(&list, Qt::Key_Down);

  EXPECT_EQ(characterKeys.count(), 0);
  EXPECT_EQ(selections.count(), 1);
  EXPECT_EQ(list.listText(), QStringLiteral("Barn"));
}

TEST(CheckMenuItem, ChoosingItLeavesTheCheckMarkAsItWasWhenTheHandlerRuns) {
  for (const bool checked : {true, false}) {
    SCOPED_TRACE(checked ? "checked" : "unchecked");
    CheckMenuItem item(QStringLiteral("&Area"), checked, nullptr);
    std::optional<bool> seenByHandler;
    QObject::connect(&item, &CheckMenuItem::chosen, [&] { seenByHandler = item.isChecked(); });

    item.trigger();

    ASSERT_TRUE(seenByHandler.has_value());
    EXPECT_EQ(*seenByHandler, checked);
    EXPECT_EQ(item.isChecked(), checked);
  }
}

TEST(SparingStyle, DrawsTheMenuBarsOverflowArrowAsItsBaseStyleDoes) {
  SparingStyle style;
  const auto arrow = [](const QStyle* from) {
    return from->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton).pixmap(16).toImage();
  };
  EXPECT_FALSE(arrow(&style).isNull());
  EXPECT_EQ(arrow(&style), arrow(style.baseStyle()));
}

TEST(Twips, ConvertAtTheScreensLogicalDotsPerInch) {
  struct Case {
    int twips;
    qreal dpi;
    int pixels;
  };
  const Case cases[] = {
      {3450, 96, 230},
      {3255, 96, 217},
      {15, 96, 1},
      {7, 96, 0},
      {8, 96, 1},
      {3450, 120, 288},
      {285, 120, 24},
      {3450, 144, 345},
      {3015, 192, 402},
      // Halves round away from zero, also left of the client area.
      {-120, 96, -8},
      {-120, 120, -10},
      {2385, 144, 239},
      {-105, 144, -11},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.twips << " twips at " << c.dpi << " DPI");
    EXPECT_EQ(twipsToPixels(c.twips, c.dpi), c.pixels);
  }
  EXPECT_EQ(twipsToPixels(QRect(240, 480, 3015, 285), 96), QRect(16, 32, 201, 19));
}

}  // namespace
}  // namespace vardeln
