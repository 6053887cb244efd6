#include "platform/ui/menu.h"

#include <QMenu>

#include "platform/ui/application.h"
#include "platform/ui/event_loops.h"
#include "platform/ui/form.h"
#include "platform/ui/qt_text.h"
#include "platform/ui/test_hook.h"

namespace ui {

Menu::Menu(Form* form, std::string name, int index) : form_(form), name_(std::move(name)), index_(index) {
  form_->registerMenu(this);
}

Menu::Menu(Menu* parent, std::string name, int index)
    : form_(parent->form_), parent_(parent), name_(std::move(name)), index_(index) {
  parent_->entries_.push_back(this);
  form_->registerMenu(this);
}

Menu::~Menu() {
  if (parent_) std::erase(parent_->entries_, this);
  form_->unregisterMenu(this);
}

void Menu::resetState() {
  caption_.clear();
  tag_.clear();
  checked_ = false;
  enabled_ = visible_ = true;
}

void Menu::touch() { form_->load(); }

std::string Menu::caption() { return touch(), caption_; }
void Menu::setCaption(std::string_view ansi) { touch(), caption_ = std::string(ansi); }
bool Menu::checked() { return touch(), checked_; }
void Menu::setChecked(bool checked) { touch(), checked_ = checked; }
bool Menu::enabled() { return touch(), enabled_; }
void Menu::setEnabled(bool enabled) { touch(), enabled_ = enabled; }
bool Menu::visible() { return touch(), visible_; }
void Menu::setVisible(bool visible) { touch(), visible_ = visible; }
const std::string& Menu::tag() { return touch(), tag_; }
void Menu::setTag(std::string ansi) { touch(), tag_ = std::move(ansi); }
bool Menu::isSeparator() { return caption() == "-"; }

namespace {

// Builds the visible entries into a Qt menu; returns the entry of each action.
void buildQtMenu(QMenu& qmenu, Menu& menu, std::vector<std::pair<QAction*, Menu*>>& actions) {
  for (Menu* entry : menu.entries()) {
    if (!entry->visible()) continue;
    if (entry->isSeparator()) {
      qmenu.addSeparator();
    } else if (!entry->entries().empty()) {
      QMenu* sub = qmenu.addMenu(detail::toQt(entry->caption()));
      sub->setEnabled(entry->enabled());
      buildQtMenu(*sub, *entry, actions);
    } else {
      QAction* a = qmenu.addAction(detail::toQt(entry->caption()));
      a->setEnabled(entry->enabled());
      a->setCheckable(entry->checked());
      a->setChecked(entry->checked());
      actions.emplace_back(a, entry);
    }
  }
}

}  // namespace

void Form::popupMenu(Menu& menu, double x, double y) {
  load();
  Menu* chosen = nullptr;
  if (TestHook* hook = testHook()) {
    PopupRequest request{name_, menu.name(), x, y, {}};
    std::vector<Menu*> shown;
    for (Menu* entry : menu.entries()) {
      if (!entry->visible()) continue;
      request.entries.push_back(
          {entry->name(), entry->index(), entry->caption(), entry->enabled(), entry->checked(), entry->isSeparator()});
      shown.push_back(entry);
    }
    int pick;
    {
      detail::ProgramFrame frame;
      pick = hook->popupMenu(request);
    }
    detail::throwIfEndPending();
    if (pick >= 0 && pick < int(shown.size()) && shown[pick]->enabled() && !shown[pick]->isSeparator())
      chosen = shown[pick];
  } else {
    QMenu qmenu(window_);
    std::vector<std::pair<QAction*, Menu*>> actions;
    buildQtMenu(qmenu, menu, actions);
    QAction* picked;
    {
      detail::ProgramFrame frame;
      picked = qmenu.exec(window_->mapToGlobal(QPoint(toPixelsX(x), toPixelsY(y))));
    }
    detail::throwIfEndPending();
    for (auto& [action, entry] : actions)
      if (action == picked) chosen = entry;
  }
  if (chosen && chosen->onClick) chosen->onClick();
}

}  // namespace ui
