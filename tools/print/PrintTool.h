#pragma once

#include "PuzzleTool.h"

#include <QString>

#include <iosfwd>
#include <string>
#include <vector>

// quillmere-print, kept apart from main() so tests can run it in-process.
struct TPrintJob {
  TPuzzleRequest Request;
  QString Output;
  QString DataDir;  // empty: found as the game finds its pictures
  bool Solution = false;
};

// Reads the arguments (without the program name) into job. Returns -1 when
// the job is to be done, else the exit status: 0 after --help or --version,
// 1 for an output name of no known kind, 2 for a bad argument, each failure
// one line on err. Needs no application object.
int ParsePrintArguments(const std::vector<std::string>& args, TPrintJob& job, std::ostream& out,
                        std::ostream& err);

// Draws and writes the job (a QGuiApplication must exist); programFolder is
// where the program lies, which decides where the tile pictures are found
// unless the job names a data folder. Returns 0, or 1 with one line on err
// when the pictures cannot be loaded or the file not written; prints the
// files written on out.
int RunPrintJob(const TPrintJob& job, const QString& programFolder, std::ostream& out, std::ostream& err);

// Loads the translations for the desktop's language (an application object
// must exist), found beside the program in programFolder or in the installed
// data; English where there are none.
void SpeakDesktopLanguage(const QString& programFolder);

// Both in one.
int RunPrintTool(const std::vector<std::string>& args, const QString& programFolder, std::ostream& out,
                 std::ostream& err);
