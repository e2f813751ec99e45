// Vardeln — MIT licence, see LICENSE.
// Whatever lands on the system clipboard or under the fingers — a box full of random bytes,
// broken UTF-8, NUL characters, keys that name no unit — the window answers clearly, and the
// next ordinary number converts as before. Texts longer than the box holds are refused whole;
// the long-paste tests cover them.
#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QTest>
#include <string>

#include "text_box.h"
#include "text_samples.h"
#include "window_fixture.h"

namespace vardeln {
namespace {

using vardeln::testing::invalidUtf8;
using vardeln::testing::randomBytes;

// As many characters as the number box holds; a row leaves room for the keys it types.
constexpr std::size_t kFull = Converter::kLongestNumber;

// Types the text key by key as a keyboard of any script would, one character per key.
void typeKeys(QWidget* widget, const QString& text) {
  for (const QChar character : text) {
    QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(character), Qt::NoModifier);
  }
}

// Each row makes its clipboard bytes only when its test runs.
struct HostilePaste {
  const char* name;
  std::string (*clipboardBytes)();  // put on the clipboard as plain text, UTF-8 or not
  const char* resultAfterPaste;
  const char* typedAtTheEnd;  // then typed, key by key, after the pasted text
  const char* resultAfterTyping;
};

void PrintTo(const HostilePaste& p, std::ostream* out) { *out << p.name; }

class HostilePastes : public LoadedWindow, public ::testing::WithParamInterface<HostilePaste> {};

TEST_P(HostilePastes, AreAnsweredAndTheWindowGoesOnConverting) {
  const HostilePaste& p = GetParam();
  inputUnit->setCurrentText(QStringLiteral("Hectares"));
  outputUnit->setCurrentText(QStringLiteral("Ares"));
  QClipboard* clipboard = QGuiApplication::clipboard();
  const std::string bytes = p.clipboardBytes();
  auto* pasted = new QMimeData;
  pasted->setData(QStringLiteral("text/plain"),
                  QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
  clipboard->setMimeData(pasted);

  choose("pasteMenu");
  // The number is one line: each line break of the clipboard's text stands as one blank.
  EXPECT_EQ(inputText->text(), clipboard->text()
                                   .replace(QStringLiteral("\r\n"), QStringLiteral(" "))
                                   .replace(u'\r', u' ')
                                   .replace(u'\n', u' '));
  EXPECT_EQ(outputText->text(), QString::fromUtf8(p.resultAfterPaste));
  typeKeys(inputText, QString::fromUtf8(p.typedAtTheEnd));
  EXPECT_EQ(outputText->text(), QString::fromUtf8(p.resultAfterTyping));
  EXPECT_TRUE(faultNote->isHidden());

  clipboard->setText(QStringLiteral("4"));
  choose("pasteMenu");
  EXPECT_EQ(outputText->text(), QStringLiteral("400"));
}

// Random bytes and broken UTF-8 decode to at most one character a byte. What the converter
// makes of long or odd numbers is the engine's and the scenario table's; these rows are the
// system clipboard's own: bytes that are no UTF-8, and a NUL that must not end the text.
// clang-format off
INSTANTIATE_TEST_SUITE_P(Clipboard, HostilePastes, ::testing::Values(
    HostilePaste{"ABoxFullOfRandomBytes",      [] { return randomBytes(kFull - 1); },                  "Invalid Number", "2",        "Invalid Number"},
    HostilePaste{"HalfABoxOfInvalidUtf8",      [] { return invalidUtf8(kFull / 2); },                  "Invalid Number", "3",        "Invalid Number"},
    HostilePaste{"NulInsideANumber",           [] { return std::string("1\0" "2", 3); },             "Invalid Number", "3",        "Invalid Number"}));
// clang-format on

using HostileShownWindow = LoadedWindow;

// On screen the number box lays out and paints the whole pasted text, in whatever scripts
// and directions random bytes decode to.
TEST_F(HostileShownWindow, PaintsABoxFullOfRandomTextAndGoesOnConverting) {
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  inputUnit->setCurrentText(QStringLiteral("Hectares"));
  outputUnit->setCurrentText(QStringLiteral("Ares"));
  for (const std::string& bytes : {randomBytes(kFull - 1), invalidUtf8(kFull / 2)}) {
    QGuiApplication::clipboard()->setText(
        QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size())));
    choose("pasteMenu");
    window.repaint();
    typeKeys(inputText, QStringLiteral("5"));
    window.repaint();
    EXPECT_EQ(outputText->text(), QStringLiteral("Invalid Number"));
  }
  QGuiApplication::clipboard()->setText(QStringLiteral("4"));
  choose("pasteMenu");
  window.repaint();
  EXPECT_EQ(outputText->text(), QStringLiteral("400"));
}

using HostileUnits = LoadedWindow;

// The lists hold only the category's own labels: another category's label set as a list's
// text changes nothing, and keys typed into a list can only move it to one of its labels.
TEST_F(HostileUnits, LabelsOfOtherCategoriesNeverReachTheConversion) {
  choose("lengthMenu");
  inputUnit->setCurrentText(QStringLiteral("Kilometers"));
  outputUnit->setCurrentText(QStringLiteral("Meters"));
  inputText->setText(QStringLiteral("1"));
  ASSERT_EQ(outputText->text(), QStringLiteral("1000"));

  for (const char* foreign : {"Kilogram", "Acres", "Celsius", "qqqq", "ÉÉ", "%1", ""}) {
    SCOPED_TRACE(foreign);
    inputUnit->setCurrentText(QString::fromUtf8(foreign));
    outputUnit->setCurrentText(QString::fromUtf8(foreign));
    EXPECT_EQ(inputUnit->currentText(), QStringLiteral("Kilometers"));
    EXPECT_EQ(outputUnit->currentText(), QStringLiteral("Meters"));
    EXPECT_EQ(outputText->text(), QStringLiteral("1000"));
  }

  const QStringList labels = entries(inputUnit);
  for (const char* keys : {"Kilogram", "Acres", "qqqq", "ÉÉ", "%1"}) {
    SCOPED_TRACE(keys);
    QTest::keyClicks(inputUnit, QString::fromUtf8(keys));
    QTest::keyClicks(outputUnit, QString::fromUtf8(keys));
    EXPECT_TRUE(labels.contains(inputUnit->currentText()));
    EXPECT_TRUE(labels.contains(outputUnit->currentText()));
  }
  inputUnit->setCurrentText(QStringLiteral("Kilometers"));
  outputUnit->setCurrentText(QStringLiteral("Meters"));
  EXPECT_EQ(outputText->text(), QStringLiteral("1000"));
  EXPECT_TRUE(faultNote->isHidden());
}

}  // namespace
}  // namespace vardeln
