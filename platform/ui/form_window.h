#pragma once
// Internal: the top-level widget of a loaded form. It turns window-system events into form events.
#include <QWidget>

namespace ui {

class Form;

class FormWindow : public QWidget {
 public:
  explicit FormWindow(Form* form);
  Form* form() const { return form_; }
  void detach() { form_ = nullptr; }  // the form unloaded: events go nowhere any more
  bool applyingGeometry = false;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  bool event(QEvent* event) override;

 private:
  Form* form_;
};

// Runs the key preview and the Enter/Esc buttons of a form; false when the key is used up.
bool routeKey(Form& form, QWidget* focus, int keyCode, int shift);

// Installs, once, the application-wide filter that gives forms their key preview and Enter/Esc keys.
void installKeyRouting();

}  // namespace ui
