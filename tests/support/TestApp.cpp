#include "TestApp.h"

#include <QApplication>

#include <cerrno>
#include <cstdlib>

QApplication& TestApp() {
  static int argc = 1;
  // Named after the test program, as Qt would name it from main()'s arguments.
  static char* argv[] = {program_invocation_short_name, nullptr};
  static QApplication* app = [] {
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    return new QApplication(argc, argv);
  }();
  return *app;
}
