#include "platform/ui/list_boxes.h"

#include <QComboBox>
#include <QListWidget>
#include <QSignalBlocker>

#include "platform/error.h"
#include "platform/text.h"
#include "platform/ui/qt_text.h"

namespace ui {
namespace {

QListWidget* listOf(QWidget* w) { return static_cast<QListWidget*>(w); }
QComboBox* comboOf(QWidget* w) { return static_cast<QComboBox*>(w); }

}  // namespace

// ---- ListBox

QWidget* ListBox::createWidget(QWidget* parent) {
  auto* l = new QListWidget(parent);
  l->setSelectionMode(QAbstractItemView::SingleSelection);
  l->setUniformItemSizes(true);
  QObject::connect(l, &QListWidget::itemSelectionChanged, l, [this] { fire(onClick); });
  QObject::connect(l, &QListWidget::itemDoubleClicked, l, [this] { fire(onDblClick); });
  return l;
}

void ListBox::resetState() {
  multiSelect_ = MultiSelect::None;
  sorted_ = false;
}

void ListBox::setMultiSelect(MultiSelect mode) {
  multiSelect_ = mode;
  listOf(widget())->setSelectionMode(mode == MultiSelect::Simple     ? QAbstractItemView::MultiSelection
                                     : mode == MultiSelect::Extended ? QAbstractItemView::ExtendedSelection
                                                                     : QAbstractItemView::SingleSelection);
}

void ListBox::setSorted(bool sorted) { widget(), sorted_ = sorted; }

void ListBox::checkIndex(int index, bool allowEnd) {
  if (index < 0 || index > listCount() - (allowEnd ? 0 : 1)) win::raise(win::InvalidProcedureCall);
}

void ListBox::addItem(std::string_view ansi, int index) {
  QListWidget* l = listOf(widget());
  int at = index;
  if (at < 0) {
    at = l->count();
    if (sorted_) {
      at = 0;
      while (at < l->count() && !win::lessNoCase(ansi, list(at))) ++at;
    }
  } else {
    checkIndex(at, true);
  }
  QSignalBlocker block(l);
  l->insertItem(at, detail::toQt(ansi));
}

void ListBox::removeItem(int index) {
  checkIndex(index);
  QSignalBlocker block(listOf(widget()));
  delete listOf(widget())->takeItem(index);
}

void ListBox::clear() {
  QSignalBlocker block(listOf(widget()));
  listOf(widget())->clear();
}

int ListBox::listCount() { return listOf(widget())->count(); }

std::string ListBox::list(int index) {
  QListWidgetItem* item = listOf(widget())->item(index);
  return item ? detail::fromQt(item->text()) : std::string();
}

void ListBox::setList(int index, std::string_view ansi) {
  if (QListWidgetItem* item = listOf(widget())->item(index)) item->setText(detail::toQt(ansi));
}

int ListBox::listIndex() {
  QListWidget* l = listOf(widget());
  if (multiSelect_ != MultiSelect::None) return l->currentRow();
  QList<QListWidgetItem*> sel = l->selectedItems();
  return sel.isEmpty() ? -1 : l->row(sel.front());
}

void ListBox::setListIndex(int index) {
  if (index < -1 || index >= listCount()) win::raise(380, "Invalid property value");
  if (index == listIndex()) return;
  QListWidget* l = listOf(widget());
  {
    QSignalBlocker block(l);
    if (multiSelect_ != MultiSelect::None)
      l->setCurrentRow(index, QItemSelectionModel::NoUpdate);
    else if (index < 0)
      l->clearSelection(), l->setCurrentRow(-1, QItemSelectionModel::Clear);
    else
      l->setCurrentRow(index, QItemSelectionModel::ClearAndSelect);
  }
  if (onClick) onClick();
}

bool ListBox::selected(int index) {
  QListWidgetItem* item = listOf(widget())->item(index);
  return item && item->isSelected();
}

void ListBox::setSelected(int index, bool selected) {
  checkIndex(index);
  QListWidgetItem* item = listOf(widget())->item(index);
  if (item->isSelected() == selected) return;
  {
    QSignalBlocker block(listOf(widget()));
    if (multiSelect_ == MultiSelect::None && selected) listOf(widget())->clearSelection();
    item->setSelected(selected);
  }
  if (onClick) onClick();
}

int ListBox::selCount() { return int(listOf(widget())->selectedItems().size()); }

int ListBox::topIndex() {
  QListWidget* l = listOf(widget());
  QListWidgetItem* item = l->itemAt(0, 0);
  return item ? l->row(item) : 0;
}

// ---- ComboBox

QWidget* ComboBox::createWidget(QWidget* parent) {
  auto* c = new QComboBox(parent);
  c->setEditable(false);
  QObject::connect(c, &QComboBox::activated, c, [this] { fire(onClick); });
  return c;
}

void ComboBox::addItem(std::string_view ansi, int index) {
  QComboBox* c = comboOf(widget());
  if (index > c->count()) win::raise(win::InvalidProcedureCall);
  QSignalBlocker block(c);
  int current = c->currentIndex();
  c->insertItem(index < 0 ? c->count() : index, detail::toQt(ansi));
  // Qt selects the first item added to an empty combo box; the original selects nothing.
  if (current < 0) c->setCurrentIndex(-1);
}

void ComboBox::removeItem(int index) {
  QComboBox* c = comboOf(widget());
  if (index < 0 || index >= c->count()) win::raise(win::InvalidProcedureCall);
  QSignalBlocker block(c);
  c->removeItem(index);
}

void ComboBox::clear() {
  QSignalBlocker block(comboOf(widget()));
  comboOf(widget())->clear();
}

int ComboBox::listCount() { return comboOf(widget())->count(); }

std::string ComboBox::list(int index) {
  QComboBox* c = comboOf(widget());
  return index >= 0 && index < c->count() ? detail::fromQt(c->itemText(index)) : std::string();
}

int ComboBox::listIndex() { return comboOf(widget())->currentIndex(); }

void ComboBox::setListIndex(int index) {
  QComboBox* c = comboOf(widget());
  if (index < -1 || index >= c->count()) win::raise(380, "Invalid property value");
  if (index == c->currentIndex()) return;
  {
    QSignalBlocker block(c);
    c->setCurrentIndex(index);
  }
  if (onClick) onClick();
}

std::string ComboBox::text() {
  QComboBox* c = comboOf(widget());
  return c->currentIndex() < 0 ? std::string() : detail::fromQt(c->currentText());
}

void ComboBox::setText(std::string_view ansi) {
  QComboBox* c = comboOf(widget());
  for (int i = 0; i < c->count(); ++i)
    if (list(i) == ansi) return setListIndex(i);
  for (int i = 0; i < c->count(); ++i)
    if (win::equalsNoCase(list(i), ansi)) return setListIndex(i);
  win::raise(383, "'Text' property is read-only");
}

}  // namespace ui
