#include "platform/ui/process_watch.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QSocketNotifier>
#include <cerrno>

#include "platform/host_files.h"
#include "platform/ui/application.h"

extern char** environ;

namespace ui {
namespace {

// The process descriptor becomes readable when the child ends; the child is reaped then. Owned by the
// application object, so a watch still waiting at the program's end is dropped with it, and the child
// keeps running.
class ExitWatch : public QObject {
 public:
  ExitWatch(pid_t child, win::Descriptor descriptor, std::function<void(bool)> ended)
      : QObject(QCoreApplication::instance()),
        child_(child),
        descriptor_(std::move(descriptor)),
        notifier_(descriptor_.get(), QSocketNotifier::Read),
        ended_(std::move(ended)) {
    connect(&notifier_, &QSocketNotifier::activated, this, &ExitWatch::heard);
  }

 private:
  void heard() {
    notifier_.setEnabled(false);
    int status = 0;
    pid_t reaped;
    do reaped = ::waitpid(child_, &status, WNOHANG);
    while (reaped < 0 && errno == EINTR);
    // Killed by a signal is no verdict on the target: only an exit status says that it could not be opened.
    const bool succeeded = !(reaped == child_ && WIFEXITED(status) && WEXITSTATUS(status) != 0);
    deleteLater();
    dispatch([ended = std::move(ended_), succeeded] { ended(succeeded); });
  }

  pid_t child_;
  win::Descriptor descriptor_;  // outlives the notifier that watches it
  QSocketNotifier notifier_;
  std::function<void(bool)> ended_;
};

// The child starts with no signal blocked or ignored, whatever this process does with them.
struct SpawnSettings {
  SpawnSettings() {
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawnattr_init(&attributes);
    sigset_t none, all;
    sigemptyset(&none);
    sigfillset(&all);
    posix_spawnattr_setsigmask(&attributes, &none);
    posix_spawnattr_setsigdefault(&attributes, &all);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);
  }
  ~SpawnSettings() {
    posix_spawnattr_destroy(&attributes);
    posix_spawn_file_actions_destroy(&actions);
  }
  SpawnSettings(const SpawnSettings&) = delete;
  SpawnSettings& operator=(const SpawnSettings&) = delete;

  posix_spawn_file_actions_t actions;
  posix_spawnattr_t attributes;
};

}  // namespace

void startAndWatch(const std::string& program, const std::vector<std::string>& arguments,
                   std::function<void(bool succeeded)> ended) {
  std::vector<char*> argv;
  argv.push_back(const_cast<char*>(program.c_str()));
  for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);
  SpawnSettings settings;
  pid_t child = 0;
  if (::posix_spawnp(&child, program.c_str(), &settings.actions, &settings.attributes, argv.data(), environ) != 0)
    return ended(false);
  // Through the system call itself: this C library's declaration of pidfd_open cannot be linked from C++.
  win::Descriptor descriptor(static_cast<int>(::syscall(SYS_pidfd_open, child, 0)));
  // Without a process descriptor (a kernel before 5.3) the end cannot be heard; the program did start.
  if (!descriptor.valid()) return ended(true);
  new ExitWatch(child, std::move(descriptor), std::move(ended));
}

}  // namespace ui
