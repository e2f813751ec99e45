// Vardeln — MIT licence, see LICENSE.
#include "about/twips.h"

#include <QPaintDevice>
#include <QtMath>

namespace vardeln {

namespace {

constexpr double kTwipsPerInch = 1440.0;

int toPixels(int twips, double dotsPerInch) { return qRound(twips * dotsPerInch / kTwipsPerInch); }

}  // namespace

TwipsScale::TwipsScale(double dotsPerInchX, double dotsPerInchY)
    : dotsPerInchX_(dotsPerInchX), dotsPerInchY_(dotsPerInchY) {}

TwipsScale::TwipsScale(const QPaintDevice& device)
    : TwipsScale(device.logicalDpiX(), device.logicalDpiY()) {}

int TwipsScale::x(int twips) const { return toPixels(twips, dotsPerInchX_); }

int TwipsScale::y(int twips) const { return toPixels(twips, dotsPerInchY_); }

QPoint TwipsScale::point(int left, int top) const { return {x(left), y(top)}; }

QRect TwipsScale::rect(int left, int top, int width, int height) const {
  return {point(left, top), QSize(x(width), y(height))};
}

}  // namespace vardeln
