#pragma once
// Writing whole host files safely: the bytes go into a file created new under a temporary name that
// nobody can guess, in the target's own folder, which then replaces the target by a rename. A link
// planted under any name in the folder is never written through, and a failed write changes nothing.
#include <filesystem>
#include <string>
#include <string_view>

namespace win {

// ".~" and eight random hex digits: appended to a file name, a temporary name nobody can guess.
std::string randomNameSuffix();

// Creates a new file exclusively (O_CREAT | O_EXCL | O_NOFOLLOW) beside path under a temporary name,
// retried when the name is taken; the open descriptor, or -1 with errno set.
int createTemporaryBeside(const std::filesystem::path& path, std::filesystem::path& temporary);

// Replaces path by a file holding bytes; a regular file there keeps its permission bits. A link at path
// is replaced by the new file, not followed. False when the file cannot be written or renamed.
bool replaceWholeFile(const std::filesystem::path& path, std::string_view bytes);

}  // namespace win
