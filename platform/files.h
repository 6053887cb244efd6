#pragma once
// Numbered open files and the directory operations of the system's file layer, on Windows paths.
// Positions of open files count from 1, as the system's file layer does.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace win {

// The modes that write never write through a link: opening a link (also one that leads nowhere) for
// writing fails with error 75, and the file it points to stays as it was. Reading follows links.
enum class OpenMode {
  BinaryRead,       // existing file, read only; never creates a file
  BinaryReadWrite,  // created when missing
  BinaryNew,        // read-write, created new: error 58 when the name is taken, also by a link
  Input,            // text input of an existing file
  Output,           // text output, created or emptied
  Append,           // text output at the end, created when missing
};

int freeFile();  // lowest number not in use, 1 to 255; error 67 when none is left
void openFile(int number, std::string_view path, OpenMode mode);
// Opens under the number, read-write at position 1, a new file that is to replace the file at path: a
// ReplacementFile (host_files.h) beside it, so a link planted in the folder is never written through. Error 76
// when the folder is missing, else as openFile's errors. Closing the number without a commit removes it and
// leaves the file at path as it was.
void openReplacement(int number, std::string_view path);
// Puts the file opened by openReplacement in place and frees its number: closes it (a close that reports an
// error fails), renames it over the file at path, which is replaced whatever it was (a link included, which is
// not followed), and removes other spellings of the name in the folder, as replaceFile does. Its bytes reach
// the disk later (Sync::Later): a writer that records them as there syncs first (syncFileSystems). Raises the
// error of the failed step; the temporary file is then gone and the file at path as it was.
void commitReplacement(int number);
void closeFile(int number);  // a number that is not open is no error
void closeAllFiles();
bool isOpen(int number);

// A file opened under a free number and closed again when the scope ends, on every way out.
class ScopedFile {
 public:
  ScopedFile(std::string_view path, OpenMode mode);
  ~ScopedFile();
  ScopedFile(const ScopedFile&) = delete;
  ScopedFile& operator=(const ScopedFile&) = delete;
  int number() const { return number_; }

 private:
  int number_;
};

// Reads up to n bytes at the current position and advances the position by n. Reading past the end is
// no error: the result tells how many bytes were there (the rest of buf is zeroed).
size_t getBytes(int number, void* buf, size_t n);
int32_t getLong(int number);  // 32-bit little-endian; missing bytes read as 0
void putBytes(int number, const void* buf, size_t n);
void putLong(int number, int32_t value);

// Copies up to n bytes from the input's position to the output's position and advances both by the bytes
// copied, which are fewer than n only where the input ends: reading past the end is no error, and no byte is
// written for one that was not there. The kernel copies (no byte passes through the program) when both
// positions lie at the same place within a page, where its copy is fast, or when n is at most 32768, where one
// request costs less than a read and a write; otherwise, and where it refuses (another file system, a special
// file such as those of /proc or a device, overlapping ranges of one file), the bytes go through a buffer,
// each buffer read before it is written: 32768 at a time, or 1 MiB at a time for a copy longer than that, so
// the memory used never grows with n. Overlapping ranges of one file are copied as they were only where the
// output lies before the input or the copy fits in one buffer. Errors as getBytes and putBytes raise them: 54
// when the input is not open for reading, 75 when the output is not open for writing, 61 when the disk is
// full; after a failed write both positions have moved by the bytes that reached the output.
size_t copyBytes(int in, int out, size_t n);
// Asks the file system to set aside room for n bytes from the output's position on, so that writing them
// later does not have to find room piece by piece; the file's length stays as it is. A file system that
// cannot, or a file that is not open for writing, is no error: the writes then find their room as usual.
void reserveBytes(int number, int64_t n);

int64_t seek(int number);                 // current position, 1-based
void seek(int number, int64_t position);  // 1-based; error 63 below 1
int64_t lof(int number);                  // length in bytes
bool eof(int number);

// A line ends at CR or CR LF (a bare LF belongs to the line); error 62 at the end of the file. Text input
// reads 64 KiB ahead, as the system's file layer buffers it: bytes that another writer changes or cuts off
// after they were read ahead are not seen, by lineInput nor by eof.
std::string lineInput(int number);
void printText(int number, std::string_view text);  // as it stands
void printLine(int number, std::string_view text);  // followed by CR LF

// Directory search: names (without directory) of the entries matching the last component of the
// pattern ("*" and "?", without regard to case); a pattern ending in a separator lists the whole
// directory, as the system's search does. Normal files only, or directories as well. Hidden entries
// (host names starting with ".") are never found. Sorted without regard to case. A directory that
// does not exist gives no names; a drive that is not ready is an error.
enum class Search { Files, FilesAndDirectories };
std::vector<std::string> dirSearch(std::string_view pattern, Search what = Search::Files);
std::vector<std::string> subdirectories(std::string_view directory);  // sorted, hidden ones left out
bool directoryExists(std::string_view path);

void kill(std::string_view pattern);  // deletes matching normal files; error 53 when none matches
// Deletes every normal file matching the pattern, going on past one that cannot be deleted, and gives the
// Windows paths (the pattern's directory followed by the name) of those that could not be. A file whose
// path spare accepts is left alone and not listed. A pattern that matches nothing, also in a directory that
// does not exist, is no error; a drive that is not ready is.
std::vector<std::string> killEach(std::string_view pattern,
                                  const std::function<bool(const std::string& winPath)>& spare = {});
// Deletes the one entry at that exact path, hidden or not (a link itself, not what it leads to; never a
// directory); error 53 when nothing is there.
void removeFile(std::string_view path);
void mkDir(std::string_view path);  // one level; error 75 when it exists, 76 when the parent is missing
// Error 75 when not empty, 76 when missing; 75 also for the root folder of a drive, however it is reached
// (a drive's root, or the folder of another drive that is that root), since the drive would go with it.
void rmDir(std::string_view path);
// Copies into a new file beside the target, renamed over it when complete: whatever bore the target's
// name (a link included, which is not followed) is replaced, and a failed copy leaves it as it was.
// Error 53 or 76 for a missing source, 76 for a missing target folder, 75 when the target cannot be made.
void fileCopy(std::string_view from, std::string_view to);
// Moves a file, replacing whatever bears the target's name as fileCopy does: a rename when both lie on one
// file system, else fileCopy followed by deleting the source. A source that is a link is copied and then
// deleted, so the target is always a regular file. A failed copy keeps the source and the old target.
void moveOrCopyFile(std::string_view from, std::string_view to);
int64_t fileLen(std::string_view path);
// Rename; error 58 when the target name is taken by another entry (a link too, even one leading nowhere).
void name(std::string_view from, std::string_view to);
// Renames over an existing target (not through it); other spellings of the target's name in its folder
// are removed then (not directories), so one file bears the name. Error 75 when one cannot be removed.
void replaceFile(std::string_view from, std::string_view to);
// Writes to the disk what the file systems holding these paths (each one once, whatever drive or spelling reaches
// it) still keep in memory: what files committed with Sync::Later need before a record may say they are there.
// A path that names nothing is passed over. False when a file system reports data that could not be written.
bool syncFileSystems(const std::vector<std::string>& paths);
// True when anything bears the name: a file, a directory or a link, also one that leads nowhere.
bool entryExists(std::string_view path);
// True when both paths name one existing file, whatever drive or spelling reaches it.
bool sameFile(std::string_view a, std::string_view b);
// True when both paths name one existing directory, whatever drive, spelling, "..", trailing separator or
// link reaches it (a drive's root and the folder of another drive that leads to it are one).
bool sameDirectory(std::string_view a, std::string_view b);

// True when the directory is the host folder or holds it at any depth, compared as sameDirectory compares
// (whatever drive, spelling, ".." or link reaches it); false when either is missing or the host folder is
// empty. A link on the host folder's way counts twice: the folders above it and above its real place.
bool holdsHostFolder(std::string_view directory, const std::filesystem::path& hostFolder);

// "*" any run of characters, "?" any one character, without regard to case; "*.*" also matches names
// without a dot, and a pattern ending in "." matches names without an extension.
bool wildcardMatch(std::string_view pattern, std::string_view name);

}  // namespace win
