#pragma once

#include <QString>

// The lock that keeps one game per records folder: two games would overwrite
// each other's players, profiles and scores. It is the system's lock on the
// file (flock), which a game holds while it runs and the system frees when
// the game ends in any way, so a lock no running game holds is stale whatever
// the file holds: empty, garbage, a dead game's, another computer's, a folder,
// a link (the link itself goes; what it points at is never touched). The file
// names the holder as "pid\nprogram\nhost\n".
class TRecordsLock {
 public:
  enum class TOutcome {
    Locked,  // this game holds it
    Held,    // a running game holds it; HolderHost() names its computer
    Failed,  // no lock can be had here (Problem() says why)
  };

  explicit TRecordsLock(const QString& path);
  ~TRecordsLock();
  TRecordsLock(const TRecordsLock&) = delete;
  TRecordsLock& operator=(const TRecordsLock&) = delete;

  TOutcome TryLock();
  // Frees the lock and removes its file; nothing when not held.
  void Unlock();

  const QString& Path() const { return FilePath; }
  // Held: the computer the holder's file names; empty for this one.
  const QString& HolderHost() const { return Holder; }
  // Failed: the system's reason, or what stands in the way.
  const QString& Problem() const { return Why; }
  // Locked: what was taken over ("a link", "a lock left by a game on the
  // computer x"), for a note; empty when the lock was free.
  const QString& TakenOver() const { return Taken; }

 private:
  QString FilePath;
  QString Holder;
  QString Why;
  QString Taken;
  int Fd = -1;
};
