#include "DataFolders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>
#include <unistd.h>

namespace {

QString Absolute(const QString& folder) {
  return QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
}

// The player may keep files there: the folder can be written (not on a
// read-only medium, not made immutable) and is the player's own.
bool FolderIsWritable(const QString& folder) {
  const QByteArray name = QFile::encodeName(folder);
  struct stat info {};
  return ::stat(name.constData(), &info) == 0 && info.st_uid == ::geteuid() &&
         ::access(name.constData(), W_OK) == 0;
}

}  // namespace

TDataFolders ResolveDataFolders(const QString& programFolder, const QString& dataDir,
                                const QString& userDataFolder,
                                const std::function<bool(const QString&)>& isWritable) {
  if (!dataDir.isEmpty()) {
    const QString folder = Absolute(dataDir);
    return {folder, folder};
  }
  const QString program = Absolute(programFolder);
  const QString user = userDataFolder.isEmpty() ? QString() : Absolute(userDataFolder);
  if (QFileInfo(QDir(program).filePath(QStringLiteral("tiles"))).isDir()) {
    // A copy with its own pictures plays from them; where it cannot keep
    // the records beside it, they go to the user's folder.
    const bool writable = isWritable ? isWritable(program) : FolderIsWritable(program);
    if (writable) return {program, program};
    return {program, user, true};
  }
  return {QDir::cleanPath(program + QStringLiteral("/") + QLatin1String(InstalledAssetsFromProgram)), user};
}

QString UserDataFolder(const QString& standardFolder) {
  // Without a home the system's answer is a folder under the root, which
  // is nobody's place for one user's records.
  if (qEnvironmentVariableIsEmpty("HOME") && qEnvironmentVariableIsEmpty("XDG_DATA_HOME")) return {};
  return standardFolder;
}

TResult MakeRecordsFolder(const TDataFolders& folders) {
  if (folders.Records.isEmpty())
    return {QCoreApplication::translate("Records", "There is no folder for the records")};
  if (QDir().mkpath(folders.Records)) return {};
  return {QCoreApplication::translate("Records", "Unable to make the folder %1").arg(folders.Records)};
}
