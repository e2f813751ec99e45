// Vardeln — MIT licence, see LICENSE.
#include "about_dialog.h"

#include <QColor>
#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QPalette>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QString>
#include <algorithm>

#include "program_icon.h"
#include "task_bar.h"
#include "twips.h"
#include "version.h"

namespace vardeln {

namespace {

// The credit lines stay short: their boxes run on under the picture, which hides whatever
// text reaches it.
const QString kAuthor = QStringLiteral("Vardeln developers");
const QString kNotice = QStringLiteral("Free, MIT licence");
const QString kContact = QStringLiteral("Bugs: issue tracker");

QLabel* addLabel(QWidget* parent, const QString& name, const QString& text, const QRect& geometry,
                 const QString& toolTip = {}) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  label->setGeometry(geometry);
  label->setToolTip(toolTip);
  return label;
}

// One half of the etched separator `Line1`; both halves share the name and tell themselves
// apart by their "index" property, 0 for the white half and 1 for the grey one.
void addSeparatorHalf(QWidget* parent, int index, const QColor& colour, int widthPixels,
                      qreal dpi) {
  auto* line = new QFrame(parent);
  line->setObjectName(QStringLiteral("Line1"));
  line->setProperty("index", index);
  QPalette palette = line->palette();
  palette.setColor(QPalette::Window, colour);
  line->setPalette(palette);
  line->setAutoFillBackground(true);
  const int left = twipsToPixels(-120, dpi);
  const int right = twipsToPixels(5520, dpi);
  line->setGeometry(left, twipsToPixels(1800, dpi), right - left, widthPixels);
}

}  // namespace

AboutDialog::AboutDialog(QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint) {
  setObjectName(QStringLiteral("frmAbout"));
  setWindowTitle(QStringLiteral("About Vardeln v" VARDELN_VERSION));
  setWindowModality(Qt::ApplicationModal);
  // No icon of its own: without one Qt would lend it the main window's, which a window
  // manager then draws in the box's title bar.
  setWindowIcon(QIcon());
  const qreal dpi = logicalDpiX();
  setFixedSize(twipsToPixels(5670, dpi), twipsToPixels(2385, dpi));

  // Qt draws later siblings in front, so the controls are made from the back to the front:
  // the grey half of the separator lies on the upper row of the white half, leaving one white
  // row under it for the etched look, and the picture lies over the ends of the label boxes.
  addSeparatorHalf(this, 0, Qt::white, 2, dpi);

  QLabel* titleLabel =
      addLabel(this, QStringLiteral("lblTitle"), QStringLiteral("Vardeln Version " VARDELN_VERSION),
               twipsToPixels(QRect(1050, 240, 3885, 240), dpi),
               QStringLiteral("Vardeln version" VARDELN_VERSION));
  QPalette titlePalette = titleLabel->palette();
  titlePalette.setColor(QPalette::WindowText, Qt::black);
  titleLabel->setPalette(titlePalette);

  addSeparatorHalf(this, 1, QColor(128, 128, 128), 1, dpi);

  addLabel(this, QStringLiteral("aboutLabel0"), QStringLiteral("By"),
           twipsToPixels(QRect(1080, 600, 375, 255), dpi));
  addLabel(this, QStringLiteral("aboutLabel1"), kAuthor,
           twipsToPixels(QRect(1080, 840, 3975, 255), dpi), kAuthor);
  addLabel(this, QStringLiteral("Label1"), kNotice,
           twipsToPixels(QRect(1080, 1080, 3975, 255), dpi), QStringLiteral("Licence"));
  addLabel(this, QStringLiteral("aboutLabel2"), kContact,
           twipsToPixels(QRect(1080, 1320, 3975, 255), dpi));

  // The picture is a pixel image and keeps its own size at every resolution.
  const QPixmap picture = aboutPicture();
  auto* pictureLabel = new QLabel(this);
  pictureLabel->setObjectName(QStringLiteral("Image1"));
  pictureLabel->setPixmap(picture);
  pictureLabel->setGeometry(
      QRect(QPoint(twipsToPixels(3000, dpi), twipsToPixels(240, dpi)), picture.size()));
  pictureLabel->setToolTip(QStringLiteral("Vardeln"));

  okButton_ = new QPushButton(QStringLiteral("OK"), this);
  okButton_->setObjectName(QStringLiteral("cmdOK"));
  okButton_->setGeometry(twipsToPixels(QRect(4320, 1920, 1260, 345), dpi));
  okButton_->setDefault(true);
  connect(okButton_, &QPushButton::clicked, this, &QDialog::accept);

  // Like the picture, the icon keeps its pixel size; its box grows by the sunken border.
  auto* iconLabel = new QLabel(this);
  iconLabel->setObjectName(QStringLiteral("picIcon"));
  iconLabel->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
  const QPixmap icon = programPicture();
  iconLabel->setPixmap(icon);
  const int border = 2 * iconLabel->frameWidth();
  iconLabel->setGeometry(QRect(QPoint(twipsToPixels(240, dpi), twipsToPixels(240, dpi)),
                               icon.size() + QSize(border, border)));
  iconLabel->setToolTip(QStringLiteral("Vardeln Logo"));
  // Only OK acts, so only OK takes the focus: Tab stays on it instead of moving the focus to
  // the picture, which has no way to show it.
}

void AboutDialog::showEvent(QShowEvent* event) {
  // Each showing starts afresh on OK, wherever the focus was when the box was last closed.
  okButton_->setFocus(Qt::OtherFocusReason);
  keepOutOfTaskBar(*this);
  placeOverOwner();
  QDialog::showEvent(event);
}

void AboutDialog::placeOverOwner() {
  // The box's own area, not its frame, is centred over the main window's. Qt's placement
  // of a dialog moves the frame, whose size is unknown until a window manager has framed
  // the box once, so on X11 each later showing stood lower and further right by the frame.
  const QRect available = screen()->availableGeometry();
  const QWidget* owner = parentWidget() != nullptr ? parentWidget()->window() : nullptr;
  QRect placed(QPoint(), size());
  placed.moveCenter(owner != nullptr ? owner->geometry().center() : available.center());
  // Whole on the screen where it can be.
  placed.moveLeft(
      std::max(available.left(), std::min(placed.left(), available.right() + 1 - placed.width())));
  placed.moveTop(
      std::max(available.top(), std::min(placed.top(), available.bottom() + 1 - placed.height())));
  setGeometry(placed);
}

}  // namespace vardeln
