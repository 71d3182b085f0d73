#pragma once

#include <QString>

#include <functional>
#include <memory>

class QLocalServer;

// What a later start of the game asks of the game running for its data
// folder: to come to the front, and perhaps to open a puzzle.
struct TFrontRequest {
  QString ActivationToken;  // the later start's XDG_ACTIVATION_TOKEN: Wayland lets a window take the focus
                            // with it
  int PuzzleSize = 0;       // --puzzle N:K, checked already; 0 when not given
  int PuzzleNumber = 0;
};

// The local socket of the game running for a records folder. Named after the
// folder's canonical path, so that each folder has its own game; it lives in
// the user's runtime folder where there is one.
QString RunningGameName(const QString& recordsFolder);

// The running game's side: it holds the records lock, so a socket of this
// name is one left by a game that died, and is replaced.
class TRunningGameServer {
 public:
  explicit TRunningGameServer(const QString& name);
  ~TRunningGameServer();
  // False (with the reason in ListenError) when no socket can be made; the
  // game then runs without one, and a later start can only say it runs.
  bool Listen();
  QString ListenError() const;
  // Each request, after it has been answered, from the event loop.
  std::function<void(const TFrontRequest&)> OnRequest;

 private:
  const QString Name;
  std::unique_ptr<QLocalServer> Server;
};

// The later start's side: hands the request to the running game. False when
// nothing answers within timeoutMs (no game listening, or one that hangs).
bool AskRunningGame(const QString& name, const TFrontRequest& request, int timeoutMs);
