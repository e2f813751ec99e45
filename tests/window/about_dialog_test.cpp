// Vardeln — MIT licence, see LICENSE.
#include "about_dialog.h"

#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <ostream>
#include <string>
#include <utility>

#include "program_icon.h"
#include "version.h"

namespace {

using vardeln::AboutDialog;

// A control by name; the two halves of the separator `Line1` share their name and differ by
// their "index" property.
QWidget* control(const QWidget& dialog, const char* name, int index = -1) {
  for (QWidget* widget : dialog.findChildren<QWidget*>(QString::fromLatin1(name))) {
    if (index < 0 || widget->property("index").toInt() == index) return widget;
  }
  return nullptr;
}

template <typename Widget>
Widget* control(const QWidget& dialog, const char* name) {
  return qobject_cast<Widget*>(control(dialog, name));
}

// A dialog on screen, as the About command leaves it.
class ShownDialog {
 public:
  ShownDialog() {
    dialog.show();
    [[maybe_unused]] const bool exposed = QTest::qWaitForWindowExposed(&dialog);
  }
  ~ShownDialog() { dialog.hide(); }
  AboutDialog dialog;
};

TEST(AboutDialog, IsAFixedModalToolWindowWithOnlyAClose) {
  AboutDialog dialog;
  EXPECT_EQ(dialog.objectName(), "frmAbout");
  EXPECT_EQ(dialog.windowTitle(), "About Vardeln v" VARDELN_VERSION);
  EXPECT_EQ(dialog.windowType(), Qt::Tool);
  const Qt::WindowFlags flags = dialog.windowFlags();
  EXPECT_TRUE(flags.testFlag(Qt::CustomizeWindowHint));
  EXPECT_TRUE(flags.testFlag(Qt::WindowTitleHint));
  EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
  EXPECT_FALSE(flags.testFlag(Qt::WindowMinimizeButtonHint));
  EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
  EXPECT_FALSE(flags.testFlag(Qt::WindowContextHelpButtonHint));
  EXPECT_EQ(dialog.windowModality(), Qt::ApplicationModal);
}

TEST(AboutDialog, ClientAreaIsFixedAt96Dpi) {
  AboutDialog dialog;
  ASSERT_EQ(dialog.logicalDpiX(), 96);
  ASSERT_EQ(dialog.logicalDpiY(), 96);
  EXPECT_EQ(dialog.size(), QSize(378, 159));
  EXPECT_EQ(dialog.minimumSize(), dialog.size());
  EXPECT_EQ(dialog.maximumSize(), dialog.size());
}

struct ControlCase {
  const char* name;
  int index;
  const char* kind;
  QRect rect;
  Qt::FocusPolicy focus;
};

// The design's controls at 96 dpi (15 twips to the pixel), front to back.
// clang-format off
const ControlCase kControls[] = {
    {"picIcon",     -1, "QLabel",      {16, 16, 36, 36},   Qt::NoFocus},
    {"cmdOK",       -1, "QPushButton", {288, 128, 84, 23}, Qt::StrongFocus},
    {"Image1",      -1, "QLabel",      {200, 16, 168, 89}, Qt::NoFocus},
    {"aboutLabel2", -1, "QLabel",      {72, 88, 265, 17},  Qt::NoFocus},
    {"Label1",      -1, "QLabel",      {72, 72, 265, 17},  Qt::NoFocus},
    {"aboutLabel1", -1, "QLabel",      {72, 56, 265, 17},  Qt::NoFocus},
    {"aboutLabel0", -1, "QLabel",      {72, 40, 25, 17},   Qt::NoFocus},
    {"Line1",        1, "QFrame",      {-8, 120, 376, 1},  Qt::NoFocus},
    {"lblTitle",    -1, "QLabel",      {70, 16, 259, 16},  Qt::NoFocus},
    {"Line1",        0, "QFrame",      {-8, 120, 376, 2},  Qt::NoFocus},
};
// clang-format on

void PrintTo(const ControlCase& c, std::ostream* out) { *out << c.name << ' ' << c.index; }

class AboutDialogControls : public ::testing::TestWithParam<ControlCase> {};

TEST_P(AboutDialogControls, HaveTheirKindPlaceAndFocus) {
  const ControlCase& c = GetParam();
  AboutDialog dialog;
  QWidget* widget = control(dialog, c.name, c.index);
  ASSERT_NE(widget, nullptr);
  EXPECT_STREQ(widget->metaObject()->className(), c.kind);
  EXPECT_EQ(widget->geometry(), c.rect);
  EXPECT_EQ(widget->focusPolicy(), c.focus);
}

INSTANTIATE_TEST_SUITE_P(Table, AboutDialogControls, ::testing::ValuesIn(kControls),
                         [](const auto& info) {
                           std::string name = info.param.name;
                           if (info.param.index >= 0) {
                             name += '_';
                             name += std::to_string(info.param.index);
                           }
                           return name;
                         });

struct TextCase {
  const char* name;
  const char* text;
  const char* toolTip;
};

// clang-format off
const TextCase kFixedTexts[] = {
    {"picIcon",     "",                    "Vardeln Logo"},
    {"cmdOK",       "OK",                  ""},
    {"lblTitle",    "Vardeln Version " VARDELN_VERSION, "Vardeln version" VARDELN_VERSION},
    {"aboutLabel0", "By",                  ""},
};
// clang-format on

void PrintTo(const TextCase& c, std::ostream* out) { *out << c.name; }

class AboutDialogTexts : public ::testing::TestWithParam<TextCase> {};

TEST_P(AboutDialogTexts, AreExact) {
  const TextCase& c = GetParam();
  AboutDialog dialog;
  QWidget* widget = control(dialog, c.name);
  ASSERT_NE(widget, nullptr);
  const auto* label = qobject_cast<QLabel*>(widget);
  const auto* button = qobject_cast<QPushButton*>(widget);
  EXPECT_EQ(label ? label->text() : button->text(), QString::fromUtf8(c.text));
  EXPECT_EQ(widget->toolTip(), QString::fromUtf8(c.toolTip));
}

INSTANTIATE_TEST_SUITE_P(Table, AboutDialogTexts, ::testing::ValuesIn(kFixedTexts),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(AboutDialog, CreditsCarryTheirToolTips) {
  AboutDialog dialog;
  const auto* author = control<QLabel>(dialog, "aboutLabel1");
  const auto* notice = control<QLabel>(dialog, "Label1");
  const auto* contact = control<QLabel>(dialog, "aboutLabel2");
  ASSERT_TRUE(author && notice && contact);
  EXPECT_FALSE(author->text().isEmpty());
  EXPECT_EQ(author->toolTip(), author->text());
  EXPECT_FALSE(notice->text().isEmpty());
  EXPECT_FALSE(notice->toolTip().isEmpty());
  EXPECT_FALSE(notice->toolTip().contains(QLatin1Char(' ')))
      << "one word: " << notice->toolTip().toStdString();
  EXPECT_FALSE(contact->text().isEmpty());
  EXPECT_FALSE(control(dialog, "Image1")->toolTip().isEmpty());
}

TEST(AboutDialog, LabelTextsEndBeforeThePicture) {
  AboutDialog dialog;
  const int pictureLeft = control(dialog, "Image1")->x();
  for (const char* name : {"lblTitle", "aboutLabel0", "aboutLabel1", "Label1", "aboutLabel2"}) {
    const auto* label = control<QLabel>(dialog, name);
    ASSERT_NE(label, nullptr) << name;
    EXPECT_LE(label->x() + label->fontMetrics().horizontalAdvance(label->text()), pictureLeft)
        << name;
    EXPECT_LE(label->fontMetrics().height(), label->height()) << name;
  }
}

TEST(AboutDialog, ShowsTheProgramPictureAndItsOwnPicture) {
  AboutDialog dialog;
  const auto* icon = control<QLabel>(dialog, "picIcon");
  const auto* image = control<QLabel>(dialog, "Image1");
  ASSERT_TRUE(icon && image);
  EXPECT_EQ(icon->pixmap().toImage(), vardeln::programPicture().toImage());
  EXPECT_EQ(icon->contentsRect().size(), QSize(32, 32));
  EXPECT_EQ(image->pixmap().size(), QSize(168, 89));
}

TEST(AboutDialog, SeparatorIsEtchedGreyOverWhite) {
  ShownDialog shown;
  const QImage image = shown.dialog.grab().toImage();
  const QColor grey(128, 128, 128);
  for (int x : {0, 180, 367}) {
    EXPECT_EQ(image.pixelColor(x, 120), grey) << "x " << x;
    EXPECT_EQ(image.pixelColor(x, 121), QColor(Qt::white)) << "x " << x;
  }
  EXPECT_NE(image.pixelColor(368, 120), grey) << "ends 150 twips short of the right edge";
  EXPECT_NE(image.pixelColor(180, 122), QColor(Qt::white));
}

// OK is the only control that acts, so the focus, and the mark that shows it, never leaves it.
TEST(AboutDialog, OpensWithFocusOnOkAndKeepsItThroughTab) {
  ShownDialog shown;
  QWidget* ok = control(shown.dialog, "cmdOK");
  EXPECT_EQ(shown.dialog.focusWidget(), ok);
  for (const auto& [key, modifiers] :
       {std::pair{Qt::Key_Tab, Qt::NoModifier}, std::pair{Qt::Key_Backtab, Qt::ShiftModifier},
        std::pair{Qt::Key_Tab, Qt::NoModifier}}) {
    QTest::keyClick(shown.dialog.focusWidget(), key, modifiers);
    EXPECT_EQ(shown.dialog.focusWidget(), ok) << "after key " << key;
    EXPECT_TRUE(ok->hasFocus());
  }
}

TEST(AboutDialog, HasNoIconOfItsOwnEvenWhenItsWindowHasOne) {
  QWidget owner;
  owner.setWindowIcon(vardeln::programIcon());
  AboutDialog dialog(&owner);
  EXPECT_TRUE(dialog.windowIcon().isNull());
}

// Centred over the window that opened it, at the same place at every showing.
TEST(AboutDialog, OpensCentredOverItsWindowAtTheSamePlaceEachTime) {
  QWidget owner;
  owner.setGeometry(100, 80, 400, 300);
  owner.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&owner));
  AboutDialog dialog(&owner);
  for (int showing = 1; showing <= 3; ++showing) {
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    EXPECT_EQ(dialog.geometry().center(), owner.geometry().center()) << "showing " << showing;
    EXPECT_EQ(dialog.size(), QSize(378, 159));
    dialog.move(dialog.pos() + QPoint(7, 9));  // where a window manager's frame might push it
    dialog.close();
  }
}

enum class Closing { Return, Enter, Escape, ClickOk, CloseButton };

struct CloseCase {
  const char* name;
  const char* focusOn;
  Closing closing;
};

// clang-format off
const CloseCase kClosings[] = {
    {"return_on_ok",     "cmdOK",   Closing::Return},
    {"enter_on_ok",      "cmdOK",   Closing::Enter},
    {"escape_on_ok",     "cmdOK",   Closing::Escape},
    {"click_ok",         "cmdOK",   Closing::ClickOk},
    {"title_bar_close",  "cmdOK",   Closing::CloseButton},
};
// clang-format on

void close(AboutDialog& dialog, Closing closing) {
  switch (closing) {
    case Closing::Return:
      QTest::keyClick(dialog.focusWidget(), Qt::Key_Return);
      break;
    case Closing::Enter:
      QTest::keyClick(dialog.focusWidget(), Qt::Key_Enter, Qt::KeypadModifier);
      break;
    case Closing::Escape:
      QTest::keyClick(dialog.focusWidget(), Qt::Key_Escape);
      break;
    case Closing::ClickOk:
      QTest::mouseClick(control(dialog, "cmdOK"), Qt::LeftButton);
      break;
    case Closing::CloseButton:
      dialog.close();
      break;
  }
}

void PrintTo(const CloseCase& c, std::ostream* out) { *out << c.name; }

class AboutDialogClosing : public ::testing::TestWithParam<CloseCase> {};

TEST_P(AboutDialogClosing, ClosesTheDialogOnce) {
  const CloseCase& c = GetParam();
  ShownDialog shown;
  control(shown.dialog, c.focusOn)->setFocus();
  ASSERT_EQ(shown.dialog.focusWidget(), control(shown.dialog, c.focusOn));
  QSignalSpy finished(&shown.dialog, &QDialog::finished);
  close(shown.dialog, c.closing);
  EXPECT_FALSE(shown.dialog.isVisible());
  EXPECT_EQ(finished.count(), 1);
}

INSTANTIATE_TEST_SUITE_P(Table, AboutDialogClosing, ::testing::ValuesIn(kClosings),
                         [](const auto& info) { return std::string(info.param.name); });

QImage grabShown(AboutDialog& dialog) {
  dialog.show();
  [[maybe_unused]] const bool exposed = QTest::qWaitForWindowExposed(&dialog);
  return dialog.grab().toImage();
}

TEST(AboutDialog, SecondDialogLooksLikeTheFirst) {
  QImage first;
  {
    AboutDialog dialog;
    first = grabShown(dialog);
    control(dialog, "cmdOK")->clearFocus();
    dialog.close();
  }
  AboutDialog second;
  EXPECT_EQ(grabShown(second), first);
  EXPECT_EQ(second.focusWidget(), control(second, "cmdOK"));
  second.close();
}

TEST(AboutDialog, ReopenedDialogStartsAfresh) {
  AboutDialog dialog;
  const QImage first = grabShown(dialog);
  control(dialog, "cmdOK")->clearFocus();
  dialog.close();
  EXPECT_EQ(grabShown(dialog), first);
  EXPECT_EQ(dialog.focusWidget(), control(dialog, "cmdOK"));
  dialog.close();
}

}  // namespace
