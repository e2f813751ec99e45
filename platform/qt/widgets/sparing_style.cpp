// Vardeln — MIT licence, see LICENSE.
#include "sparing_style.h"

#include <QIconEngine>
#include <QPointer>
#include <optional>

namespace vardeln {
namespace {

// An icon whose pictures are asked of the style the first time anything needs them.
class DeferredIconEngine final : public QIconEngine {
 public:
  DeferredIconEngine(const QStyle* style, QStyle::StandardPixmap which)
      : style_(style), which_(which) {}

  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
    icon().paint(painter, rect, Qt::AlignCenter, mode, state);
  }
  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    return icon().pixmap(size, mode, state);
  }
  QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    return icon().actualSize(size, mode, state);
  }
  QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
    return icon().availableSizes(mode, state);
  }
  QIconEngine* clone() const override { return new DeferredIconEngine(*this); }

 private:
  const QIcon& icon() {
    if (!icon_) icon_ = style_ != nullptr ? style_->standardIcon(which_) : QIcon();
    return *icon_;
  }

  QPointer<const QStyle> style_;
  QStyle::StandardPixmap which_;
  std::optional<QIcon> icon_;
};

}  // namespace

QIcon SparingStyle::standardIcon(StandardPixmap icon, const QStyleOption* option,
                                 const QWidget* widget) const {
  if (icon == SP_ToolBarHorizontalExtensionButton && option == nullptr) {
    return QIcon(new DeferredIconEngine(baseStyle(), icon));
  }
  return QProxyStyle::standardIcon(icon, option, widget);
}

}  // namespace vardeln
