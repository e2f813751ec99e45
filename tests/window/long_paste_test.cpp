// Vardeln — MIT licence, see LICENSE.
// Texts longer than the number box holds, by any way they reach the window: refused whole,
// while the system clipboard keeps what it held. What the converter makes of a long text is
// the scenario table's.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QMimeData>
#include <QTest>

#include "text_box.h"
#include "window_fixture.h"

namespace vardeln {
namespace {

constexpr int kLongest = Converter::kLongestNumber;
const QString kRefusalNote = QStringLiteral("Too long: over 4096 characters");

struct LongPaste {
  const char* name;
  QString (*clipboardText)();
  bool taken;
  const char* resultAfter;  // with 7 Hectares to Ares in the box before the paste
};

void PrintTo(const LongPaste& p, std::ostream* out) { *out << p.name; }

class EditPaste : public LoadedWindow, public ::testing::WithParamInterface<LongPaste> {
 protected:
  void SetUp() override {
    inputUnit->setCurrentText(QStringLiteral("Hectares"));
    outputUnit->setCurrentText(QStringLiteral("Ares"));
    inputText->setText(QStringLiteral("7"));
  }
};

TEST_P(EditPaste, TakesTheWholeTextOrRefusesItWhole) {
  const LongPaste& p = GetParam();
  const QString pasted = p.clipboardText();
  QGuiApplication::clipboard()->setText(pasted);

  choose("pasteMenu");

  EXPECT_EQ(inputText->text(), p.taken ? pasted : QStringLiteral("7"));
  EXPECT_EQ(outputText->text(), QString::fromUtf8(p.resultAfter));
  EXPECT_EQ(QGuiApplication::clipboard()->text(), pasted);
  EXPECT_EQ(faultNote->isHidden(), p.taken);
  if (!p.taken) {
    EXPECT_EQ(faultNote->text(), kRefusalNote);
  }

  // Cut gives back exactly what the box holds, whole or not taken.
  choose("cutMenu");
  EXPECT_EQ(QGuiApplication::clipboard()->text(), p.taken ? pasted : QStringLiteral("7"));
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Clipboard, EditPaste, ::testing::Values(
    LongPaste{"AFullBoxOfLeadingZeros",         [] { return QString(kLongest - 1, u'0') + u'5'; },                   true,  "500"},
    LongPaste{"TenMegabytesOfDigits",           [] { return QString(10 * 1000 * 1000, u'9'); },                     false, "700"}));
// clang-format on

using LongText = LoadedWindow;

TEST_F(LongText, TheNoteFitsUnderTheLists) {
  QGuiApplication::clipboard()->setText(QString(kLongest + 1, u'3'));
  choose("pasteMenu");
  ASSERT_FALSE(faultNote->isHidden());
  EXPECT_LE(faultNote->fontMetrics().horizontalAdvance(faultNote->text()), faultNote->width());
}

// The refusal's note, even after a fault, is drawn in the window's own colour, not the fault's.
TEST_F(LongText, TheRefusalsNoteIsNotDrawnAsAFault) {
  inputText->setText(QStringLiteral("1e308"));
  ASSERT_EQ(faultNote->text(), QStringLiteral("Overflow"));
  const QPalette defaultPalette = faultNote->parentWidget()->palette();

  QGuiApplication::clipboard()->setText(QString(kLongest + 1, u'3'));
  choose("pasteMenu");
  EXPECT_EQ(faultNote->text(), kRefusalNote);
  EXPECT_EQ(faultNote->palette().color(QPalette::WindowText),
            defaultPalette.color(QPalette::WindowText));
}

// The number box's own ways in: the paste key, its menu's Paste, a drop, a key at a full box.
class BoxAtTheBound : public ::testing::Test {
 protected:
  void SetUp() override {
    box.setText(QString(kLongest - 2, u'0'));
    box.setCursorPosition(1);
  }

  void pasteWithItsMenu() {
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(1, 1), box.mapToGlobal(QPoint(1, 1)));
    QApplication::sendEvent(&box, &event);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    const QString caption = QCoreApplication::translate("QLineEdit", "&Paste");
    QAction* paste = nullptr;
    for (QAction* item : menu->actions()) {
      if (item->text().startsWith(caption)) paste = item;
    }
    ASSERT_NE(paste, nullptr);
    paste->trigger();
    menu->close();
  }

  // Handed to the box as if the drag had reached it; outside a real drag, Qt delivers no drop.
  void drop(const QString& text) {
    QMimeData dropped;
    dropped.setText(text);
    QDropEvent event(QPointF(1, 1), Qt::CopyAction, &dropped, Qt::LeftButton, Qt::NoModifier);
    box.dropEvent(&event);
  }

  struct BoxReceivingDrops : TextBox {
    BoxReceivingDrops() : TextBox(kLongest) {}
    using TextBox::dropEvent;
  };

  BoxReceivingDrops box;
  QSignalSpy changes{&box, &QLineEdit::textChanged};
  QSignalSpy refusals{&box, &TextBox::longTextRefused};
};

struct Insertion {
  const char* name;
  QString text;  // two characters fill the box
  bool taken;
};

void PrintTo(const Insertion& i, std::ostream* out) { *out << i.name; }

class BoxInsertion : public BoxAtTheBound, public ::testing::WithParamInterface<Insertion> {
 protected:
  void expectWholeOrNothing() {
    const Insertion& i = GetParam();
    QCoreApplication::processEvents();
    // A drop puts the text where it lands, the other ways at the caret.
    const QString before = QString(kLongest - 2, u'0');
    if (i.taken) {
      EXPECT_EQ(box.text().size(), kLongest);
      EXPECT_TRUE(box.text().contains(i.text));
    } else {
      EXPECT_EQ(box.text(), before);
    }
    EXPECT_EQ(changes.count(), i.taken ? 1 : 0);
    EXPECT_EQ(refusals.count(), i.taken ? 0 : 1);
  }
};

TEST_P(BoxInsertion, ThePasteKey) {
  QGuiApplication::clipboard()->setText(GetParam().text);
  changes.clear();
  QTest::keyClick(&box, Qt::Key_V, Qt::ControlModifier);
  expectWholeOrNothing();
}

TEST_P(BoxInsertion, TheBoxsOwnMenu) {
  QGuiApplication::clipboard()->setText(GetParam().text);
  changes.clear();
  pasteWithItsMenu();
  expectWholeOrNothing();
}

TEST_P(BoxInsertion, ADrop) {
  changes.clear();
  drop(GetParam().text);
  expectWholeOrNothing();
}

TEST_P(BoxInsertion, AKeyOfAnyScriptCarryingTheText) {
  changes.clear();
  QTest::sendKeyEvent(QTest::Click, &box, Qt::Key_unknown, GetParam().text, Qt::NoModifier);
  expectWholeOrNothing();
}

INSTANTIATE_TEST_SUITE_P(
    AtTheBound, BoxInsertion,
    ::testing::Values(Insertion{"FillsTheBox", QStringLiteral("12"), true},
                      Insertion{"OneTooMany", QStringLiteral("123"), false},
                      Insertion{"MegabytesTooMany", QString(4 * 1000 * 1000, u'1'), false}),
    [](const ::testing::TestParamInfo<Insertion>& info) { return std::string(info.param.name); });

TEST_F(BoxAtTheBound, AFullBoxStillTakesEditsThatKeepItsLength) {
  QTest::keyClicks(&box, QStringLiteral("12"));
  ASSERT_EQ(box.text().size(), kLongest);

  QTest::keyClick(&box, Qt::Key_3);
  EXPECT_EQ(box.text().size(), kLongest);
  QCoreApplication::processEvents();
  EXPECT_EQ(refusals.count(), 1);

  box.setSelection(0, 1);
  QTest::keyClick(&box, Qt::Key_4);  // replaces the selected character
  EXPECT_TRUE(box.text().startsWith(u'4'));
  QTest::keyClick(&box, Qt::Key_Backspace);
  EXPECT_EQ(box.text().size(), kLongest - 1);
  QCoreApplication::processEvents();
  EXPECT_EQ(refusals.count(), 1);
}

}  // namespace
}  // namespace vardeln
