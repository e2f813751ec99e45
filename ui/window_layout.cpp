// Vardeln — MIT licence, see LICENSE.
// The window's controls, where they stand and how the focus moves between them.
#include <QFontDatabase>
#include <QFrame>
#include <QLabel>
#include <QLayout>
#include <QScreen>

#include "program_icon.h"
#include "display_box.h"
#include "drop_down_list.h"
#include "text_box.h"
#include "title_bar.h"
#include "twips.h"
#include "vardeln.h"
#include "version.h"

namespace vardeln {
namespace {

// The client area below the menu bar, in twips.
constexpr int kClientWidth = 3450;
constexpr int kClientHeight = 3255;

// The rule under the menu bar runs a little past the right edge so that it always spans the
// whole width; its thickness is in pixels whatever the screen.
constexpr int kRuleLength = 3480;
constexpr int kRuleThickness = 2;

}  // namespace

void Vardeln::createControls() {
  setObjectName(QStringLiteral("Vardeln"));
  setWindowTitle(QStringLiteral("Vardeln v" VARDELN_VERSION));
  setWindowIcon(programIcon());
  // A fixed single border: minimize and close, but nothing that would change the size.
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
  TitleBar::installOnWayland(this);

  auto* clientArea = new QWidget(this);
  setCentralWidget(clientArea);

  // Created in tab order, which is also the order Tab visits them.
  inputText = new TextBox(static_cast<int>(Converter::kLongestNumber), clientArea);
  inputText->setObjectName(QStringLiteral("inputText"));
  inputText->setAccessibleName(tr("Number to convert"));

  inputUnit = new DropDownList(clientArea);
  inputUnit->setObjectName(QStringLiteral("inputUnit"));
  inputUnit->setAccessibleName(tr("Convert from"));

  // The result is only ever written by the program; Copy is the way to take it elsewhere.
  // A display box: neither the keyboard nor a screen reader takes it for a box to type in.
  outputText = new DisplayBox(clientArea);
  outputText->setObjectName(QStringLiteral("outputText"));
  outputText->setAccessibleName(tr("Result"));
  outputText->setEnabled(false);

  outputUnit = new DropDownList(clientArea);
  outputUnit->setObjectName(QStringLiteral("outputUnit"));
  outputUnit->setAccessibleName(tr("Convert to"));

  setTabOrder(inputText, inputUnit);
  setTabOrder(inputUnit, outputText);
  setTabOrder(outputText, outputUnit);

  // Drawn in a palette colour so that it follows the user's colour scheme.
  line1 = new QFrame(clientArea);
  line1->setObjectName(QStringLiteral("Line1"));
  line1->setFrameShape(QFrame::HLine);
  line1->setFrameShadow(QFrame::Plain);
  line1->setLineWidth(kRuleThickness);
  line1->setForegroundRole(QPalette::Dark);

  // The converter's note (a fault, a refused text) in the empty space under the lists, where
  // it does not hide the result the user had.
  faultNote = new QLabel(clientArea);
  faultNote->setObjectName(QStringLiteral("faultNote"));
  faultNote->hide();

  connect(inputText, &QLineEdit::textChanged, this, &Vardeln::numberEdited);
  connect(inputText, &TextBox::tooLong, this, &Vardeln::longTextRefused);
  connect(inputUnit, &DropDownList::selectionChanged, this, &Vardeln::sourceUnitChosen);
  connect(inputUnit, &DropDownList::characterKeyPressed, this, &Vardeln::sourceUnitChosen);
  connect(outputUnit, &DropDownList::selectionChanged, this, &Vardeln::targetUnitChosen);
  connect(outputUnit, &DropDownList::characterKeyPressed, this, &Vardeln::targetUnitChosen);
}

void Vardeln::placeControls() {
  // The font a style sheet gives the window is known once the window is polished.
  ensurePolished();
  const qreal dpi = fontScaledDpi(screen()->logicalDotsPerInch(), font(),
                                  QFontDatabase::systemFont(QFontDatabase::GeneralFont));
  struct Placement {
    QWidget* control;
    QRect twips;
  };
  // clang-format off
  const Placement placements[] = {
      // control     left   top  width height
      {inputText,  { 240,  480, 3015,  285}},
      {inputUnit,  { 240,  840, 3015,  315}},
      {outputText, { 240, 1560, 3015,  285}},
      {outputUnit, { 240, 1920, 3015,  315}},
      {faultNote,  { 240, 2310, 3015,  285}},
  };
  // clang-format on
  for (const Placement& placement : placements) {
    placement.control->setGeometry(twipsToPixels(placement.twips, dpi));
  }
  line1->setGeometry(0, 0, twipsToPixels(kRuleLength, dpi), kRuleThickness);

  centralWidget()->setFixedSize(twipsToPixels(kClientWidth, dpi),
                                twipsToPixels(kClientHeight, dpi));
  layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void Vardeln::centreOnScreen() {
  layout()->activate();
  move(screen()->availableGeometry().center() - rect().center());
}

}  // namespace vardeln
