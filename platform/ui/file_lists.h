#pragma once
// Drive, directory and file lists over the virtual drives. As on the original platform they are separate
// controls; forms wire them together in their Change handlers (drive -> directory -> file list).
// A drive or path that is not there raises win::Error (68 device unavailable, 71 disk not ready, 76 path
// not found) and leaves the list as it was.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ui/control.h"

namespace ui {

class DriveListBox : public Control {
 public:
  using Control::Control;
  // "c: [label]": the drive letter in lower case, a colon, and the label when the drive has one.
  std::string drive();
  // Takes the first letter of the text; the drive must be mapped and its folder present (else 68).
  // Change fires when the drive changes.
  void setDrive(std::string_view text);
  int listCount();
  std::string list(int index);
  int listIndex();
  void setListIndex(int index);

  std::function<void()> onChange;

 protected:
  QWidget* createWidget(QWidget* parent) override;
  void resetState() override;

 private:
  void fill();
  void userPicked(int row);
  std::vector<char> letters_;
  char drive_ = 0;
};

// Shows the open directory's ancestors and itself expanded, then its subdirectories. Indices as on the
// original platform: List(-1) is the open directory, List(-2) its parent and so on up to the root;
// List(0) to List(ListCount - 1) are the subdirectories (full paths). ListIndex -1 is the open directory.
class DirListBox : public Control {
 public:
  using Control::Control;
  // "C:\GAMES" (the names as they are on disk), "C:\" at a root. Empty until the list is first used: then
  // the current directory of the current drive.
  std::string path();
  // A drive alone ("d:", "d: [label]") opens that drive's current directory; other paths are made full
  // after the current drive and directory. Error 76 when it does not exist. Change fires when the path
  // changes (compared without regard to case).
  void setPath(std::string_view winPath);
  int listCount();
  std::string list(int index);
  int listIndex();
  void setListIndex(int index);  // selects an entry without opening it
  void refresh();                // reads the subdirectories again

  std::function<void()> onChange;
  std::function<void()> onClick;

 protected:
  QWidget* createWidget(QWidget* parent) override;
  void resetState() override;

 private:
  void ensurePath();
  void fill();
  void open(const std::string& canonical);
  void userActivated(int row);
  void userSelected(int row);
  std::string path_;
  std::vector<std::string> ancestors_;  // root first, the open directory last
  std::vector<std::string> subdirs_;    // full paths
};

class FileListBox : public Control {
 public:
  using Control::Control;
  std::string path();                      // as DirListBox writes it; the current directory until set
  void setPath(std::string_view winPath);  // error 76 when missing; PathChange when it changes
  std::string pattern();
  void setPattern(std::string_view patterns);  // "*.MVE" or several: "*.jpg;*.gif"; PatternChange
  std::string fileName();                      // the selected name, empty when none
  int listCount();
  std::string list(int index);
  int listIndex();
  void setListIndex(int index);  // fires Click when it changes
  void refresh();

  std::function<void()> onClick;
  std::function<void()> onDblClick;
  std::function<void()> onPathChange;
  std::function<void()> onPatternChange;

 protected:
  QWidget* createWidget(QWidget* parent) override;
  void resetState() override;

 private:
  void ensurePath();
  void fill();
  std::string path_;
  std::string pattern_ = "*.*";
  std::vector<std::string> names_;
};

}  // namespace ui
