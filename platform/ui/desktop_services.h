#pragma once
// The desktop and the wave-sound device of a real session, on Qt. The application start-up installs them.
#include <memory>

#include "platform/system.h"

namespace ui {

// Web addresses and mapped files go to the desktop's opener; the text viewer is started detached with the
// host path as its one argument.
std::shared_ptr<win::Desktop> makeDesktop();
std::shared_ptr<win::SoundDevice> makeSoundDevice();

}  // namespace ui
