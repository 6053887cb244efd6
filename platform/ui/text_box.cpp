#include "platform/ui/text_box.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "platform/ui/qt_text.h"

namespace ui {
namespace {

// The editor inside the holder: a line edit, or a plain-text edit for a multi-line box.
QWidget* editorOf(QWidget* holder) { return holder->focusProxy(); }

// In a dialog, Tab moves the focus on from a multi-line box as from any control; Ctrl+Tab types the tab.
class MultiLineEditor : public QPlainTextEdit {
 public:
  explicit MultiLineEditor(QWidget* parent) : QPlainTextEdit(parent) { setTabChangesFocus(true); }

 protected:
  void keyPressEvent(QKeyEvent* e) override {
    if (e->key() == Qt::Key_Tab && e->modifiers() == Qt::ControlModifier && !isReadOnly()) {
      insertPlainText("\t");
      return;
    }
    QPlainTextEdit::keyPressEvent(e);
  }
};

}  // namespace

QWidget* TextBox::createWidget(QWidget* parent) {
  auto* holder = new QWidget(parent);
  auto* layout = new QVBoxLayout(holder);
  layout->setContentsMargins(0, 0, 0, 0);
  QWidget* editor;
  if (multiLine_) {
    auto* e = new MultiLineEditor(holder);
    // Lines wrap at the box's width; the box has no horizontal scroll bar.
    e->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QObject::connect(e, &QPlainTextEdit::textChanged, holder, [this] { fire(onChange); });
    editor = e;
  } else {
    auto* e = new QLineEdit(holder);
    QObject::connect(e, &QLineEdit::textEdited, holder, [this] { fire(onChange); });
    editor = e;
  }
  layout->addWidget(editor);
  holder->setFocusProxy(editor);
  holder->setFocusPolicy(Qt::StrongFocus);
  return holder;
}

void TextBox::resetState() { multiLine_ = false; }

void TextBox::setMultiLine(bool multiLine) {
  widget();
  if (multiLine == multiLine_) return;
  multiLine_ = multiLine;
  rebuild();  // the editor kind is fixed per widget
}

std::string TextBox::text() {
  QWidget* e = editorOf(widget());
  if (auto* p = qobject_cast<QPlainTextEdit*>(e)) return detail::fromQtLines(p->toPlainText());
  return detail::fromQt(static_cast<QLineEdit*>(e)->text());
}

void TextBox::setText(std::string_view ansi) {
  if (text() == ansi) return;
  QWidget* e = editorOf(widget());
  e->blockSignals(true);
  if (auto* p = qobject_cast<QPlainTextEdit*>(e))
    p->setPlainText(detail::toQtLines(ansi));
  else
    static_cast<QLineEdit*>(e)->setText(detail::toQt(ansi));
  e->blockSignals(false);
  if (onChange) onChange();
}

void TextBox::setVerticalScrollBar(bool shown) {
  if (auto* p = qobject_cast<QPlainTextEdit*>(editorOf(widget())))
    p->setVerticalScrollBarPolicy(shown ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAsNeeded);
}

void TextBox::setLocked(bool locked) {
  QWidget* e = editorOf(widget());
  if (auto* p = qobject_cast<QPlainTextEdit*>(e))
    p->setReadOnly(locked);
  else
    static_cast<QLineEdit*>(e)->setReadOnly(locked);
}

bool TextBox::locked() {
  QWidget* e = editorOf(widget());
  if (auto* p = qobject_cast<QPlainTextEdit*>(e)) return p->isReadOnly();
  return static_cast<QLineEdit*>(e)->isReadOnly();
}

void TextBox::setBackColor(Color color) {
  QWidget* e = editorOf(widget());
  QPalette p = e->palette();
  p.setColor(QPalette::Base, toQColor(color));
  e->setPalette(p);
}

void TextBox::setForeColor(Color color) {
  QWidget* e = editorOf(widget());
  QPalette p = e->palette();
  p.setColor(QPalette::Text, toQColor(color));
  e->setPalette(p);
}

}  // namespace ui
