#pragma once

#include <sys/resource.h>
#include <sys/wait.h>
#include <grp.h>
#include <unistd.h>

#include <QString>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <functional>

// The system's own words for an error, as the records put them in their
// messages: Qt's for the few errors it words itself, else the C library's in
// the language of the locale the test runs under.
inline QString SystemReason(int error) {
  return qt_error_string(error);
}

// While alive, no file of this process may grow beyond `bytes`: writes fail
// with EFBIG, which makes a write fail even for root (who ignores modes).
class TFileSizeLimit {
 public:
  explicit TFileSizeLimit(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &Old);
    PreviousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limited = Old;
    limited.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limited);
  }
  ~TFileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &Old);
    std::signal(SIGXFSZ, PreviousHandler);
  }
  TFileSizeLimit(const TFileSizeLimit&) = delete;
  TFileSizeLimit& operator=(const TFileSizeLimit&) = delete;

 private:
  rlimit Old{};
  void (*PreviousHandler)(int) = nullptr;
};

// Runs work as a user whom file modes bind: in this process when it is not
// root, else in a child process that has become "nobody" (uid and gid 65534).
// The answer is work's own; false also when the child could not change user.
inline bool RunAsOrdinaryUser(const std::function<bool()>& work) {
  if (geteuid() != 0) return work();
  const pid_t child = fork();
  if (child < 0) return false;
  if (child == 0) {
    const bool changed = setgroups(0, nullptr) == 0 && setgid(65534) == 0 && setuid(65534) == 0;
    _exit(changed && work() ? 0 : 1);
  }
  int status = 0;
  if (waitpid(child, &status, 0) != child) return false;
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}
