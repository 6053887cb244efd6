#include "platform/ui/progress_bar.h"

#include <QProgressBar>
#include <algorithm>
#include <cmath>

namespace ui {
namespace {

// The bar shows the share of the way from Min to Max in this many steps.
constexpr int kSteps = 10000;

}  // namespace

QWidget* ProgressBar::createWidget(QWidget* parent) {
  auto* bar = new QProgressBar(parent);
  bar->setRange(0, kSteps);
  bar->setTextVisible(false);
  bar->setValue(0);
  return bar;
}

void ProgressBar::resetState() {
  min_ = 0;
  max_ = 100;
  value_ = 0;
}

void ProgressBar::show() {
  double span = double(max_) - double(min_);
  double share = span > 0 ? (double(value_) - double(min_)) / span : 0;
  if (!std::isfinite(share)) share = 0;
  const int shown = int(std::lround(std::clamp(share, 0.0, 1.0) * kSteps));
  auto* bar = static_cast<QProgressBar*>(widget());
  // Each new value costs the widget a text formatting and a style query, about a twentieth of a block's
  // copy; a copy sets one per block, and one that moves the bar by less than a pixel shows nothing.
  const int pixel = kSteps / std::max(1, bar->width());
  if (shown != 0 && shown != kSteps && std::abs(shown - bar->value()) < pixel) return;
  bar->setValue(shown);
}

float ProgressBar::min() { return widget(), min_; }
float ProgressBar::max() { return widget(), max_; }
float ProgressBar::value() { return widget(), value_; }
void ProgressBar::setMin(float v) { widget(), min_ = v, show(); }
void ProgressBar::setMax(float v) { widget(), max_ = v, show(); }
void ProgressBar::setValue(float v) { widget(), value_ = v, show(); }

}  // namespace ui
