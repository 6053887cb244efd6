#pragma once
// Host programs started without waiting for them, whose exit status the event loop hears later.
#include <functional>
#include <string>
#include <vector>

namespace ui {

// Starts a program found on PATH with these arguments, each handed on as one argument (no shell), its
// standard output and error discarded, and returns without waiting. `ended` runs once: at once with false
// when the program cannot be started, else as an event handler whenever the program ends, however late, with
// false when it exited with a status other than 0. A program still running when this one ends runs on.
void startAndWatch(const std::string& program, const std::vector<std::string>& arguments,
                   std::function<void(bool succeeded)> ended);

}  // namespace ui
