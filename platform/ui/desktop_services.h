#pragma once
// The desktop and the wave-sound device of a real session, on Qt. The application start-up installs them.
#include <memory>

#include "platform/system.h"

namespace ui {

// Web addresses and mapped files go to the desktop's opener, xdg-open, as its one argument; the text
// viewer is started detached the same way.
std::shared_ptr<win::Desktop> makeDesktop();
std::shared_ptr<win::SoundDevice> makeSoundDevice();

}  // namespace ui
