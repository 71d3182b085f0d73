// quillmere-print run in-process on the offscreen platform.
#include "PrintTool.h"
#include "PuzzlePrint.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sstream>

namespace {

QGuiApplication& App() {
  static int argc = 1;
  static char name[] = "test_print_tool";
  static char* argv[] = {name, nullptr};
  static QGuiApplication* app = new QGuiApplication(argc, argv);
  return *app;
}

struct TRun {
  int Status;
  std::string Out;
  std::string Err;
};

// With the build's pictures unless the arguments name a data folder.
TRun Tool(const std::vector<std::string>& args,
          const QString& programFolder = QStringLiteral(QUILLMERE_RUNTIME_DIR)) {
  App();
  std::ostringstream out, err;
  const int status = RunPrintTool(args, programFolder, out, err);
  return {status, out.str(), err.str()};
}

QByteArray Contents(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool OneLine(const std::string& text) {
  return text.find("quillmere-print: ") == 0 && text.find('\n') == text.size() - 1;
}

}  // namespace

TEST(PrintTool, EachKindHasItsPagesAtA4) {
  QTemporaryDir dir;
  const std::string base = QDir(dir.path()).filePath(QStringLiteral("p")).toStdString();
  const std::vector<std::string> puzzle{"--size", "6", "--number", "1234", "--difficulty", "5"};
  auto run = [&](const std::string& file, bool solution) {
    std::vector<std::string> args = puzzle;
    args.insert(args.end(), {"--output", file});
    if (solution) args.push_back("--solution");
    return Tool(args);
  };

  // PDF: one page, or two with the solution, each A4 (595 x 842 points).
  for (const bool solution : {false, true}) {
    const std::string file = base + (solution ? "2.pdf" : "1.pdf");
    const TRun r = run(file, solution);
    ASSERT_EQ(r.Status, 0) << r.Err;
    EXPECT_EQ(r.Out, file + "\n");
    const QString pdf = QString::fromLatin1(Contents(QString::fromStdString(file)));
    ASSERT_TRUE(pdf.startsWith(QStringLiteral("%PDF-")));
    EXPECT_EQ(pdf.count(QRegularExpression(QStringLiteral("/Type\\s*/Page\\b"))), solution ? 2 : 1);
    EXPECT_EQ(pdf.count(QRegularExpression(QStringLiteral("/MediaBox\\s*\\[0 0 595(\\.0+)? 842(\\.0+)?\\]"))),
              solution ? 2 : 1);
  }

  // SVG and PNG: a file per page, the solution beside the puzzle.
  TRun r = run(base + ".svg", true);
  ASSERT_EQ(r.Status, 0) << r.Err;
  EXPECT_EQ(r.Out, base + ".svg\n" + base + "-solution.svg\n");
  for (const char* name : {".svg", "-solution.svg"}) {
    QSvgRenderer svg(QString::fromStdString(base + name));
    ASSERT_TRUE(svg.isValid()) << name;
    EXPECT_EQ(svg.viewBox(), QRect(0, 0, PrintPageWidth, PrintPageHeight));
  }
  EXPECT_TRUE(
      Contents(QString::fromStdString(base + ".svg")).contains("width=\"210.079mm\" height=\"297.127mm\""));

  r = run(base + ".png", false);
  ASSERT_EQ(r.Status, 0) << r.Err;
  EXPECT_FALSE(QFile::exists(QString::fromStdString(base + "-solution.png")));
  const QImage page(QString::fromStdString(base + ".png"));
  EXPECT_EQ(page.size(), QSize(1588, 2246));
  // Nothing but the pages and no leftovers of the temporary files.
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 5);
}

TEST(PrintTool, RefusalsAreOneLineAndLeaveFilesAlone) {
  QTemporaryDir dir;
  const std::string out = QDir(dir.path()).filePath(QStringLiteral("x.pdf")).toStdString();
  struct TCase {
    std::vector<std::string> Args;
    int Status;
    const char* Says;
  };
  const std::vector<TCase> cases{
      {{"--size", "7", "--number", "1", "--output", out}, 2, "size must be one of"},
      {{"--size", "6", "--number", "1000000", "--output", out}, 2, "1 to 999999"},
      {{"--size", "6", "--number", "1", "--difficulty", "11", "--output", out}, 2, "0 to 10"},
      {{"--size", "6", "--number", "x1", "--output", out}, 2, "whole number"},
      {{"--size", "6", "--number", "1"}, 2, "--output"},
      {{"--size", "6", "--number", "1", "--output"}, 2, "needs a value"},
      {{"--size", "6", "--number", "1", "--output", out, "--colour"}, 2, "unknown argument"},
      {{"--size", "6", "--number", "1", "--output", out, "--data-dir", "/no/such/folder"},
       2,
       "does not exist"},
      {{"--size", "6", "--number", "1", "--output", out, "--data-dir", "/etc/hostname"},
       2,
       "is not a folder"},
      {{"--size", "6", "--number", "1", "--output", out + ".txt"}, 1, ".pdf, .svg or .png"},
      {{"--size", "6", "--number", "1", "--output", "/no/such/folder/x.pdf"}, 1, "/no/such/folder/x.pdf"},
      // A data folder without the pictures.
      {{"--size", "6", "--number", "1", "--output", out, "--data-dir", dir.path().toStdString()}, 1, "Row 1"},
      // Bytes that are no name in the file name encoding (Latin-1 "café"):
      // never written under another name, nor a folder said not to exist.
      {{"--size", "4", "--number", "1", "--output", dir.path().toStdString() + "/caf\xe9.pdf"},
       2,
       "/caf\\xe9.pdf\" is no name in the system's file name encoding"},
      {{"--size", "4", "--number", "1", "--output", out, "--data-dir", dir.path().toStdString() + "/caf\xe9"},
       2,
       "\\xe9\" is no name in the system's file name encoding"},
  };
  for (const TCase& c : cases) {
    const TRun r = Tool(c.Args);
    EXPECT_EQ(r.Status, c.Status) << r.Err;
    EXPECT_TRUE(OneLine(r.Err)) << r.Err;
    EXPECT_NE(r.Err.find(c.Says), std::string::npos) << r.Err;
    EXPECT_TRUE(r.Out.empty());
  }
  EXPECT_TRUE(QDir(dir.path()).isEmpty());

  // A solution page that cannot be written keeps the puzzle page's old
  // file too.
  const QString png = QDir(dir.path()).filePath(QStringLiteral("old.png"));
  {
    QFile old(png);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("kept");
  }
  ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("old-solution.png")));
  const TRun r = Tool({"--size", "4", "--number", "9", "--solution", "--output", png.toStdString()});
  EXPECT_EQ(r.Status, 1);
  EXPECT_TRUE(OneLine(r.Err)) << r.Err;
  EXPECT_EQ(Contents(png), QByteArray("kept"));
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("old.png")});

  // A solution page name planted as a link: refused, naming it, and the
  // file it points at stays as it was.
  const QString target = QDir(dir.path()).filePath(QStringLiteral("target.txt"));
  {
    QFile file(target);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("mine");
  }
  const QString svg = QDir(dir.path()).filePath(QStringLiteral("page.svg"));
  ASSERT_TRUE(QFile::link(target, QDir(dir.path()).filePath(QStringLiteral("page-solution.svg"))));
  const TRun linked = Tool({"--size", "4", "--number", "9", "--solution", "--output", svg.toStdString()});
  EXPECT_EQ(linked.Status, 1);
  EXPECT_TRUE(OneLine(linked.Err) && linked.Err.find("page-solution.svg") != std::string::npos &&
              linked.Err.find("link") != std::string::npos)
      << linked.Err;
  EXPECT_EQ(Contents(target), QByteArray("mine"));
  EXPECT_FALSE(QFile::exists(svg));

  // Help and version answer and end.
  const TRun help = Tool({"--help"});
  EXPECT_EQ(help.Status, 0);
  EXPECT_NE(help.Out.find("-solution"), std::string::npos);
  EXPECT_EQ(Tool({"--version"}).Out, std::string("quillmere-print ") + QUILLMERE_VERSION + "\n");
}
