#pragma once
// The Start-menu shortcut of an installed module, in the folder "Vortane Manager" of the Programs folder.
#include <string>
#include <string_view>

inline constexpr const char* kShortcutFolder = "Vortane Manager";

// The shortcut's name for a module's description: every "/" turned into a blank, nothing else changed.
std::string ShortcutLinkName(std::string_view desc);

// Makes the folder when it is missing, then the shortcut named ShortcutLinkName(linkName) to the target,
// with no arguments. True when the shortcut was created; false also for a name that is still no plain
// file name (a "\", "..", a character that Windows names cannot hold), so it never lands outside the folder.
bool CreateModuleShortcut(std::string_view linkName, std::string_view targetPath);
