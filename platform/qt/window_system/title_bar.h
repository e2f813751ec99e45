// Vardeln — MIT licence, see LICENSE.
#pragma once

#include <QWidget>

namespace vardeln {

/// A title bar the window draws itself: the window's icon and caption, a button that
/// minimizes and one that closes, and nothing that would change the window's size. Dragging
/// it moves the window.
///
/// Wayland compositors such as weston leave the title bar to the program, and the one Qt
/// draws there always offers to maximize; a window of fixed size asked to fill the screen
/// breaks the compositor's rules, and the compositor then ends the program.
class TitleBar : public QWidget {
  Q_OBJECT

 public:
  /// Gives `window` this title bar in place of the platform's when the program runs on a
  /// Wayland compositor, and leaves it as it is anywhere else. Call it once the window's
  /// flags are set.
  static void installOnWayland(QWidget* window);

  explicit TitleBar(QWidget* window);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  QRect minimizeButton() const;
  QRect closeButton() const;

  enum class Button { None, Minimize, Close };

  QWidget* window_;
  // The button the left mouse button went down on, which acts if it also comes up on it.
  Button pressed_ = Button::None;
};

}  // namespace vardeln
