#include "TerminationSignals.h"

#include <QSocketNotifier>

#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>

namespace {

constexpr int Handled[] = {SIGTERM, SIGHUP, SIGINT};

// [0] is written by the handler, [1] read by the event loop.
int Pair[2] = {-1, -1};
struct sigaction Previous[std::size(Handled)];
struct sigaction PreviousFileSize;

void OnSignalArrived(int signal) {
  // Only async-signal-safe calls here: one byte, errno left as it was.
  const int saved = errno;
  const unsigned char byte = static_cast<unsigned char>(signal);
  [[maybe_unused]] const ssize_t written = ::write(Pair[0], &byte, 1);
  errno = saved;
}

}  // namespace

TTerminationSignals::TTerminationSignals(std::function<void(int)> onSignal) : OnSignal(std::move(onSignal)) {
  struct sigaction ignore {};
  ignore.sa_handler = SIG_IGN;
  sigemptyset(&ignore.sa_mask);
  sigaction(SIGXFSZ, &ignore, &PreviousFileSize);

  if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, Pair) != 0) return;
  Notifier = std::make_unique<QSocketNotifier>(Pair[1], QSocketNotifier::Read);
  QObject::connect(Notifier.get(), &QSocketNotifier::activated, [this] { Read(); });

  struct sigaction handler {};
  handler.sa_handler = OnSignalArrived;
  sigemptyset(&handler.sa_mask);
  handler.sa_flags = SA_RESTART;  // interrupted reads and writes carry on
  for (std::size_t i = 0; i < std::size(Handled); ++i) sigaction(Handled[i], &handler, &Previous[i]);
}

TTerminationSignals::~TTerminationSignals() {
  sigaction(SIGXFSZ, &PreviousFileSize, nullptr);
  if (!Notifier) return;
  for (std::size_t i = 0; i < std::size(Handled); ++i) sigaction(Handled[i], &Previous[i], nullptr);
  Notifier.reset();
  ::close(Pair[0]);
  ::close(Pair[1]);
  Pair[0] = Pair[1] = -1;
}

void TTerminationSignals::Read() {
  unsigned char byte = 0;
  while (::read(Pair[1], &byte, 1) == 1)
    if (OnSignal) OnSignal(byte);
}
