#pragma once
// Internal: colours of a widget, as the controls' BackColor and ForeColor set them.
#include <QPalette>
#include <QWidget>

#include "platform/ui/units.h"

namespace ui::detail {

// An opaque background of that colour.
inline void setBackground(QWidget* w, Color color) {
  QPalette p = w->palette();
  p.setColor(QPalette::Window, toQColor(color));
  w->setPalette(p);
  w->setAutoFillBackground(true);
}

}  // namespace ui::detail
