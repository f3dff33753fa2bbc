// SPDX-License-Identifier: GPL-3.0-or-later
// 设置 → 语言: the window speaks the system's language or the one chosen here, remembered and
// applied at once; the window's own captions follow.

#include <QActionGroup>
#include <QCoreApplication>
#include <QEvent>
#include <QMenu>
#include <array>
#include <optional>

#include "i18n/translators.h"
#include "ui/window/caption.h"
#include "ui/window/language_setting.h"
#include "ui/window/main_window.h"

namespace m27 {
namespace {

struct LanguageItem {
  const char* name;
  const char* caption;
  std::optional<Language> language;  // nullopt: the system's
};

constexpr std::array<LanguageItem, 3> kLanguageItems = {{
    {"language_system", QT_TRANSLATE_NOOP("m27::MainWindow", "跟随系统(&S)"), std::nullopt},
    // A language's own name, in every language.
    {"language_chinese", QT_TRANSLATE_NOOP("m27::MainWindow", "中文(&Z)"), Language::Chinese},
    {"language_english", "English(&E)", Language::English},
}};

void choose(std::optional<Language> language) {
  save_language(language);
  use_language(*QCoreApplication::instance(), language.value_or(language_of(locale_variables())));
}

}  // namespace

void MainWindow::build_language_menu(QMenu* menu) {
  auto* group = new QActionGroup(menu);
  const std::optional<Language> saved = saved_language();
  for (const LanguageItem& item : kLanguageItems) {
    QAction* action = menu->addAction(QString());
    action->setObjectName(QString::fromUtf8(item.name));
    set_caption(action, item.caption);
    action->setCheckable(true);
    action->setChecked(item.language == saved);
    group->addAction(action);
    connect(action, &QAction::triggered, this, [language = item.language] { choose(language); });
  }
}

void MainWindow::retranslate() {
  retranslate_captions(this);
  render_sheet();
  ports_->show_port_state();
}

void MainWindow::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) retranslate();
  QMainWindow::changeEvent(event);
}

}  // namespace m27
