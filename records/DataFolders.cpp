#include "DataFolders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {

QString Absolute(const QString& folder) {
  return QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
}

bool FolderIsWritable(const QString& folder) {
  return QFileInfo(folder).isWritable();
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
  const bool writable = isWritable ? isWritable(program) : FolderIsWritable(program);
  if (writable && QFileInfo(QDir(program).filePath(QStringLiteral("tiles"))).isDir())
    return {program, program};
  return {QDir::cleanPath(program + QStringLiteral("/") + QLatin1String(InstalledAssetsFromProgram)),
          Absolute(userDataFolder)};
}

TResult MakeRecordsFolder(const TDataFolders& folders) {
  if (QDir().mkpath(folders.Records)) return {};
  return {QCoreApplication::translate("Records", "Unable to make the folder %1").arg(folders.Records)};
}
