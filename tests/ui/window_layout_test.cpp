// Vardeln — MIT licence, see LICENSE.
// The window as it is drawn: its frame, where each control stands at 96 DPI, the menu tree,
// the focus and what a screen reader hears.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFrame>
#include <QMenuBar>
#include <QScreen>
#include <QTest>

#include "window_fixture.h"

namespace vardeln {
namespace {

using WindowLayout = LoadedWindow;

TEST_F(WindowLayout, HasItsCaptionIconAndAFixedSizeWithoutMaximizeButton) {
  EXPECT_EQ(window.objectName(), QStringLiteral("Vardeln"));
  EXPECT_EQ(window.windowTitle(), QStringLiteral("Vardeln v1.3"));
  EXPECT_FALSE(window.windowIcon().isNull());
  const Qt::WindowFlags flags = window.windowFlags();
  EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
  EXPECT_TRUE(flags.testFlag(Qt::WindowMinimizeButtonHint));
  EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
  window.show();
  EXPECT_EQ(window.minimumSize(), window.maximumSize());
}

// At 96 DPI a pixel is 15 twips.
TEST_F(WindowLayout, ControlsStandAtTheirPlacesInPixelsAt96Dpi) {
  ASSERT_EQ(window.screen()->logicalDotsPerInch(), 96);
  EXPECT_EQ(window.centralWidget()->size(), QSize(230, 217));
  struct Case {
    const char* name;
    QRect pixels;
  };
  const Case cases[] = {
      {"inputText", {16, 32, 201, 19}},
      {"inputUnit", {16, 56, 201, 21}},
      {"outputText", {16, 104, 201, 19}},
      {"outputUnit", {16, 128, 201, 21}},
      {"Line1", {0, 0, 232, 2}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(control<QWidget>(c.name)->geometry(), c.pixels);
  }
  const QRect note = faultNote->geometry();
  EXPECT_GE(note.top(), outputUnit->geometry().bottom()) << "the note hides no control";
  EXPECT_LE(note.bottom(), window.centralWidget()->height());
}

TEST_F(WindowLayout, TheRuleIsTwoPixelsInAPaletteColour) {
  auto* rule = control<QFrame>("Line1");
  EXPECT_EQ(rule->lineWidth(), 2);
  EXPECT_EQ(rule->foregroundRole(), QPalette::Dark);
}

TEST_F(WindowLayout, ResultBoxIsDisabledAndListsTakeNoTypedText) {
  EXPECT_FALSE(outputText->isEnabled());
  EXPECT_FALSE(inputUnit->isEditable());
  EXPECT_FALSE(outputUnit->isEditable());
}

TEST_F(WindowLayout, TabVisitsNumberSourceTargetAndWrapsRoundSkippingTheResult) {
  window.show();
  QApplication::setActiveWindow(&window);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  EXPECT_EQ(QApplication::focusWidget(), inputText);

  const QWidget* expected[] = {inputUnit, outputUnit, inputText, inputUnit};
  for (const QWidget* next : expected) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), next) << next->objectName().toStdString();
  }
}

TEST_F(WindowLayout, ControlsHaveSpokenNamesBesideTheirToolTips) {
  struct Case {
    QWidget* control;
    const char* spoken;
  };
  const Case cases[] = {{inputText, "Number to convert"},
                        {inputUnit, "Convert from"},
                        {outputText, "Result"},
                        {outputUnit, "Convert to"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.spoken);
    EXPECT_EQ(c.control->accessibleName(), QString::fromLatin1(c.spoken));
    EXPECT_EQ(c.control->toolTip(), QStringLiteral("Acres"));
  }
}

// The menu tree, menu by menu: object name, caption with its access key.
TEST_F(WindowLayout, MenusStandInOrderWithTheirCaptionsAndNoShortcutsOrSeparators) {
  struct Menu {
    const char* name;
    const char* caption;
    std::vector<std::pair<const char*, const char*>> items;
  };
  const Menu expected[] = {
      {"fileMenu", "&File", {{"exitMenu", "E&xit"}}},
      {"editMenu",
       "&Edit",
       {{"cutMenu", "Cut"}, {"copyMenu", "Copy"}, {"pasteMenu", "Paste"}, {"resetMenu", "Reset"}}},
      {"categoryMenu",
       "&Vardeln",
       {{"areaMenu", "&Area"},
        {"densityMenu", "&Density"},
        {"energyMenu", "&Energy"},
        {"forceMenu", "&Force"},
        {"lengthMenu", "&Length"},
        {"massMenu", "&Mass"},
        {"powerMenu", "Po&wer"},
        {"prefixMenu", "Pref&ix"},
        {"pressureMenu", "&Pressure"},
        {"speedMenu", "&Speed"},
        {"temperatureMenu", "&Temperature"},
        {"timeMenu", "T&ime"},
        {"volumeMenu", "&Volume"}}},
      {"helpMenu", "&Help", {{"aboutMenu", "About..."}}},
  };

  const QList<QAction*> bar = window.menuBar()->actions();
  ASSERT_EQ(bar.size(), static_cast<qsizetype>(std::size(expected)));
  for (std::size_t m = 0; m < std::size(expected); ++m) {
    SCOPED_TRACE(expected[m].name);
    QMenu* menu = bar[m]->menu();
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->objectName(), QString::fromLatin1(expected[m].name));
    EXPECT_EQ(menu->title(), QString::fromLatin1(expected[m].caption));
    const QList<QAction*> items = menu->actions();
    ASSERT_EQ(items.size(), static_cast<qsizetype>(expected[m].items.size()));
    const bool categories = menu->objectName() == QStringLiteral("categoryMenu");
    for (qsizetype i = 0; i < items.size(); ++i) {
      const auto& [name, caption] = expected[m].items[static_cast<std::size_t>(i)];
      SCOPED_TRACE(name);
      EXPECT_EQ(items[i]->objectName(), QString::fromLatin1(name));
      EXPECT_EQ(items[i]->text(), QString::fromLatin1(caption));
      EXPECT_FALSE(items[i]->isSeparator());
      EXPECT_TRUE(items[i]->shortcuts().isEmpty());
      EXPECT_EQ(items[i]->isCheckable(), categories);
    }
  }
}

}  // namespace
}  // namespace vardeln
