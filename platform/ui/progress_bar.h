#pragma once
// A progress bar with single-precision Min, Max and Value; the display clamps, the values are kept as set.
// The display follows Value to within a pixel, and shows Min and Max exactly.
#include "platform/ui/control.h"

namespace ui {

class ProgressBar : public Control {
 public:
  using Control::Control;
  bool hasFont() const override { return false; }
  float min();
  float max();
  float value();
  void setMin(float v);
  void setMax(float v);
  void setValue(float v);

 protected:
  QWidget* createWidget(QWidget* parent) override;
  void resetState() override;

 private:
  void show();
  float min_ = 0, max_ = 100, value_ = 0;
};

}  // namespace ui
