#include "RunningGame.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QTimer>

namespace {
// Opens every request; anything else on the socket is not a start of this game.
const QString RequestTag = QStringLiteral("quillmere-front-1");
const QByteArray Answer = "ok\n";
// A request is a few dozen bytes; more is never waited for.
constexpr qint64 MaxRequestBytes = 64 * 1024;
}  // namespace

QString RunningGameName(const QString& recordsFolder) {
  const QFileInfo folder(recordsFolder);
  const QString path =
      folder.canonicalFilePath().isEmpty() ? folder.absoluteFilePath() : folder.canonicalFilePath();
  const QByteArray hash =
      QCryptographicHash::hash(path.toUtf8(), QCryptographicHash::Sha256).toHex().left(24);
  QString name = QStringLiteral("quillmere-") + QString::fromLatin1(hash);
  // The runtime folder is the user's own; without one the socket goes to
  // the temporary folder, open to the user alone.
  const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
  if (!runtime.isEmpty() && QFileInfo(runtime).isDir()) return QDir(runtime).filePath(name);
  return name;
}

TRunningGameServer::TRunningGameServer(const QString& name)
    : Name(name), Server(std::make_unique<QLocalServer>()) {}

TRunningGameServer::~TRunningGameServer() = default;

bool TRunningGameServer::Listen() {
  Server->setSocketOptions(QLocalServer::UserAccessOption);
  QLocalServer::removeServer(Name);
  if (!Server->listen(Name)) return false;
  QObject::connect(Server.get(), &QLocalServer::newConnection, Server.get(), [this] {
    while (QLocalSocket* socket = Server->nextPendingConnection()) {
      QObject::connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
      QObject::connect(socket, &QLocalSocket::readyRead, socket, [this, socket] {
        if (socket->bytesAvailable() > MaxRequestBytes) {
          socket->abort();
          return;
        }
        QDataStream in(socket);
        in.setVersion(QDataStream::Qt_6_0);
        in.startTransaction();
        QString tag;
        TFrontRequest request;
        qint32 size = 0, number = 0;
        in >> tag >> request.ActivationToken >> size >> number;
        if (!in.commitTransaction()) return;  // the rest is still coming
        if (tag != RequestTag) {
          socket->abort();
          return;
        }
        request.PuzzleSize = size;
        request.PuzzleNumber = number;
        socket->write(Answer);
        socket->disconnectFromServer();
        // Answered first: the later start ends while the request is handled,
        // which may open a dialog of its own.
        QTimer::singleShot(0, Server.get(), [this, request] {
          if (OnRequest) OnRequest(request);
        });
      });
    }
  });
  return true;
}

QString TRunningGameServer::ListenError() const {
  return Server->errorString();
}

bool AskRunningGame(const QString& name, const TFrontRequest& request, int timeoutMs) {
  QLocalSocket socket;
  socket.connectToServer(name);
  if (!socket.waitForConnected(timeoutMs)) return false;
  QByteArray message;
  QDataStream out(&message, QIODevice::WriteOnly);
  out.setVersion(QDataStream::Qt_6_0);
  out << RequestTag << request.ActivationToken << qint32(request.PuzzleSize) << qint32(request.PuzzleNumber);
  socket.write(message);
  if (!socket.waitForBytesWritten(timeoutMs)) return false;
  QByteArray reply;
  while (!reply.contains('\n') && socket.waitForReadyRead(timeoutMs)) reply += socket.readAll();
  reply += socket.readAll();
  return reply == Answer;
}
