// Vardeln — MIT licence, see LICENSE.
// The title bar the window draws for itself under Wayland: what its buttons do with a click,
// and that anywhere else the platform's own title bar stays.
#include "title_bar.h"

#include <gtest/gtest.h>

#include <QTest>
#include <QWidget>

namespace vardeln {
namespace {

class OwnTitleBar : public ::testing::Test {
 protected:
  void SetUp() override {
    window.resize(230, 200);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  }

  QWidget window;
  TitleBar* bar = new TitleBar(&window);
};

TEST(TitleBarOffWayland, LeavesTheWindowToThePlatformsTitleBar) {
  QWidget window;
  const Qt::WindowFlags flags = window.windowFlags();
  TitleBar::installOnWayland(&window);
  EXPECT_EQ(window.windowFlags(), flags);
  EXPECT_EQ(window.findChild<TitleBar*>(), nullptr);
  EXPECT_EQ(window.contentsMargins(), QMargins());
}

TEST_F(OwnTitleBar, SpansTheWindowsWidthAlongItsTop) {
  EXPECT_EQ(bar->geometry(), QRect(0, 0, 230, bar->height()));
  window.resize(300, 200);
  EXPECT_EQ(bar->geometry(), QRect(0, 0, 300, bar->height()));
}

// A button acts on a click: pressed and released over it. Its right end holds close, then
// minimize, each a square as high as the bar; anything further left is the caption.
TEST_F(OwnTitleBar, ButtonsCloseAndMinimizeAndNothingMaximizes) {
  struct Case {
    const char* what;
    int pressFromRight;
    int releaseFromRight;
    bool closes;
    bool minimizes;
  };
  const int button = bar->height();
  const Case cases[] = {
      {"a click on close", button / 2, button / 2, true, false},
      {"a click on minimize", button * 3 / 2, button * 3 / 2, false, true},
      {"pressed on close, released on minimize", button / 2, button * 3 / 2, false, false},
      {"a click where another title bar offers to maximize", button * 5 / 2, button * 5 / 2, false,
       false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    window.showNormal();
    const int y = bar->height() / 2;
    QTest::mousePress(bar, Qt::LeftButton, {}, QPoint(bar->width() - c.pressFromRight, y));
    QTest::mouseRelease(bar, Qt::LeftButton, {}, QPoint(bar->width() - c.releaseFromRight, y));
    EXPECT_EQ(!window.isVisible(), c.closes);
    EXPECT_EQ(window.isMinimized(), c.minimizes);
    EXPECT_FALSE(window.isMaximized());
  }
  const QPoint caption(bar->width() / 2, bar->height() / 2);
  QTest::mouseDClick(bar, Qt::LeftButton, {}, caption);
  EXPECT_FALSE(window.isMaximized()) << "a double click on the caption";
}

}  // namespace
}  // namespace vardeln
