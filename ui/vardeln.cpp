// Vardeln — MIT licence, see LICENSE.
#include "vardeln.h"

#include <QClipboard>
#include <QCloseEvent>
#include <QFontDatabase>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QLocale>
#include <QMenuBar>
#include <QPalette>
#include <QScopedValueRollback>
#include <QScreen>
#include <QSignalBlocker>
#include <QTimer>

#include "about_dialog.h"
#include "category_items.h"
#include "check_menu_item.h"
#include "display_box.h"
#include "drop_down_list.h"
#include "freed_memory.h"
#include "locale_number_style.h"
#include "program_icon.h"
#include "text_box.h"
#include "title_bar.h"
#include "twips.h"
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

QString qText(std::string_view utf8) {
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::string utf8(const QString& text) { return text.toStdString(); }

// The colour of a fault: a red that stands out from the text around it, dark on a light
// window and light on a dark one.
QColor faultColour(const QPalette& palette) {
  return palette.color(QPalette::Window).lightness() < 128 ? QColor(255, 110, 110)
                                                           : QColor(176, 0, 0);
}

// Draws the widget's text in the colour, whether it is enabled or not.
void paintTextIn(QWidget* widget, QPalette::ColorRole role, const QColor& colour) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::All, role, colour);
  widget->setPalette(palette);
}

// The Edit commands use the system clipboard as plain text.
void putOnClipboard(const std::string& text) {
  QClipboard* clipboard = QGuiApplication::clipboard();
  clipboard->clear();
  clipboard->setText(QString::fromStdString(text));
}

QMenu* addMenu(QMenuBar* bar, const char* name, const QString& caption) {
  QMenu* menu = bar->addMenu(caption);
  menu->setObjectName(QString::fromLatin1(name));
  return menu;
}

QAction* addItem(QMenu* menu, const char* name, const QString& caption) {
  QAction* item = menu->addAction(caption);
  item->setObjectName(QString::fromLatin1(name));
  return item;
}

}  // namespace

Vardeln::Vardeln(QWidget* parent) : QMainWindow(parent) {
  createControls();
  placeControls();
  createMenus();
  // Numbers are read and shown with the user's decimal mark, as the system's own programs
  // show them. The converter's start: every control drawn from it once.
  showChanges(converter_.setNumberStyle(numberStyleOf(locale())) | Converter::kCategory |
              Converter::kUnits | Converter::kNumber | Converter::kResult | Converter::kNote);
  inputText_->setFocus();
  // The first key replaces the start's number.
  inputText_->selectAll();
  centreOnScreen();
}

void Vardeln::changeEvent(QEvent* event) {
  // Another locale, the system's or one set on the window, brings its own decimal mark.
  if (event->type() == QEvent::LocaleChange) {
    showChanges(converter_.setNumberStyle(numberStyleOf(locale())));
  }
  QMainWindow::changeEvent(event);
}

void Vardeln::closeEvent(QCloseEvent* event) {
  delete aboutDialog_;
  event->accept();
}

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
  inputText_ = new TextBox(static_cast<int>(Converter::kLongestNumber), clientArea);
  inputText_->setObjectName(QStringLiteral("inputText"));
  inputText_->setAccessibleName(tr("Number to convert"));

  inputUnit_ = new DropDownList(clientArea);
  inputUnit_->setObjectName(QStringLiteral("inputUnit"));
  inputUnit_->setAccessibleName(tr("Convert from"));

  // The result is only ever written by the program; Copy is the way to take it elsewhere.
  // A display box: neither the keyboard nor a screen reader takes it for a box to type in.
  outputText_ = new DisplayBox(clientArea);
  outputText_->setObjectName(QStringLiteral("outputText"));
  outputText_->setAccessibleName(tr("Result"));
  outputText_->setEnabled(false);

  outputUnit_ = new DropDownList(clientArea);
  outputUnit_->setObjectName(QStringLiteral("outputUnit"));
  outputUnit_->setAccessibleName(tr("Convert to"));

  setTabOrder(inputText_, inputUnit_);
  setTabOrder(inputUnit_, outputText_);
  setTabOrder(outputText_, outputUnit_);

  // Drawn in a palette colour so that it follows the user's colour scheme.
  line1_ = new QFrame(clientArea);
  line1_->setObjectName(QStringLiteral("Line1"));
  line1_->setFrameShape(QFrame::HLine);
  line1_->setFrameShadow(QFrame::Plain);
  line1_->setLineWidth(kRuleThickness);
  line1_->setForegroundRole(QPalette::Dark);

  // The converter's note (a fault, a refused text) in the empty space under the lists, where
  // it does not hide the result the user had.
  faultNote_ = new QLabel(clientArea);
  faultNote_->setObjectName(QStringLiteral("faultNote"));
  faultNote_->hide();

  connect(inputText_, &QLineEdit::textChanged, this, &Vardeln::takeNumber);
  connect(inputText_, &TextBox::longTextRefused, this, &Vardeln::refuseLongText);
  connect(inputUnit_, &DropDownList::selectionChanged, this, &Vardeln::chooseSourceUnit);
  connect(inputUnit_, &DropDownList::characterKeyPressed, this, &Vardeln::chooseSourceUnit);
  connect(outputUnit_, &DropDownList::selectionChanged, this, &Vardeln::chooseTargetUnit);
  connect(outputUnit_, &DropDownList::characterKeyPressed, this, &Vardeln::chooseTargetUnit);
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
      {inputText_,  { 240,  480, 3015,  285}},
      {inputUnit_,  { 240,  840, 3015,  315}},
      {outputText_, { 240, 1560, 3015,  285}},
      {outputUnit_, { 240, 1920, 3015,  315}},
      {faultNote_,  { 240, 2310, 3015,  285}},
  };
  // clang-format on
  for (const Placement& placement : placements) {
    placement.control->setGeometry(twipsToPixels(placement.twips, dpi));
  }
  line1_->setGeometry(0, 0, twipsToPixels(kRuleLength, dpi), kRuleThickness);

  centralWidget()->setFixedSize(twipsToPixels(kClientWidth, dpi),
                                twipsToPixels(kClientHeight, dpi));
  layout()->setSizeConstraint(QLayout::SetFixedSize);
}

// The menu bar: File, Edit, the categories and Help. Captions carry their access keys; no
// item has a shortcut key.
void Vardeln::createMenus() {
  QMenu* fileMenu = addMenu(menuBar(), "fileMenu", tr("&File"));
  connect(addItem(fileMenu, "exitMenu", tr("E&xit")), &QAction::triggered, this,
          &Vardeln::exitProgram);

  QMenu* editMenu = addMenu(menuBar(), "editMenu", tr("&Edit"));
  connect(addItem(editMenu, "cutMenu", tr("Cut")), &QAction::triggered, this, &Vardeln::cut);
  connect(addItem(editMenu, "copyMenu", tr("Copy")), &QAction::triggered, this, &Vardeln::copy);
  connect(addItem(editMenu, "pasteMenu", tr("Paste")), &QAction::triggered, this, &Vardeln::paste);
  connect(addItem(editMenu, "resetMenu", tr("Reset")), &QAction::triggered, this, &Vardeln::reset);

  // The check marks are drawn from the converter: only its category's item is checked.
  QMenu* categoryMenu = addMenu(menuBar(), "categoryMenu", tr("&Vardeln"));
  for (std::size_t i = 0; i < categoryItems_.size(); ++i) {
    const std::string_view id = allCategories()[i].get().id();
    auto* item = new CheckMenuItem(categoryItemCaption(i), false, categoryMenu);
    item->setObjectName(categoryItemName(id));
    categoryMenu->addAction(item);
    connect(item, &CheckMenuItem::chosen, this, [this, i] { chooseCategory(i); });
    categoryItems_[i] = item;
  }

  QMenu* helpMenu = addMenu(menuBar(), "helpMenu", tr("&Help"));
  connect(addItem(helpMenu, "aboutMenu", tr("About...")), &QAction::triggered, this,
          &Vardeln::showAbout);
}

void Vardeln::centreOnScreen() {
  layout()->activate();
  move(screen()->availableGeometry().center() - rect().center());
}

void Vardeln::chooseCategory(std::size_t index) { showChanges(converter_.chooseCategory(index)); }

// A character key in a list reaches here before it moves the selection, and the move then
// comes again as a choice: the list's current entry is always the unit to convert with.
void Vardeln::chooseSourceUnit() {
  if (selectingConverterUnits_ || inputUnit_->currentIndex() < 0) return;
  showChanges(converter_.chooseFrom(static_cast<std::size_t>(inputUnit_->currentIndex())));
}

void Vardeln::chooseTargetUnit() {
  if (selectingConverterUnits_ || outputUnit_->currentIndex() < 0) return;
  showChanges(converter_.chooseTo(static_cast<std::size_t>(outputUnit_->currentIndex())));
}

void Vardeln::takeNumber() { showChanges(converter_.setNumber(utf8(inputText_->text()))); }

// The box weighs an offered text before it takes it in: a text of megabytes never reaches it.
void Vardeln::refuseLongText() { showChanges(converter_.refuseLongText()); }

// The Edit commands work on whole boxes, never on a selection.
void Vardeln::cut() {
  const Converter::Cut cut = converter_.cut();
  putOnClipboard(cut.clipboard);
  showChanges(cut.changed);
}

void Vardeln::copy() { putOnClipboard(converter_.copy()); }

void Vardeln::paste() {
  showChanges(converter_.paste(QGuiApplication::clipboard()->text().toStdString()));
  // A clipboard of megabytes, refused or not, leaves memory behind once its copies are gone.
  QTimer::singleShot(0, this, [] { returnFreedMemory(); });
}

void Vardeln::reset() { showChanges(converter_.reset()); }

void Vardeln::exitProgram() { close(); }

void Vardeln::showAbout() {
  if (aboutDialog_ == nullptr) aboutDialog_ = new AboutDialog(this);
  aboutDialog_->exec();
}

// The window as a view of its converter: what a command changed is drawn into the controls.
void Vardeln::showChanges(unsigned changed) {
  if (changed & Converter::kCategory) showCategory();
  if (changed & (Converter::kCategory | Converter::kUnits)) showUnits();
  showNumber();
  if (changed & Converter::kResult) showResult();
  if (changed & Converter::kNote) showNote();
  emit conversionRan();
}

void Vardeln::showCategory() {
  for (std::size_t i = 0; i < categoryItems_.size(); ++i) {
    categoryItems_[i]->setChecked(i == converter_.categoryIndex());
  }
  for (DropDownList* list : {inputUnit_, outputUnit_}) {
    list->removeAllEntries();
    const auto& labels = converter_.category().labels();
    for (std::size_t i = 0; i < labels.size(); ++i) {
      list->setEntry(static_cast<int>(i), qText(labels[i]));
    }
  }
}

void Vardeln::showUnits() {
  {
    const QScopedValueRollback selecting(selectingConverterUnits_, true);
    inputUnit_->setCurrentIndex(static_cast<int>(converter_.fromUnit()));
    outputUnit_->setCurrentIndex(static_cast<int>(converter_.toUnit()));
  }
  // Resting the pointer on a box or its list names the unit it is in.
  const QString from = qText(converter_.fromLabel());
  const QString to = qText(converter_.toLabel());
  inputUnit_->setToolTip(from);
  inputText_->setToolTip(from);
  outputUnit_->setToolTip(to);
  outputText_->setToolTip(to);
}

// The number is drawn whenever the box differs from it: the converter may have taken a typed
// text otherwise than the box holds it (a line break as a blank). The box's own signals are
// blocked, for the text is the converter's and no edit of the user's; the box still tells a
// screen reader and moves its caret, which it does without them.
void Vardeln::showNumber() {
  if (const QString number = qText(converter_.number()); inputText_->text() != number) {
    const QSignalBlocker quiet(inputText_);
    inputText_->setText(number);
  }
}

// A stale result is drawn in the fault's colour and named to a screen reader.
void Vardeln::showResult() {
  outputText_->setText(qText(converter_.result()));
  if (const auto fault = converter_.staleBecause()) {
    paintTextIn(outputText_, QPalette::Text, faultColour(palette()));
    // A screen reader hears the fault with the result, as a sighted user sees the colour.
    outputText_->setAccessibleDescription(qText(faultName(*fault)));
  } else {
    outputText_->setPalette(QPalette());
    outputText_->setAccessibleDescription(QString());
  }
}

void Vardeln::showNote() {
  // The note is one line of the window's width: a longer one ends in "…", and the whole note
  // is its tooltip, which a screen reader also hears.
  const QString note = qText(converter_.note());
  const QString shown =
      faultNote_->fontMetrics().elidedText(note, Qt::ElideRight, faultNote_->width());
  faultNote_->setText(shown);
  faultNote_->setToolTip(shown == note ? QString() : note);
  // A refused text is no fault of the result: its note is drawn in the window's own colour.
  if (converter_.noteKind() == Converter::NoteKind::Fault) {
    paintTextIn(faultNote_, QPalette::WindowText, faultColour(palette()));
  } else {
    faultNote_->setPalette(QPalette());
  }
  faultNote_->setVisible(converter_.noteKind() != Converter::NoteKind::None);
}

}  // namespace vardeln
