#pragma once
// Internal: ANSI texts of the programs to and from Qt strings.
#include <QString>
#include <string>
#include <string_view>

#include "platform/text.h"

namespace ui::detail {

inline QString toQt(std::string_view ansi) { return QString::fromStdString(win::toUtf8(ansi)); }

// Characters Windows-1252 cannot hold become "?", as the original platform shows them.
inline std::string fromQt(const QString& text) {
  std::string utf8 = text.toStdString();
  if (auto ansi = win::toAnsi(utf8)) return *ansi;
  std::string out;
  for (QChar c : text) {
    auto one = win::toAnsi(QString(c).toStdString());
    out += one ? *one : std::string("?");
  }
  return out;
}

// Line breaks: CR LF in the programs, LF in Qt.
inline QString toQtLines(std::string_view ansi) { return toQt(ansi).replace("\r\n", "\n").replace('\r', '\n'); }
inline std::string fromQtLines(const QString& text) {
  QString t = text;
  return fromQt(t.replace('\n', "\r\n"));
}

}  // namespace ui::detail
