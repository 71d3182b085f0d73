#pragma once

// The one Qt application of a test program, made at the first call and never
// destroyed: Qt's own statics may go first at exit, and tearing the
// application down after main() has returned crashes. Call it before the
// first Qt object a test makes (a fixture's SetUp or constructor).

class QApplication;
class QCoreApplication;

// Programs that show windows (quillmere_testapp): a QApplication, with SDL's
// audio on its dummy driver so a window that plays sounds stays silent.
QApplication& TestApp();

// Programs without a widget library (quillmere_testapp_core): a
// QCoreApplication, so the check that they need no Qt Gui still holds.
QCoreApplication& TestCoreApp();
