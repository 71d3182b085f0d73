// Writes everything the game expects beside itself: the tile pictures, the
// sounds, the title picture and the empty player folders.
//
//   quillmere-assets --out DIR [--contact-sheet FILE.png] [--title-png FILE.png]
//                    [--icons DIR] [--tile-sheet FILE.png]

#include "AppIcon.h"
#include "JpegImage.h"
#include "Sounds.h"
#include "TileArt.h"
#include "TileCatalog.h"
#include "TitlePicture.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QSaveFile>

#include <cstdio>

namespace {

bool WriteFile(const QString& path, const QByteArray& data) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size() || !file.commit()) {
    std::fprintf(stderr, "quillmere-assets: cannot write %s: %s\n", qPrintable(path),
                 qPrintable(file.errorString()));
    return false;
  }
  return true;
}

bool SaveImage(const QImage& image, const QString& path, const char* format) {
  if (!image.save(path, format)) {
    std::fprintf(stderr, "quillmere-assets: cannot write %s\n", qPrintable(path));
    return false;
  }
  return true;
}

bool MakeFolder(const QString& path) {
  if (!QDir().mkpath(path)) {
    std::fprintf(stderr, "quillmere-assets: cannot create the folder %s\n", qPrintable(path));
    return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  // Runs at build time, where there may be no display.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);

  QCommandLineParser parser;
  parser.setApplicationDescription(
      QStringLiteral("Generates the tiles, sounds and title picture of Quillmere."));
  parser.addHelpOption();
  const QCommandLineOption outOption(QStringLiteral("out"), QStringLiteral("The game's folder."),
                                     QStringLiteral("DIR"));
  const QCommandLineOption sheetOption(QStringLiteral("contact-sheet"),
                                       QStringLiteral("Also write all tiles side by side into a PNG."),
                                       QStringLiteral("FILE"));
  const QCommandLineOption titlePngOption(QStringLiteral("title-png"),
                                          QStringLiteral("Also write the title picture as a PNG."),
                                          QStringLiteral("FILE"));
  const QCommandLineOption iconsOption(
      QStringLiteral("icons"),
      QStringLiteral("Also write the application icon into DIR, laid out as an icon theme's folders."),
      QStringLiteral("DIR"));
  const QCommandLineOption tileSheetOption(
      QStringLiteral("tile-sheet"), QStringLiteral("Also write every tile into one PNG for the web page."),
      QStringLiteral("FILE"));
  parser.addOptions({outOption, sheetOption, titlePngOption, iconsOption, tileSheetOption});
  parser.process(app);
  if (!parser.isSet(outOption)) {
    std::fprintf(stderr, "quillmere-assets: --out DIR is required\n");
    return 2;
  }

  if (!QFontDatabase::families().contains(QStringLiteral("Noto Color Emoji"))) {
    std::fprintf(stderr,
                 "quillmere-assets: the font \"Noto Color Emoji\" (fonts-noto-color-emoji) is missing\n");
    return 1;
  }

  const QDir out(parser.value(outOption));
  const auto& categories = TileCategories();
  TTileSet tiles;
  for (int r = 0; r < MaxBoardSize; ++r) {
    for (int t = 0; t < MaxBoardSize; ++t) {
      tiles[r][t] = RenderTile(categories[r], categories[r].Motifs[t]);
      if (tiles[r][t].isNull()) {
        std::fprintf(stderr, "quillmere-assets: nothing drawn for %s\n", categories[r].Motifs[t].Name);
        return 1;
      }
    }
  }

  // The sheet comes first so that a failed check can be looked at.
  if (parser.isSet(sheetOption) && !SaveImage(ContactSheet(tiles), parser.value(sheetOption), "PNG"))
    return 1;

  if (parser.isSet(tileSheetOption) && !SaveImage(TileSheet(tiles), parser.value(tileSheetOption), "PNG"))
    return 1;

  QStringList report;
  const QStringList similar = SimilarTiles(tiles, &report);
  for (const QString& line : report) std::printf("  %s\n", qPrintable(line));
  if (!similar.isEmpty()) {
    for (const QString& pair : similar)
      std::fprintf(stderr, "quillmere-assets: too alike at 20 x 20 pixels: %s\n", qPrintable(pair));
    return 1;
  }

  bool ok = true;
  for (int r = 0; r < MaxBoardSize; ++r) {
    const QString folder = out.filePath(QStringLiteral("tiles/Row %1").arg(r + 1));
    ok = ok && MakeFolder(folder);
    // Old pictures under other names would shift the tile numbering.
    QDir rowDir(folder);
    for (const QString& stale : rowDir.entryList({QStringLiteral("*.bmp")}, QDir::Files))
      rowDir.remove(stale);
    for (int t = 0; t < MaxBoardSize && ok; ++t) {
      const QString name = QStringLiteral("%1 %2.bmp")
                               .arg(t + 1, 2, 10, QLatin1Char('0'))
                               .arg(QString::fromUtf8(categories[r].Motifs[t].Name));
      ok = SaveImage(tiles[r][t], rowDir.filePath(name), "BMP");
    }
  }

  // The rows' names, one a line, for the game to say what a row holds.
  if (ok) {
    QByteArray names;
    for (const TTileCategory& category : categories) names += QByteArray(category.Name) + '\n';
    ok = WriteFile(out.filePath(QStringLiteral("tiles/Categories.txt")), names);
  }

  ok = ok && MakeFolder(out.filePath(QStringLiteral("sounds")));
  ok = ok && WriteFile(out.filePath(QStringLiteral("sounds/click.wav")), ClickSound());
  ok = ok && WriteFile(out.filePath(QStringLiteral("sounds/pop.wav")), PopSound());
  ok = ok && WriteFile(out.filePath(QStringLiteral("sounds/error.wav")), ErrorSound());
  ok = ok && WriteFile(out.filePath(QStringLiteral("sounds/complete.wav")), CompleteSound());

  const QImage title = RenderTitlePicture();
  if (ok) {
    const QString error = SaveJpegImage(title, out.filePath(QStringLiteral("title.jpg")), 90);
    if (!error.isEmpty()) {
      std::fprintf(stderr, "quillmere-assets: %s\n", qPrintable(error));
      ok = false;
    }
  }

  ok = ok && MakeFolder(out.filePath(QStringLiteral("Players/Saved Games")));

  if (ok && parser.isSet(titlePngOption)) ok = SaveImage(title, parser.value(titlePngOption), "PNG");

  if (ok && parser.isSet(iconsOption)) {
    const QDir icons(parser.value(iconsOption));
    ok = MakeFolder(icons.filePath(QStringLiteral("scalable/apps"))) &&
         WriteFile(icons.filePath(QStringLiteral("scalable/apps/quillmere.svg")), AppIconSvg());
    for (const int size : AppIconSizes) {
      const QString folder = icons.filePath(QStringLiteral("%1x%1/apps").arg(size));
      ok = ok && MakeFolder(folder) &&
           SaveImage(RenderAppIcon(size), QDir(folder).filePath(QStringLiteral("quillmere.png")), "PNG");
    }
  }
  return ok ? 0 : 1;
}
