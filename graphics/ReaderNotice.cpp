#include "ReaderNotice.h"

#include <QAccessible>
#include <QAccessibleInterface>
#include <QList>
#include <QPointer>
#include <QWidget>
#include <QWindow>

namespace {

// An announcement: a notification that shows.
class TNoticeAccessible : public QAccessibleInterface {
 public:
  TNoticeAccessible(QWidget* window, QString text) : Window(window), Text(std::move(text)) {}
  bool isValid() const override { return !Window.isNull(); }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override { return Window ? Window->windowHandle() : nullptr; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  QAccessibleInterface* parent() const override {
    return Window ? QAccessible::queryAccessibleInterface(Window.data()) : nullptr;
  }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QString text(QAccessible::Text t) const override { return t == QAccessible::Name ? Text : QString(); }
  void setText(QAccessible::Text, const QString&) override {}
  QRect rect() const override { return {}; }
  QAccessible::Role role() const override { return QAccessible::Notification; }
  QAccessible::State state() const override { return {}; }

 private:
  QPointer<QWidget> Window;
  const QString Text;
};

// The last announcements: each is an object of its own, so a reader that
// asks for its text later still gets it.
QList<QAccessible::Id>& Notices() {
  static QList<QAccessible::Id> notices;
  return notices;
}

}  // namespace

void AnnounceToReaders(QWidget* window, const QString& text) {
  if (!window || text.isEmpty() || !QAccessible::isActive()) return;
  auto* notice = new TNoticeAccessible(window, text);
  Notices().append(QAccessible::registerAccessibleInterface(notice));
  while (Notices().size() > 16) QAccessible::deleteAccessibleInterface(Notices().takeFirst());
  QAccessibleEvent event(notice, QAccessible::ObjectShow);
  QAccessible::updateAccessibility(&event);
}

void ForgetReaderNotices() {
  for (const QAccessible::Id id : Notices()) QAccessible::deleteAccessibleInterface(id);
  Notices().clear();
}
