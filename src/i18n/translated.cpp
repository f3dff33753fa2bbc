// SPDX-License-Identifier: GPL-3.0-or-later
#include "i18n/translated.h"

#include <QCoreApplication>

namespace m27 {

QString translated(const Words& words) {
  return QString::fromStdString(said(words, [](const Words& w) {
    const std::string context(w.context);
    const std::string text(w.text);
    const int count = w.count ? static_cast<int>(*w.count) : -1;
    return QCoreApplication::translate(context.c_str(), text.c_str(), nullptr, count).toStdString();
  }));
}

Message translated(const Notice& notice) {
  return {translated(notice.text).toStdString(), translated(notice.title).toStdString(),
          notice.icon};
}

}  // namespace m27
