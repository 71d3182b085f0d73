#pragma once

#include <functional>
#include <memory>

class QSocketNotifier;

// Turns SIGTERM (the session's logout), SIGHUP and SIGINT into a call on the
// event loop, where the game may store its records and quit: the handler
// itself only writes the signal's number into a socket pair. While it lives,
// SIGXFSZ is ignored too, so a write beyond the file size limit fails with
// an error the game reports instead of killing it. One at a time.
class TTerminationSignals {
 public:
  explicit TTerminationSignals(std::function<void(int signal)> onSignal);
  ~TTerminationSignals();  // the previous handlers come back
  TTerminationSignals(const TTerminationSignals&) = delete;
  TTerminationSignals& operator=(const TTerminationSignals&) = delete;

  // False when the socket pair could not be made; the signals then keep
  // their usual effect.
  bool Installed() const { return Notifier != nullptr; }

 private:
  void Read();

  std::function<void(int)> OnSignal;
  std::unique_ptr<QSocketNotifier> Notifier;
};
