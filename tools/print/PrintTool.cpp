#include "PrintTool.h"

#include "DataFolders.h"
#include "FileBytes.h"
#include "Language.h"
#include "Images.h"
#include "Puzzle.h"
#include "PuzzlePrint.h"
#include "RequestTexts.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QString>

#include <ostream>

namespace {

// The help around the puzzle tool's ranges, which stay as that tool says them.
const char* const Usage =
    QT_TRANSLATE_NOOP("PrintTool",
                      "usage: quillmere-print --size N --number K [--difficulty D] [--solution]\n"
                      "                       [--data-dir DIR] --output FILE\n"
                      "       quillmere-print --version\n"
                      "Writes the puzzle as a printable A4 page: its name, the board's candidate\n"
                      "grids to pencil on and both clue lists; --solution adds the solution.\n"
                      "FILE ending in .pdf: a PDF (the solution on page 2); .svg or .png: one\n"
                      "picture per page, the solution page in NAME-solution.svg or .png beside FILE\n"
                      "(PNG pages at 192 dots per inch).\n");
const char* const UsageEnd =
    QT_TRANSLATE_NOOP("PrintTool",
                      "The tile pictures come from DIR/tiles, else the program's own folder,\n"
                      "else ../share/quillmere beside it.\n");

std::string Text(const QString& text) {
  return text.toStdString();
}
QString Quoted(const std::string& text) {
  return QString::fromStdString(EchoText(text));
}

}  // namespace

void SpeakDesktopLanguage(const QString& programFolder) {
  // The program's own translations, beside it or where an installation
  // puts them.
  SpeakLanguage(QString(), ProgramTranslationFolders(programFolder));
}

int ParsePrintArguments(const std::vector<std::string>& args, TPrintJob& job, std::ostream& out,
                        std::ostream& err) {
  auto fail = [&err](const std::string& why, int status) {
    err << "quillmere-print: " << why << "\n";
    return status;
  };
  TPuzzleRequest& request = job.Request;
  bool haveSize = false, haveNumber = false, haveOutput = false, haveDataDir = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--size" || a == "--number" || a == "--difficulty") {
      long v = 0;
      if (i + 1 >= args.size())
        return fail(
            Text(QCoreApplication::translate("PrintTool", "%1 needs a value").arg(QString::fromStdString(a))),
            2);
      if (!ParseWhole(args[++i], v))
        return fail(Text(QCoreApplication::translate("PrintTool", "%1 needs a whole number, not \"%2\"")
                             .arg(QString::fromStdString(a), Quoted(args[i]))),
                    2);
      if (a == "--size") {
        request.Size = static_cast<int>(v == static_cast<int>(v) ? v : 0);
        haveSize = true;
      } else if (a == "--number") {
        request.Number = v;
        haveNumber = true;
      } else {
        request.Difficulty = v >= 0 && v <= 10 ? static_cast<int>(v) : -1;
      }
    } else if (a == "--output" || a == "--data-dir") {
      if (i + 1 >= args.size() || args[i + 1].empty())
        return fail(
            Text(QCoreApplication::translate("PrintTool", "%1 needs a value").arg(QString::fromStdString(a))),
            2);
      const std::string& bytes = args[++i];
      const QString value =
          DecodeFileName(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
      if (value.isEmpty())
        return fail(Text(QCoreApplication::translate(
                             "PrintTool", "%1: \"%2\" is no name in the system's file name encoding")
                             .arg(QString::fromStdString(a), Quoted(args[i]))),
                    2);
      if (a == "--output") {
        job.Output = value;
        haveOutput = true;
      } else {
        job.DataDir = value;
        haveDataDir = true;
      }
    } else if (a == "--solution") {
      job.Solution = true;
    } else if (a == "--help" || a == "-h") {
      out << Text(QCoreApplication::translate("PrintTool", Usage))
          << Text(QCoreApplication::translate("PrintTool",
                                              "N is one of %1; K is %2..%3; D is 0..10 (default 5).")
                      .arg(BoardSizeListText())
                      .arg(MinPuzzleNumber)
                      .arg(MaxPuzzleNumber))
          << "\n"
          << Text(QCoreApplication::translate("PrintTool", UsageEnd));
      return 0;
    } else if (a == "--version") {
      out << "quillmere-print " << QUILLMERE_VERSION << "\n";
      return 0;
    } else {
      return fail(Text(QCoreApplication::translate("PrintTool", "unknown argument \"%1\" (try --help)")
                           .arg(Quoted(a))),
                  2);
    }
  }
  if (!haveSize || !haveNumber || !haveOutput)
    return fail(Text(QCoreApplication::translate("PrintTool",
                                                 "--size, --number and --output are needed (try --help)")),
                2);
  if (const TRequestProblem problem = RequestProblem(request.Size, request.Number, request.Difficulty);
      problem != TRequestProblem::None)
    return fail(Text(RequestProblemText(problem, {})), 2);
  if (haveDataDir && !QFileInfo(job.DataDir).isDir())
    return fail(Text((QFileInfo::exists(job.DataDir)
                          ? QCoreApplication::translate("PrintTool", "the data folder \"%1\" is not a folder")
                          : QCoreApplication::translate("PrintTool", "the data folder \"%1\" does not exist"))
                         .arg(Quoted(job.DataDir.toStdString()))),
                2);
  if (PrintFormatFor(job.Output) == TPrintFormat::Unknown)
    return fail(Text(QCoreApplication::translate(
                         "PrintTool", "the output file's name must end in .pdf, .svg or .png, not \"%1\"")
                         .arg(Quoted(job.Output.toStdString()))),
                1);
  return -1;
}

int RunPrintJob(const TPrintJob& job, const QString& programFolder, std::ostream& out, std::ostream& err) {
  // The pictures as the game finds them; this tool writes no records, so a
  // program folder holding tiles/ serves whether or not it can be written.
  const TDataFolders folders =
      ResolveDataFolders(programFolder, job.DataDir, QString(), [](const QString&) { return true; });
  TImages images;
  if (!images.LoadAll(folders.Assets)) {
    err << "quillmere-print: " << images.LastError().toStdString() << "\n";
    return 1;
  }
  const TPuzzleRequest& r = job.Request;
  TPuzzle puzzle;
  puzzle.SetUp(r.Size, static_cast<std::uint32_t>(r.Number), r.Difficulty);
  const QString title = PrintTitle(r.Size, int(r.Number), r.Difficulty);
  if (const QString why = PrintPuzzle(job.Output, puzzle, images, title, job.Solution); !why.isEmpty()) {
    err << "quillmere-print: " << why.toStdString() << "\n";
    return 1;
  }
  for (const QString& written : PrintFiles(job.Output, job.Solution)) out << written.toStdString() << "\n";
  return 0;
}

int RunPrintTool(const std::vector<std::string>& args, const QString& programFolder, std::ostream& out,
                 std::ostream& err) {
  TPrintJob job;
  if (const int status = ParsePrintArguments(args, job, out, err); status >= 0) return status;
  return RunPrintJob(job, programFolder, out, err);
}
