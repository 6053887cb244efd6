#pragma once
// The setup toolkit's Start-menu services: a folder in the Start menu's Programs folder (special folder 2)
// and shortcuts in it. A shortcut is a freedesktop.org desktop entry "<link name>.desktop", so that a
// desktop menu can start the program (link the folder below ~/.local/share/applications/) and the
// programs' own file search finds it again as "<link name>.*". Results are 32-bit numbers as the toolkit
// gives them: nonzero means success.
#include <cstdint>
#include <string_view>

namespace win {

// Creates the folder in the Programs folder, with the Programs folder itself when that is missing.
// Nonzero when the folder is there afterwards, also when it was there before. 0 when the folder name is
// no plain name (as for fCreateShellLink) or the Programs folder has no path or cannot be mapped.
int32_t fCreateShellFolder(std::string_view folderName);

// Writes the shortcut "<linkName>.desktop" into the folder of the Programs folder, in place of a file of
// that name in any case and never through a link planted there:
//   Type=Application
//   Name=<linkName>
//   Exec=[xdg-open] <host path of targetPath> [<arguments as one more argument, when not empty>]
//   Path=<host folder of targetPath>
// As the shell treats a shortcut's target: a program is started, and a folder or a document is opened
// with the desktop's opener (xdg-open). A target that is a directory, or an existing file that is no host
// program (it starts neither with the ELF magic nor with "#!"), is opened; any other target, one that is
// not there yet included, is started. A host program without execute permission is given it wherever it
// may be read, since files from module archives carry no permissions; a link at the target is followed to
// see what it leads to, but that file is never changed: a program behind a link must be runnable already.
// Exec quotes each argument that needs it as the format requires and, unless the prefix is
// Drives::standardPrefix(), starts the target through "env VORTANE_PREFIX=<prefix>", so that it runs on
// this prefix from a menu too.
// Nonzero when the file was written. 0 when the folder or link name is no plain name (empty, "." or
// "..", a leading "." that would hide the file from the folder's listing, or a character that a Windows
// name cannot hold, such as "\" or ":"), when the target cannot be mapped onto the host, when a program
// cannot be given execute permission (also one behind a link), when the folder does not exist, and when the
// file cannot be written.
int32_t fCreateShellLink(std::string_view folderName, std::string_view linkName, std::string_view targetPath,
                         std::string_view arguments);

}  // namespace win
