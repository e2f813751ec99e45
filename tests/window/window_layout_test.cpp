// Vardeln — MIT licence, see LICENSE.
// The window as it is drawn: its frame, where each control stands at 96 DPI, the menu tree,
// the focus, what a screen reader hears, and room for every text in a larger font.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMenuBar>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTest>
#include <QToolButton>
#include <memory>

#include "version.h"
#include "window_fixture.h"

namespace vardeln {
namespace {

using WindowLayout = LoadedWindow;

TEST_F(WindowLayout, HasItsCaptionIconAndAFixedSizeWithoutMaximizeButton) {
  EXPECT_EQ(window.objectName(), QStringLiteral("Vardeln"));
  EXPECT_EQ(window.windowTitle(), QStringLiteral("Vardeln v" VARDELN_VERSION));
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
      {"inputText", {16, 32, 201, 19}},   {"inputUnit", {16, 56, 201, 21}},
      {"outputText", {16, 104, 201, 19}}, {"outputUnit", {16, 128, 201, 21}},
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

// A larger font, given as the style sheet the -stylesheet option reads or as the application
// font: the window grows with it so that every text shows whole.
struct LargerFont {
  const char* name;
  int points;
  bool styleSheet;
};

class WindowWithLargerFont : public ::testing::TestWithParam<LargerFont> {
 protected:
  void SetUp() override {
    const LargerFont& font = GetParam();
    if (font.styleSheet) {
      qApp->setStyleSheet(QStringLiteral("* { font-size: %1pt; }").arg(font.points));
    } else {
      QFont larger = defaultFont;
      larger.setPointSize(font.points);
      QApplication::setFont(larger);
    }
    window = std::make_unique<Vardeln>();
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
  }

  void TearDown() override {
    window.reset();
    qApp->setStyleSheet(QString());
    QApplication::setFont(defaultFont);
  }

  template <typename T>
  T* control(const char* name) {
    T* found = window->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
  }

  const QFont defaultFont = QApplication::font();
  std::unique_ptr<Vardeln> window;
};

// The width a list needs to show this label whole: the text, its frame and the arrow.
int widthShowingWhole(const QComboBox* list, const QString& label) {
  QStyleOptionComboBox option;
  option.initFrom(list);
  option.currentText = label;
  const QSize text(list->fontMetrics().horizontalAdvance(label), list->fontMetrics().height());
  return list->style()->sizeFromContents(QStyle::CT_ComboBox, &option, text, list).width();
}

TEST_P(WindowWithLargerFont, EveryUnitLabelOfEveryCategoryShowsWholeInBothLists) {
  for (QAction* category : control<QMenu>("categoryMenu")->actions()) {
    category->trigger();
    for (const char* name : {"inputUnit", "outputUnit"}) {
      const auto* list = control<QComboBox>(name);
      for (int i = 0; i < list->count(); ++i) {
        const QString label = list->itemText(i);
        EXPECT_GE(list->width(), widthShowingWhole(list, label))
            << category->objectName().toStdString() << ", " << name << ": " << label.toStdString();
      }
    }
  }
}

// The boxes are a little lower than Qt would make them at any font, as at the default font:
// what counts is that a line of text fits inside their frames.
TEST_P(WindowWithLargerFont, BoxesAndListsAreTallEnoughForALineOfText) {
  for (const char* name : {"inputText", "inputUnit", "outputText", "outputUnit"}) {
    const auto* box = control<QWidget>(name);
    const int frame = box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, box);
    EXPECT_GE(box->height() - 2 * frame, box->fontMetrics().height()) << name;
  }
}

TEST_P(WindowWithLargerFont, EveryMenuStandsOnTheMenuBarNoneFoldsAway) {
  QMenuBar* bar = window->menuBar();
  for (QAction* menu : bar->actions()) {
    const QRect place = bar->actionGeometry(menu);
    EXPECT_FALSE(place.isEmpty()) << menu->text().toStdString();
    EXPECT_TRUE(bar->rect().contains(place)) << menu->text().toStdString();
  }
  for (const QToolButton* more : bar->findChildren<QToolButton*>()) {
    EXPECT_FALSE(more->isVisible()) << "the menu bar shows a button for menus that did not fit";
  }
}

// The longest result there is, in a box narrower than it, still shows its sign and first
// digits, also when the same text is written again.
TEST_P(WindowWithLargerFont, ResultBoxShowsTheStartOfALongResult) {
  auto* number = control<QLineEdit>("inputText");
  auto* result = control<QLineEdit>("outputText");
  result->setFixedWidth(result->width() / 3);
  for (int writes = 0; writes < 2; ++writes) {
    number->setText(QStringLiteral("-1.23456789012345e-300"));
    ASSERT_EQ(result->text(), QStringLiteral("-1.23456789012345E-300"));
    ASSERT_GT(result->fontMetrics().horizontalAdvance(result->text()), result->width());
    result->grab();  // lays the text out as painting does, scrolled to the caret
    EXPECT_EQ(result->cursorPosition(), 0);
    EXPECT_LT(result->inputMethodQuery(Qt::ImCursorRectangle).toRect().left(), result->width() / 4);
  }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(, WindowWithLargerFont, ::testing::Values(
    LargerFont{"StyleSheet12pt", 12, true},
    LargerFont{"StyleSheet14pt", 14, true},
    LargerFont{"ApplicationFont12pt", 12, false},
    LargerFont{"ApplicationFont14pt", 14, false}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

}  // namespace
}  // namespace vardeln
