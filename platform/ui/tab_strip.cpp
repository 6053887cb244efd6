#include "platform/ui/tab_strip.h"

#include <QSignalBlocker>
#include <QTabBar>

#include "platform/error.h"
#include "platform/ui/qt_text.h"

namespace ui {
namespace {

QTabBar* barOf(QWidget* w) { return static_cast<QTabBar*>(w); }

}  // namespace

QWidget* TabStrip::createWidget(QWidget* parent) {
  auto* bar = new QTabBar(parent);
  bar->setDrawBase(true);
  bar->setExpanding(false);
  QObject::connect(bar, &QTabBar::currentChanged, bar, [this] { fire(onClick); });
  return bar;
}

int TabStrip::addTab(std::string_view caption) {
  QSignalBlocker block(barOf(widget()));
  return barOf(widget())->addTab(detail::toQt(caption)) + 1;
}

int TabStrip::tabCount() { return barOf(widget())->count(); }

std::string TabStrip::tabCaption(int index) {
  if (index < 1 || index > tabCount()) win::raise(35600, "Index out of bounds");
  return detail::fromQt(barOf(widget())->tabText(index - 1));
}

void TabStrip::clearTabs() {
  QSignalBlocker block(barOf(widget()));
  while (barOf(widget())->count() > 0) barOf(widget())->removeTab(0);
}

int TabStrip::selectedIndex() { return barOf(widget())->currentIndex() + 1; }

std::string TabStrip::selectedCaption() {
  int i = selectedIndex();
  return i > 0 ? tabCaption(i) : std::string();
}

void TabStrip::select(int index) {
  if (index < 1 || index > tabCount()) win::raise(35600, "Index out of bounds");
  if (index == selectedIndex()) return;
  {
    QSignalBlocker block(barOf(widget()));
    barOf(widget())->setCurrentIndex(index - 1);
  }
  if (onClick) onClick();
}

}  // namespace ui
