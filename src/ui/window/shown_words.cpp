// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/window/shown_words.h"

#include <QCoreApplication>
#include <algorithm>
#include <array>
#include <string_view>

namespace m27 {
namespace {

constexpr const char* kContext = "m27::ShownWords";

// Every value the program itself puts into a sheet.
constexpr std::array<std::string_view, 17> kKnownData = {
    kProgramTitle,
    QT_TRANSLATE_NOOP("m27::ShownWords", "宽带"),
    QT_TRANSLATE_NOOP("m27::ShownWords", "窄带"),
    QT_TRANSLATE_NOOP("m27::ShownWords", "1:美国频率"),
    QT_TRANSLATE_NOOP("m27::ShownWords", "2:中国频率"),
    QT_TRANSLATE_NOOP("m27::ShownWords", "3:台湾频率"),
    QT_TRANSLATE_NOOP("m27::ShownWords", "4:自定义频率"),
    QT_TRANSLATE_NOOP("m27::ShownWords", "1:普通模式"),
    QT_TRANSLATE_NOOP("m27::ShownWords", "2:专业模式"),
    QT_TRANSLATE_NOOP("m27::ShownWords", "允许"),
    QT_TRANSLATE_NOOP("m27::ShownWords", "禁止"),
    QT_TRANSLATE_NOOP("m27::ShownWords", "关"),
    QT_TRANSLATE_NOOP("m27::ShownWords", "开"),
    QT_TRANSLATE_NOOP("m27::ShownWords", "美国标准"),
    QT_TRANSLATE_NOOP("m27::ShownWords", "中国标准"),
    QT_TRANSLATE_NOOP("m27::ShownWords", "台湾标准"),
    QT_TRANSLATE_NOOP("m27::ShownWords", "自定义标准"),
};

}  // namespace

QString shown_words(const QString& data) {
  const QByteArray source = data.toUtf8();
  if (std::ranges::find(kKnownData, source.toStdString()) == kKnownData.end()) return data;
  return QCoreApplication::translate(kContext, source.constData());
}

}  // namespace m27
