#include "TestApp.h"

#include <QCoreApplication>

#include <cerrno>

QCoreApplication& TestCoreApp() {
  static int argc = 1;
  // Named after the test program, as Qt would name it from main()'s arguments.
  static char* argv[] = {program_invocation_short_name, nullptr};
  static QCoreApplication* app = new QCoreApplication(argc, argv);
  return *app;
}
