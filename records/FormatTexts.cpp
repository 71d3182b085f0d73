#include "FormatTexts.h"

#include <QCoreApplication>
#include <QStringDecoder>

namespace {

// A file's text as it stands: a byte order mark in it is shown too, and
// bytes that are no UTF-8 (a character cut off at the end too) read as the
// replacement character.
QString FileText(const std::string& bytes) {
  QStringDecoder decode(QStringDecoder::Utf8,
                        QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
  return decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

}  // namespace

QString FormatMessageText(const TFormatMessage& message) {
  if (message.empty()) return {};
  QString text = message.Count
                     ? QCoreApplication::translate(message.Context, message.Source, "", *message.Count)
                     : QCoreApplication::translate(message.Context, message.Source);
  // One value at a time, each for the lowest placeholder left.
  for (const TFormatArg& arg : message.Args) {
    if (arg.IsMessage())
      text = text.arg(FormatMessageText(arg.Message.front()));
    else if (arg.IsNumber)
      text = text.arg(arg.Number);
    else
      text = text.arg(FileText(arg.Text));
  }
  return text;
}
