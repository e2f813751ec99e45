// Vardeln — MIT licence, see LICENSE.
#include "title_bar.h"

#include <QEvent>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QWindow>
#include <utility>

namespace vardeln {
namespace {

constexpr int kPadding = 6;
constexpr int kIconSize = 16;

}  // namespace

void TitleBar::installOnWayland(QWidget* window) {
  if (!QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) return;
  // Only the window's kind stays: the buttons it allows are now this bar's, and beside them
  // Qt would not let the platform's title bar go.
  window->setWindowFlags((window->windowFlags() & Qt::WindowType_Mask) | Qt::FramelessWindowHint);
  auto* bar = new TitleBar(window);
  // The window's own layout starts under the bar, and the window's size takes it in.
  QMargins margins = window->contentsMargins();
  margins.setTop(margins.top() + bar->height());
  window->setContentsMargins(margins);
}

TitleBar::TitleBar(QWidget* window) : QWidget(window), window_(window) {
  setObjectName(QStringLiteral("titleBar"));
  setAttribute(Qt::WA_NoMousePropagation);
  setFixedHeight(fontMetrics().height() + 2 * kPadding);
  setGeometry(0, 0, window->width(), height());
  window->installEventFilter(this);
}

// Keeps to the window's width, and is drawn anew when its caption, icon or activity change.
bool TitleBar::eventFilter(QObject* watched, QEvent* event) {
  if (watched == window_) {
    switch (event->type()) {
      case QEvent::Resize:
        setGeometry(0, 0, window_->width(), height());
        break;
      case QEvent::WindowTitleChange:
      case QEvent::WindowIconChange:
      case QEvent::ActivationChange:
        update();
        break;
      default:
        break;
    }
  }
  return QWidget::eventFilter(watched, event);
}

QRect TitleBar::closeButton() const { return {width() - height(), 0, height(), height()}; }

QRect TitleBar::minimizeButton() const { return closeButton().translated(-height(), 0); }

void TitleBar::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  const QPoint at = event->position().toPoint();
  pressed_ = closeButton().contains(at)      ? Button::Close
             : minimizeButton().contains(at) ? Button::Minimize
                                             : Button::None;
  if (pressed_ != Button::None) return;
  if (QWindow* handle = window_->windowHandle()) handle->startSystemMove();
}

// A button acts when it is released over the button it was pressed on, as buttons do.
void TitleBar::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  const QPoint at = event->position().toPoint();
  const Button pressed = std::exchange(pressed_, Button::None);
  if (pressed == Button::Close && closeButton().contains(at)) {
    window_->close();
  } else if (pressed == Button::Minimize && minimizeButton().contains(at)) {
    window_->showMinimized();
  }
}

void TitleBar::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), palette().color(QPalette::Button));
  painter.setPen(palette().color(QPalette::Mid));
  painter.drawLine(0, height() - 1, width(), height() - 1);

  // The caption and the buttons' marks in the text colour while the window is active, and
  // in the dimmed one while another window has the keyboard.
  const QColor ink = palette().color(
      window_->isActiveWindow() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText);
  const QIcon icon = window_->windowIcon();
  const QRect iconPlace(kPadding, (height() - kIconSize) / 2, kIconSize, kIconSize);
  if (!icon.isNull()) icon.paint(&painter, iconPlace);
  const QRect caption(iconPlace.right() + kPadding, 0,
                      minimizeButton().left() - iconPlace.right() - 2 * kPadding, height());
  painter.setPen(ink);
  painter.drawText(
      caption, Qt::AlignCenter,
      fontMetrics().elidedText(window_->windowTitle(), Qt::ElideRight, caption.width()));

  QPen mark(ink, 2);
  painter.setPen(mark);
  const int inset = height() / 3;
  const QRect minimize = minimizeButton().adjusted(inset, inset, -inset, -inset);
  painter.drawLine(minimize.bottomLeft(), minimize.bottomRight());
  const QRect close = closeButton().adjusted(inset, inset, -inset, -inset);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.drawLine(close.topLeft(), close.bottomRight());
  painter.drawLine(close.bottomLeft(), close.topRight());
}

}  // namespace vardeln
