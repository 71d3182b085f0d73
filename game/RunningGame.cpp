#include "RunningGame.h"

#include "FileBytes.h"
#include "GameFacts.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDataStream>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QTimer>

#include <cerrno>

#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
// Opens every request; anything else on the socket is not a start of this game.
const QString RequestTag = QStringLiteral("quillmere-front-1");
const QByteArray TakenAnswer = "ok\n";
const QByteArray BusyAnswer = "busy\n";
const QByteArray RefusedAnswer = "refused\n";
// A request is a few dozen bytes; more is never waited for.
constexpr qint64 MaxRequestBytes = 64 * 1024;
// A later start sends its request at once: a connection that has not within
// this time is closed, and no more than a few are served at a time, so that
// idle connections cannot use up the game's files.
constexpr int RequestTimeMs = 3000;
constexpr int MaxOpenConnections = 16;

// A folder that only this user can write and enter: not a link, the user's
// own, no permissions for group or others.
QString PrivateFolderProblem(const QString& folder) {
  struct stat info {};
  if (::lstat(QFile::encodeName(folder).constData(), &info) != 0) return SystemError(errno);
  if (!S_ISDIR(info.st_mode))
    return QCoreApplication::translate("CommandLine", "%1 is not a folder").arg(folder);
  if (info.st_uid != ::geteuid())
    return QCoreApplication::translate("CommandLine", "%1 belongs to another user").arg(folder);
  if (info.st_mode & 077)
    return QCoreApplication::translate("CommandLine", "%1 is open to other users").arg(folder);
  return {};
}

// The user id of the process at the other end of a connected socket; -1 when
// the system does not say.
long long PeerUser(qintptr descriptor) {
  ucred peer{};
  socklen_t size = sizeof peer;
  if (descriptor < 0 ||
      ::getsockopt(static_cast<int>(descriptor), SOL_SOCKET, SO_PEERCRED, &peer, &size) != 0)
    return -1;
  return peer.uid;
}

}  // namespace

QString RunningGameFolder(const QString& runtimeFolder, const QString& temporaryFolder, QString& why) {
  why.clear();
  if (!runtimeFolder.isEmpty() && PrivateFolderProblem(runtimeFolder).isEmpty()) return runtimeFolder;
  const QString folder =
      QDir(temporaryFolder)
          .filePath(QStringLiteral("quillmere-%1").arg(static_cast<qulonglong>(::geteuid())));
  if (::mkdir(QFile::encodeName(folder).constData(), 0700) != 0 && errno != EEXIST) {
    why = SystemError(errno);
    return {};
  }
  why = PrivateFolderProblem(folder);
  return why.isEmpty() ? folder : QString();
}

QString RunningGameName(const QString& recordsFolder, QString& why) {
  const QFileInfo records(recordsFolder);
  const QString path =
      records.canonicalFilePath().isEmpty() ? records.absoluteFilePath() : records.canonicalFilePath();
  const QByteArray hash =
      QCryptographicHash::hash(path.toUtf8(), QCryptographicHash::Sha256).toHex().left(24);
  const QString folder = RunningGameFolder(qEnvironmentVariable("XDG_RUNTIME_DIR"), QDir::tempPath(), why);
  if (folder.isEmpty()) return {};
  return QDir(folder).filePath(QStringLiteral("quillmere-") + QString::fromLatin1(hash));
}

TRunningGameServer::TRunningGameServer(const QString& name)
    : Name(name), Server(std::make_unique<QLocalServer>()) {}

TRunningGameServer::~TRunningGameServer() = default;

bool TRunningGameServer::Listen() {
  if (Name.isEmpty()) {
    Error = QCoreApplication::translate("CommandLine",
                                        "there is no folder for the socket that only this user can write");
    return false;
  }
  // The folder is the user's alone; the socket is made so as well.
  Server->setSocketOptions(QLocalServer::UserAccessOption);
  Server->setMaxPendingConnections(MaxOpenConnections);
  QLocalServer::removeServer(Name);
  if (!Server->listen(Name)) {
    Error = Server->errorString();
    return false;
  }
  QObject::connect(Server.get(), &QLocalServer::newConnection, Server.get(), [this] { Accept(); });
  // Qt closes the socket without a word when the system refuses a
  // connection; a look now and then finds it so.
  auto* watch = new QTimer(Server.get());
  QObject::connect(watch, &QTimer::timeout, Server.get(), [this] { KeepListening(); });
  watch->start(10000);
  return true;
}

QString TRunningGameServer::ListenError() const {
  return Error;
}

void TRunningGameServer::Accept() {
  while (QLocalSocket* socket = Server->nextPendingConnection()) {
    // Another user's program is not a later start of this game, and beyond a
    // few open connections at a time nobody is served.
    if (Open >= MaxOpenConnections || PeerUser(socket->socketDescriptor()) != ::geteuid()) {
      socket->abort();
      socket->deleteLater();
      continue;
    }
    ++Open;
    QObject::connect(socket, &QObject::destroyed, Server.get(), [this] {
      --Open;
      KeepListening();
    });
    QObject::connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    QObject::connect(socket, &QLocalSocket::readyRead, socket, [this, socket] { Read(socket); });
    QTimer::singleShot(RequestTimeMs, socket, [socket] {
      socket->abort();
      socket->deleteLater();
    });
  }
  KeepListening();
}

void TRunningGameServer::KeepListening() {
  if (Server->isListening()) return;
  QLocalServer::removeServer(Name);
  if (!Server->listen(Name)) Error = Server->errorString();
}

void TRunningGameServer::Read(QLocalSocket* socket) {
  auto close = [socket] {
    socket->abort();
    socket->deleteLater();
  };
  if (socket->bytesAvailable() > MaxRequestBytes) return close();
  QDataStream in(socket);
  in.setVersion(QDataStream::Qt_6_0);
  in.startTransaction();
  QString tag;
  TFrontRequest request;
  qint32 size = 0, number = 0;
  in >> tag >> request.ActivationToken >> size >> number;
  if (!in.commitTransaction()) return;  // the rest is still coming
  if (tag != RequestTag) return close();
  request.PuzzleSize = size;
  request.PuzzleNumber = number;
  // A puzzle the game has, or none: anything else is refused before the
  // game asks the player anything.
  const bool activation = size == 0 && number == 0;
  QByteArray answer = TakenAnswer;
  if (!activation && RequestProblem(size, number, 5) != TRequestProblem::None) {
    answer = RefusedAnswer;
  } else if (!activation && (InHand || (CanPlay && !CanPlay()))) {
    // It still comes to the front; the puzzle is not played, and the later
    // start says so.
    answer = BusyAnswer;
    request.PuzzleSize = request.PuzzleNumber = 0;
  }
  socket->write(answer);
  socket->disconnectFromServer();
  if (answer == RefusedAnswer) return;
  if (request.PuzzleSize) InHand = true;
  // Answered first: the later start ends while the request is handled,
  // which may open a dialog of its own.
  QTimer::singleShot(0, Server.get(), [this, request] {
    if (OnRequest) OnRequest(request);
    if (request.PuzzleSize) InHand = false;
  });
}

TFrontAnswer AskRunningGame(const QString& name, const TFrontRequest& request, int timeoutMs) {
  if (name.isEmpty()) return TFrontAnswer::NoAnswer;
  const QDeadlineTimer deadline(timeoutMs);
  auto left = [&deadline] { return static_cast<int>(std::max<qint64>(deadline.remainingTime(), 0)); };
  QLocalSocket socket;
  socket.connectToServer(name);
  if (!socket.waitForConnected(left())) return TFrontAnswer::NoAnswer;
  // The socket's folder is the user's own; should another user's program
  // listen there all the same, it is told nothing.
  if (PeerUser(socket.socketDescriptor()) != ::geteuid()) return TFrontAnswer::NotOurs;
  QByteArray message;
  QDataStream out(&message, QIODevice::WriteOnly);
  out.setVersion(QDataStream::Qt_6_0);
  out << RequestTag << request.ActivationToken << qint32(request.PuzzleSize) << qint32(request.PuzzleNumber);
  socket.write(message);
  while (socket.bytesToWrite() > 0)
    if (deadline.hasExpired() || !socket.waitForBytesWritten(left())) return TFrontAnswer::NoAnswer;
  QByteArray reply;
  while (!reply.contains('\n') && reply.size() < 64 && !deadline.hasExpired() &&
         socket.waitForReadyRead(left()))
    reply += socket.read(64);
  if (reply == TakenAnswer) return TFrontAnswer::Taken;
  if (reply == BusyAnswer) return TFrontAnswer::Busy;
  if (reply == RefusedAnswer) return TFrontAnswer::Refused;
  return TFrontAnswer::NoAnswer;
}
