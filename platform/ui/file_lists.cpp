#include "platform/ui/file_lists.h"

#include <QApplication>
#include <QComboBox>
#include <QListWidget>
#include <QSignalBlocker>
#include <QStyle>
#include <algorithm>
#include <cctype>
#include <filesystem>

#include "platform/drives.h"
#include "platform/error.h"
#include "platform/files.h"
#include "platform/text.h"
#include "platform/ui/qt_text.h"

namespace ui {
namespace {

// A drive that is mapped (else 68) and whose folder is there (else 71).
void checkDriveReady(char letter) {
  auto root = win::drives().root(letter);
  if (!root) win::raise(win::DeviceUnavailable, std::string(1, letter) + ":");
  std::error_code ec;
  if (!std::filesystem::is_directory(*root, ec)) win::raise(win::DiskNotReady, std::string(1, letter) + ":");
}

// "d:" or "d: [label]" names a drive alone: its current directory.
bool namesDriveOnly(std::string_view text) {
  return text.size() >= 2 && text[1] == ':' && (text.size() == 2 || text[2] == ' ');
}

// The full path of an existing directory, its names spelled as on disk ("C:\GAMES", "C:\" at a root).
std::string existingDirectory(std::string_view text) {
  std::string full;
  if (namesDriveOnly(text)) {
    char letter = win::foldCase(text[0]);
    checkDriveReady(letter);
    full = win::drives().currentDirectory(letter);
  } else {
    full = win::drives().fullPath(text);
    checkDriveReady(full[0]);
  }
  if (!win::directoryExists(full)) win::raise(win::PathNotFound, full);
  std::string canonical = full.substr(0, 3);
  size_t pos = 3;
  while (pos < full.size()) {
    size_t end = full.find('\\', pos);
    std::string name = full.substr(pos, end == std::string::npos ? std::string::npos : end - pos);
    for (const std::string& sub : win::subdirectories(canonical))
      if (win::equalsNoCase(sub, name)) {
        name = sub;
        break;
      }
    if (canonical.size() > 3) canonical += '\\';
    canonical += name;
    if (end == std::string::npos) break;
    pos = end + 1;
  }
  return canonical;
}

std::string joinPath(const std::string& dir, const std::string& name) {
  return dir.back() == '\\' ? dir + name : dir + "\\" + name;
}

QComboBox* comboOf(QWidget* w) { return static_cast<QComboBox*>(w); }
QListWidget* listOf(QWidget* w) { return static_cast<QListWidget*>(w); }

}  // namespace

// ---- DriveListBox

QWidget* DriveListBox::createWidget(QWidget* parent) {
  auto* c = new QComboBox(parent);
  QObject::connect(c, &QComboBox::activated, c, [this](int row) { userPicked(row); });
  return c;
}

void DriveListBox::resetState() {
  letters_.clear();
  drive_ = 0;
}

void DriveListBox::fill() {
  QComboBox* c = comboOf(widget());
  if (drive_ == 0) {
    letters_ = win::drives().letters();
    drive_ = win::drives().currentDrive();
  }
  QSignalBlocker block(c);
  c->clear();
  for (int i = 0; i < int(letters_.size()); ++i) {
    c->addItem(detail::toQt(list(i)));
    if (letters_[i] == drive_) c->setCurrentIndex(i);
  }
}

int DriveListBox::listCount() {
  if (drive_ == 0) fill();
  return int(letters_.size());
}

std::string DriveListBox::list(int index) {
  if (drive_ == 0) fill();
  if (index < 0 || index >= int(letters_.size())) return {};
  char letter = letters_[index];
  std::string text = {char(std::tolower(static_cast<unsigned char>(letter))), ':'};
  auto root = win::drives().root(letter);
  std::string label = root ? win::windowsNameOf(root->filename()).value_or("") : "";
  if (!label.empty()) text += " [" + label + "]";
  return text;
}

std::string DriveListBox::drive() {
  if (drive_ == 0) fill();
  auto it = std::find(letters_.begin(), letters_.end(), drive_);
  return list(int(it - letters_.begin()));
}

int DriveListBox::listIndex() {
  if (drive_ == 0) fill();
  return int(std::find(letters_.begin(), letters_.end(), drive_) - letters_.begin());
}

void DriveListBox::setListIndex(int index) {
  if (index < 0 || index >= listCount()) win::raise(380, "Invalid property value");
  setDrive(list(index));
}

void DriveListBox::setDrive(std::string_view text) {
  if (drive_ == 0) fill();
  if (text.empty()) win::raise(win::DeviceUnavailable);
  char letter = win::foldCase(text[0]);
  if (std::find(letters_.begin(), letters_.end(), letter) == letters_.end())
    win::raise(win::DeviceUnavailable, std::string(1, letter) + ":");
  try {
    checkDriveReady(letter);
  } catch (const win::Error&) {
    win::raise(win::DeviceUnavailable, std::string(1, letter) + ":");
  }
  if (letter == drive_) return;
  drive_ = letter;
  fill();
  if (onChange) onChange();
}

// The user's pick changes the drive whether it is ready or not; the form's Change handler finds out.
void DriveListBox::userPicked(int row) {
  if (row < 0 || row >= int(letters_.size()) || letters_[row] == drive_) return;
  drive_ = letters_[row];
  fire(onChange);
}

// ---- DirListBox

QWidget* DirListBox::createWidget(QWidget* parent) {
  auto* l = new QListWidget(parent);
  QObject::connect(l, &QListWidget::itemClicked, l, [this, l](QListWidgetItem* item) { userSelected(l->row(item)); });
  QObject::connect(l, &QListWidget::itemActivated, l,
                   [this, l](QListWidgetItem* item) { userActivated(l->row(item)); });
  return l;
}

void DirListBox::resetState() {
  path_.clear();
  ancestors_.clear();
  subdirs_.clear();
}

void DirListBox::ensurePath() {
  widget();
  if (path_.empty()) open(existingDirectory(win::drives().currentDirectory(win::drives().currentDrive())));
}

void DirListBox::open(const std::string& canonical) {
  std::vector<std::string> subdirs;
  for (const std::string& name : win::subdirectories(canonical)) subdirs.push_back(joinPath(canonical, name));
  path_ = canonical;
  subdirs_ = std::move(subdirs);
  ancestors_.clear();
  ancestors_.push_back(canonical.substr(0, 3));
  for (size_t pos = 3; (pos = canonical.find('\\', pos)) != std::string::npos; ++pos)
    ancestors_.push_back(canonical.substr(0, pos));
  if (canonical.size() > 3) ancestors_.push_back(canonical);
  fill();
}

void DirListBox::fill() {
  QListWidget* l = listOf(widget());
  QStyle* style = QApplication::style();
  QSignalBlocker block(l);
  l->clear();
  auto shownName = [](const std::string& full) {
    size_t cut = full.find_last_of('\\');
    return full.size() <= 3 ? std::string{char(std::tolower(static_cast<unsigned char>(full[0]))), ':', '\\'}
                            : full.substr(cut + 1);
  };
  int depth = 0;
  for (const std::string& a : ancestors_)
    l->addItem(new QListWidgetItem(style->standardIcon(QStyle::SP_DirOpenIcon),
                                   QString(depth++ * 2, ' ') + detail::toQt(shownName(a))));
  for (const std::string& s : subdirs_)
    l->addItem(new QListWidgetItem(style->standardIcon(QStyle::SP_DirClosedIcon),
                                   QString(depth * 2, ' ') + detail::toQt(shownName(s))));
  l->setCurrentRow(int(ancestors_.size()) - 1);
}

std::string DirListBox::path() {
  ensurePath();
  return path_;
}

void DirListBox::setPath(std::string_view winPath) {
  ensurePath();
  std::string canonical = existingDirectory(winPath);
  if (win::equalsNoCase(canonical, path_)) return;
  open(canonical);
  if (onChange) onChange();
}

int DirListBox::listCount() {
  ensurePath();
  return int(subdirs_.size());
}

std::string DirListBox::list(int index) {
  ensurePath();
  if (index >= 0) return index < int(subdirs_.size()) ? subdirs_[index] : std::string();
  int a = int(ancestors_.size()) + index;
  return a >= 0 ? ancestors_[a] : std::string();
}

int DirListBox::listIndex() {
  ensurePath();
  return listOf(widget())->currentRow() - int(ancestors_.size());
}

void DirListBox::setListIndex(int index) {
  ensurePath();
  int row = index + int(ancestors_.size());
  if (row < 0 || index >= int(subdirs_.size())) win::raise(380, "Invalid property value");
  QSignalBlocker block(listOf(widget()));
  listOf(widget())->setCurrentRow(row);
}

void DirListBox::refresh() {
  ensurePath();
  open(path_);
}

void DirListBox::userSelected(int) { fire(onClick); }

// Opening an entry is the program's Path change, run as a handler so its errors are handled alike.
// An entry whose directory has vanished since the list was read only makes the list read again.
void DirListBox::userActivated(int row) {
  std::string target = list(row - int(ancestors_.size()));
  fire([this, target] {
    if (win::directoryExists(target)) return setPath(target);
    win::tryStep([this] { open(existingDirectory(path_)); });
  });
}

// ---- FileListBox

QWidget* FileListBox::createWidget(QWidget* parent) {
  auto* l = new QListWidget(parent);
  QObject::connect(l, &QListWidget::itemSelectionChanged, l, [this] { fire(onClick); });
  QObject::connect(l, &QListWidget::itemDoubleClicked, l, [this] { fire(onDblClick); });
  return l;
}

void FileListBox::resetState() {
  path_.clear();
  pattern_ = "*.*";
  names_.clear();
}

void FileListBox::ensurePath() {
  widget();
  if (!path_.empty()) return;
  path_ = existingDirectory(win::drives().currentDirectory(win::drives().currentDrive()));
  fill();
}

void FileListBox::fill() {
  std::vector<std::string> names;
  std::string_view rest = pattern_;
  while (true) {
    size_t cut = rest.find(';');
    std::string one(rest.substr(0, cut));
    one.erase(0, one.find_first_not_of(' '));
    one.erase(one.find_last_not_of(' ') + 1);
    if (!one.empty())
      for (std::string& n : win::dirSearch(joinPath(path_, one))) names.push_back(std::move(n));
    if (cut == std::string_view::npos) break;
    rest.remove_prefix(cut + 1);
  }
  std::sort(names.begin(), names.end(),
            [](const std::string& a, const std::string& b) { return win::lessNoCase(a, b); });
  names.erase(std::unique(names.begin(), names.end(),
                          [](const std::string& a, const std::string& b) { return win::equalsNoCase(a, b); }),
              names.end());
  names_ = std::move(names);
  QListWidget* l = listOf(widget());
  QSignalBlocker block(l);
  l->clear();
  for (const std::string& n : names_) l->addItem(detail::toQt(n));
}

std::string FileListBox::path() {
  ensurePath();
  return path_;
}

void FileListBox::setPath(std::string_view winPath) {
  ensurePath();
  std::string canonical = existingDirectory(winPath);
  if (win::equalsNoCase(canonical, path_)) return;
  path_ = canonical;
  fill();
  if (onPathChange) onPathChange();
}

std::string FileListBox::pattern() { return widget(), pattern_; }

void FileListBox::setPattern(std::string_view patterns) {
  ensurePath();
  if (pattern_ == patterns) return;
  pattern_ = std::string(patterns);
  fill();
  if (onPatternChange) onPatternChange();
}

std::string FileListBox::fileName() {
  int i = listIndex();
  return i >= 0 ? names_[i] : std::string();
}

int FileListBox::listCount() {
  ensurePath();
  return int(names_.size());
}

std::string FileListBox::list(int index) {
  ensurePath();
  return index >= 0 && index < int(names_.size()) ? names_[index] : std::string();
}

int FileListBox::listIndex() {
  ensurePath();
  QList<QListWidgetItem*> sel = listOf(widget())->selectedItems();
  return sel.isEmpty() ? -1 : listOf(widget())->row(sel.front());
}

void FileListBox::setListIndex(int index) {
  ensurePath();
  if (index < -1 || index >= int(names_.size())) win::raise(380, "Invalid property value");
  if (index == listIndex()) return;
  {
    QSignalBlocker block(listOf(widget()));
    if (index < 0)
      listOf(widget())->clearSelection();
    else
      listOf(widget())->setCurrentRow(index, QItemSelectionModel::ClearAndSelect);
  }
  if (onClick) onClick();
}

void FileListBox::refresh() {
  ensurePath();
  fill();
}

}  // namespace ui
