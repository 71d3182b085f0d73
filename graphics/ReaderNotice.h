#pragma once

#include <QString>

class QWidget;

// Says text to a screen reader at once, without moving the focus: a
// notification of window's shows, which readers speak as it comes, cutting
// short what they were saying. Nothing happens while no reader listens.
void AnnounceToReaders(QWidget* window, const QString& text);
// Drops the notifications kept for readers that ask for their text later.
void ForgetReaderNotices();
