#include "PrintTool.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <iostream>

int main(int argc, char** argv) {
  // The arguments first, in the desktop's language and before any window
  // system is touched, so a refusal is the one line it should be.
  TPrintJob job;
  const std::vector<std::string> args(argv + 1, argv + argc);
  {
    const QCoreApplication words(argc, argv);
    SpeakDesktopLanguage(QCoreApplication::applicationDirPath());
    if (const int status = ParsePrintArguments(args, job, std::cout, std::cerr); status >= 0) return status;
  }
  // The tool opens no window; without a platform of the user's choice it
  // draws on the offscreen one, so it runs where no display is.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  SpeakDesktopLanguage(QCoreApplication::applicationDirPath());
  return RunPrintJob(job, QCoreApplication::applicationDirPath(), std::cout, std::cerr);
}
