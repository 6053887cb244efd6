#pragma once
// A form: one window of the program, a single global instance for the program's lifetime.
//
// Unloaded -> loaded: showing the form, calling load(), or touching one of its controls or menus creates
// the window and its controls, runs design() (the design state) and then onLoad(). unload() runs
// onUnload(), unloads the forms it owns and destroys the window; the form's own member variables survive,
// and the next use builds the controls in their design state again. Sizes and positions are in twips;
// Left/Top/Width/Height are those of the outer window, the client size is the area inside the frame.
#include <QPointer>
#include <QWidget>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ui/units.h"

namespace ui {

namespace detail {
class KeyboardReturn;
class NestedLoop;
}  // namespace detail
class Control;
class CommandButton;
class Menu;

enum class BorderStyle {
  None,         // no frame, no title bar
  FixedSingle,  // a thin frame, not sizable
  Sizable,      // a sizing border
  FixedDialog,  // a dialog frame, not sizable, no minimise or maximise button
};

class Form {
 public:
  explicit Form(std::string name);
  virtual ~Form();
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;

  const std::string& name() const { return name_; }

  void load();  // loads without showing; nothing when loaded already
  bool isLoaded() const;
  void show();             // modeless, without owner
  void show(Form& owner);  // modeless, stays above the owner and is unloaded with it
  void showInactive();     // modeless, without owner, and the keyboard stays with the window that has it
  void showModal();        // returns when the form is hidden or unloaded
  void showModal(Form& owner);
  void hide();
  void unload();  // nothing when not loaded; a handler may unload its own form
  bool isVisible() const;
  void refresh();  // repaints at once
  Form* owner() const { return owner_; }

  std::string caption();
  void setCaption(std::string_view ansi);
  double left();
  double top();
  double width();
  double height();
  void setLeft(double twips);
  void setTop(double twips);
  void setWidth(double twips);
  void setHeight(double twips);
  void move(double left, double top);
  void move(double left, double top, double width, double height);
  double scaleWidth();  // client area
  double scaleHeight();
  void setClientSize(double width, double height);

  // Window style, given in design().
  void setBorderStyle(BorderStyle style);
  BorderStyle borderStyle() const { return border_; }
  void setTitleBar(bool shown);  // false: no caption bar even with a border
  void setShowInTaskbar(bool shown);
  void setCentered(bool centered);  // placed in the middle of the screen when it loads
  void setKeyPreview(bool preview);
  void setAlwaysOnTop(bool onTop);
  void setBackColor(Color color);
  bool setFontName(std::string_view family);  // the window's own font
  void setIcon(const QString& resourcePath);  // the window's icon, a picture stored with the program

  // Shows a menu of this form as a popup at a point of the client area (twips); returns after the chosen
  // entry's Click handler has run, or at once when none was chosen.
  void popupMenu(Menu& menu, double x, double y);

  const std::vector<Control*>& controls() const { return controls_; }
  Control* findControl(std::string_view name, int index = -1) const;
  QWidget* window();  // loads first; for tests and screenshots

  // The forms that exist in this program, in construction order.
  static const std::vector<Form*>& all();

 protected:
  // The design state of the window and its controls: style, caption, sizes, control positions and
  // properties. Runs at every load, before onLoad.
  virtual void design() {}
  virtual void onLoad() {}
  virtual void onUnload() {}
  virtual void onActivate() {}
  virtual void onResize() {}  // the size changed, by the program or the user, and at the first show
  // Key codes as the original system numbers them (F1 112, Enter 13, Esc 27); shift: 1 Shift, 2 Ctrl,
  // 4 Alt. With key preview the form sees a key before its controls; setting keyCode to 0 swallows it.
  virtual void onKeyDown(int& keyCode, int shift) { (void)keyCode, (void)shift; }

 private:
  friend class Control;
  friend class Menu;
  friend class CommandButton;
  friend class FormWindow;
  friend void tearDownAllForms();
  friend bool routeKey(Form& form, QWidget* focus, int keyCode, int shift);
  void registerControl(Control* control);
  void unregisterControl(Control* control);
  void registerMenu(Menu* menu);
  void unregisterMenu(Menu* menu);
  void applyWindowStyle();
  void applyGeometry();
  void destroyWindow();
  double frameWidth() const;  // nominal frame per side, pixels
  double captionHeight() const;
  void applyTabOrder();
  void ownerUnloading();
  bool pressButtonFor(int keyCode);
  Control* controlOf(const QWidget* widget) const;
  void showWindow(Form* owner, bool modal, bool takeKeyboard = true);
  void runModal(Form* owner);
  void resetDesignState();
  void windowClosed();
  void windowResized(int clientWidthPx, int clientHeightPx);
  void windowMoved(int leftPx, int topPx);

  std::string name_;
  std::vector<Control*> controls_;
  std::vector<Menu*> menus_;
  QPointer<QWidget> window_;
  bool unloading_ = false;
  bool designing_ = false;       // design(): no events
  bool shownSinceLoad_ = false;  // the first show fires Resize
  detail::NestedLoop* modalLoop_ = nullptr;
  detail::KeyboardReturn* keyboardReturn_ = nullptr;  // while shown modal
  Form* owner_ = nullptr;
  std::vector<Form*> owned_;
  CommandButton* defaultButton_ = nullptr;  // Enter
  CommandButton* cancelButton_ = nullptr;   // Esc

  // Design state, set again on every load.
  std::string caption_;
  double left_ = 0, top_ = 0, width_ = 0, height_ = 0;
  BorderStyle border_ = BorderStyle::Sizable;
  bool titleBar_ = true, showInTaskbar_ = true, centered_ = false, keyPreview_ = false, onTop_ = false;
  Color backColor_ = kButtonFace;
};

// Unloads every form silently (no Unload handler runs): after a program end, and between tests.
void tearDownAllForms();

}  // namespace ui
