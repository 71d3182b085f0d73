#pragma once

#include <QString>

#include <functional>
#include <memory>

class QLocalServer;
class QLocalSocket;

// What a later start of the game asks of the game running for its data
// folder: to come to the front, and perhaps to open a puzzle.
struct TFrontRequest {
  QString ActivationToken;  // the later start's XDG_ACTIVATION_TOKEN: Wayland lets a window take the focus
                            // with it
  int PuzzleSize = 0;       // --puzzle N:K, checked already; 0 when not given
  int PuzzleNumber = 0;
};

// The folder the user's games keep their sockets in, where no other user can
// put or replace one: the runtime folder when it is the user's own and open
// to the user alone, else quillmere-<uid> in the temporary folder, made so
// (0700) and checked for its owner and mode before use. Empty, with the
// reason in why, when neither is.
QString RunningGameFolder(const QString& runtimeFolder, const QString& temporaryFolder, QString& why);

// The local socket of the game running for a records folder, in that folder.
// Named after the records folder's canonical path, so that each has its own
// game. Empty (with why) when there is no safe folder for it.
QString RunningGameName(const QString& recordsFolder, QString& why);

// What the running game made of a request.
enum class TFrontAnswer {
  Taken,     // it comes to the front and opens the puzzle asked for, if any
  Busy,      // it comes to the front, but a dialog is open or another request is in hand: the puzzle is not
             // opened
  Refused,   // the request holds no puzzle the game has
  NoAnswer,  // nothing answered in time (no game listens, or one that hangs)
  NotOurs,   // what listens is another user's program, and was told nothing
};

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
  // Whether a request for a puzzle can be played now (no dialog is open);
  // without it, always.
  std::function<bool()> CanPlay;
  // Each request taken, after it has been answered, from the event loop.
  std::function<void(const TFrontRequest&)> OnRequest;

 private:
  void Accept();
  void Read(QLocalSocket* socket);
  // Listens again where the system refused a connection and Qt closed the
  // socket for good (no file left for it), so later starts still reach
  // this game once files are free again.
  void KeepListening();

  const QString Name;
  QString Error;
  std::unique_ptr<QLocalServer> Server;
  int Open = 0;         // connections not yet answered or closed
  bool InHand = false;  // a puzzle request answered but not yet played
};

// The later start's side: hands the request to the running game, all of it
// within timeoutMs, and only to a game of the same user.
TFrontAnswer AskRunningGame(const QString& name, const TFrontRequest& request, int timeoutMs);
