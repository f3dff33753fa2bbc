// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/missing_file.h"

#include <QFileInfo>

#include "channels/words.h"
#include "i18n/translated.h"

namespace m27 {

std::optional<Message> missing_file(std::initializer_list<QString> files) {
  for (const QString& file : files) {
    if (file.isEmpty() || QFileInfo::exists(file)) continue;
    return translated(attention(M27_WORDS("cli", "找不到文件：%1").arg(file.toStdString())));
  }
  return std::nullopt;
}

}  // namespace m27
