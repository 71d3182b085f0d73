#include "WindowLinks.h"

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QProcess>
#include <QStandardPaths>

bool OpenInBrowser(const QUrl& Address) {
  // Qt reports success as soon as the desktop's opener has started, even
  // when it then finds nothing to open the address with; the opener's exit
  // status says whether anything took it.
  const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
  if (opener.isEmpty()) return QDesktopServices::openUrl(Address);
  auto* run = new QProcess;
  run->setProgram(opener);
  run->setArguments({Address.toString(QUrl::FullyEncoded)});
  run->setProcessChannelMode(QProcess::ForwardedChannels);
  run->setStandardInputFile(QProcess::nullDevice());
  run->start();
  if (!run->waitForStarted(OpenerWaitMs)) {
    delete run;
    return false;
  }
  if (run->waitForFinished(OpenerWaitMs)) {
    const bool opened = run->exitStatus() == QProcess::NormalExit && run->exitCode() == 0;
    delete run;
    return opened;
  }
  // Still running: without a desktop of its own the opener runs the browser
  // itself and ends with it. It found a program; let it run and tidy up
  // after itself (a game that ends first leaves it running).
  QObject::connect(run, &QProcess::finished, run, &QObject::deleteLater);
  return true;
}

void OpenLinkOrSay(const TLinkOpener& Open, const QUrl& Address, const TLinkFailure& Failed) {
  if (!Open || Open(Address) || !Failed) return;
  const QString where =
      Address.isLocalFile() ? QDir::toNativeSeparators(Address.toLocalFile()) : Address.toString();
  Failed(QCoreApplication::translate("WindowLinks",
                                     "No web browser or other program to open this link was found:\r%1\r"
                                     "Please open it in a web browser yourself.")
             .arg(where));
}

QString ProgramVersion() {
  return QStringLiteral(QUILLMERE_VERSION);
}

QString ConfiguredDonationAddress() {
  return QStringLiteral(QUILLMERE_DONATION_URL);
}

QString ThanksText(const QString& DonationAddress) {
  const QString site = QUrl(DonationAddress).host();
  //: %1 is the donation page's site, e.g. example.org.
  return QCoreApplication::translate("WindowLinks", "With thanks to %1")
      .arg(site.isEmpty() ? DonationAddress : site);
}

QString DataFile(const QString& Folder, const QString& Name) {
  QString own = QDir(Folder).filePath(Name);
  if (QFileInfo::exists(own)) return own;
  // Without an application object there is no program folder to fall back on.
  if (QCoreApplication::instance()) {
    QString beside = QDir(QCoreApplication::applicationDirPath()).filePath(Name);
    if (QFileInfo::exists(beside)) return beside;
  }
  return own;
}

QUrl GuideUrl(const QString& Folder, const QString& Section, const QString& Language) {
  const QString english = QString::fromUtf8(GuideFileName);
  QString file = DataFile(Folder, LocalizedFileName(english, Language));
  // A language whose guide is missing gets the English one.
  if (!QFileInfo::exists(file)) file = DataFile(Folder, english);
  QUrl url = QUrl::fromLocalFile(QFileInfo(file).absoluteFilePath());
  if (!Section.isEmpty()) url.setFragment(Section);
  return url;
}

QFont DialogFont(int PointSize, bool Bold) {
  // MS Sans Serif has no free twin; Arial (Liberation Sans once the font
  // substitutes are installed) keeps the design's widths closest.
  QFont font(QStringLiteral("Arial"));
  font.setPointSize(PointSize);
  font.setBold(Bold);
  return font;
}

namespace {

// A link label as a screen reader knows links: its text is its name, its
// address (the tooltip) its description, and its action opens it.
class TLinkAccessible : public QAccessibleWidget {
 public:
  explicit TLinkAccessible(TURLLabel* label) : QAccessibleWidget(label, QAccessible::Link) {}
  QString text(QAccessible::Text t) const override {
    QString own = QAccessibleWidget::text(t);
    if (t == QAccessible::Name && own.isEmpty()) return static_cast<QLabel*>(widget())->text();
    return own;
  }
  QStringList actionNames() const override { return {pressAction()}; }
  void doAction(const QString& name) override {
    if (name != pressAction()) return;
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QCoreApplication::sendEvent(widget(), &enter);
  }
};

QAccessibleInterface* LinkFactory(const QString&, QObject* object) {
  auto* label = dynamic_cast<TURLLabel*>(object);
  return label ? new TLinkAccessible(label) : nullptr;
}

}  // namespace

TURLLabel::TURLLabel(QWidget* parent) : TClickLabel(QString(), parent) {
  static const bool installed = (QAccessible::installFactory(LinkFactory), true);
  (void)installed;
  setCursor(Qt::PointingHandCursor);
  setTextFormat(Qt::PlainText);
  setFocusPolicy(Qt::StrongFocus);
  // Room for the focus frame round the text.
  setContentsMargins(2, 1, 2, 1);
}

void TURLLabel::keyPressEvent(QKeyEvent* event) {
  const int key = event->key();
  // The keypad's Enter is the screen reader's own key.
  if ((key == Qt::Key_Return || key == Qt::Key_Space) && !(event->modifiers() & Qt::KeypadModifier)) {
    event->accept();
    if (OnClick) OnClick();
    return;
  }
  TClickLabel::keyPressEvent(event);
}

void TURLLabel::paintEvent(QPaintEvent* event) {
  TClickLabel::paintEvent(event);
  if (!hasFocus()) return;
  // A dotted frame in the link's own colour, which shows on its background.
  QPainter p(this);
  p.setPen(QPen(palette().color(QPalette::WindowText), 1, Qt::DotLine));
  p.drawRect(rect().adjusted(0, 0, -1, -1));
}

void StandOnPicture(QLabel* label, const QColor& colour) {
  label->setAttribute(Qt::WA_TranslucentBackground);
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, colour);
  label->setPalette(palette);
}

TURLLabel* NewDonationLink(QWidget* parent, const QPoint& at, const QColor& highlight) {
  auto* link = new TURLLabel(parent);
  link->move(at);
  QFont font = DialogFont(8);
  font.setUnderline(true);
  link->setFont(font);
  StandOnPicture(link, highlight);
  link->setText(QCoreApplication::translate("WindowLinks", DonationText));
  link->adjustSize();
  return link;
}

QString VersionText() {
  //: %1 is the version number.
  return QCoreApplication::translate("WindowLinks", "Version %1").arg(ProgramVersion());
}
