#pragma once
// Host folders searched for a name without regard to case, for the names that are not there in the spelling
// asked for. The listing of a folder is kept while the folder is in use, so that N lookups in one folder cost
// one reading of it instead of N: the kernel reports every change to a kept folder (inotify), made by this
// program or by any other, and each lookup takes those reports in first, so a kept listing is never older than
// the folder. Folders on file systems where changes can come from elsewhere unreported (network and FUSE file
// systems, the kernel's own) are read again for each lookup, as are all folders when the kernel gives no
// reports. A few folders are kept at a time, the one used longest ago dropped first, so the memory follows the
// folders in use, not every folder ever searched.
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace win {

// One entry of a folder: its name on the host and the name the programs see (windowsNameOf).
struct Spelling {
  std::filesystem::path hostName;
  std::string windowsName;
};

// The entries of the host folder whose Windows name equals ansiName without regard to case, in byte order of
// their host names: files, folders, links (also those leading nowhere) and hidden names alike; names that a
// Windows program could not see are never found. None when the folder is missing or cannot be read.
std::vector<Spelling> spellingsIn(const std::filesystem::path& folder, std::string_view ansiName);

}  // namespace win
