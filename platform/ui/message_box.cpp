#include "platform/ui/message_box.h"

#include <QMessageBox>
#include <QPushButton>
#include <memory>

#include "platform/ui/application.h"
#include "platform/ui/event_loops.h"
#include "platform/ui/keyboard.h"
#include "platform/ui/qt_text.h"
#include "platform/ui/test_hook.h"

namespace ui {

using detail::toQt;
using detail::toQtLines;

int msgBox(std::string_view text, int style, std::string_view title) {
  MessageBoxRequest request;
  request.text = std::string(text);
  request.title = title.empty() ? programTitle() : std::string(title);
  switch (style & 0xF) {
    case kOkCancel: request.buttons = {kIdOk, kIdCancel}; break;
    case kYesNo: request.buttons = {kIdYes, kIdNo}; break;
    default: request.buttons = {kIdOk}; break;
  }
  size_t defaultPos = (style & kDefaultButton2) && request.buttons.size() > 1 ? 1 : 0;
  request.defaultButton = request.buttons[defaultPos];

  if (TestHook* hook = testHook()) {
    detail::ProgramFrame frame;
    return hook->messageBox(request);
  }

  // Once answered, the box lingers a moment for the keys typed as it closed (keyboard.h).
  std::unique_ptr<QMessageBox, void (*)(QWidget*)> box(new QMessageBox, detail::letLinger);
  box->setWindowTitle(toQt(request.title));
  box->setText(toQtLines(request.text));
  box->setIcon(QMessageBox::NoIcon);
  std::vector<std::pair<QPushButton*, int>> buttons;
  for (int code : request.buttons) {
    QPushButton* b = nullptr;
    switch (code) {
      case kIdOk: b = box->addButton(QMessageBox::Ok); break;
      case kIdCancel: b = box->addButton(QMessageBox::Cancel); break;
      case kIdYes: b = box->addButton(QMessageBox::Yes); break;
      default: b = box->addButton(QMessageBox::No); break;
    }
    buttons.emplace_back(b, code);
  }
  box->setDefaultButton(buttons[defaultPos].first);
  // Esc answers Cancel, or OK when that is the only button; a Yes/No box cannot be escaped.
  if (request.buttons.size() == 1) box->setEscapeButton(buttons[0].first);
  if ((style & 0xF) == kOkCancel) box->setEscapeButton(buttons[1].first);
  {
    detail::KeyboardReturn keyboardReturn;
    auto answered = QObject::connect(box.get(), &QMessageBox::buttonClicked, [&] { keyboardReturn.giveBack(); });
    detail::ProgramFrame frame;
    box->exec();
    QObject::disconnect(answered);
  }
  detail::throwIfEndPending();
  for (auto& [button, code] : buttons)
    if (box->clickedButton() == button) return code;
  return request.buttons.size() == 1 ? kIdOk : kIdCancel;
}

}  // namespace ui
