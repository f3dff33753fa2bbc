// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the window remembers things between runs: ~/.config/m27/m27.ini.

#include <QObject>
#include <QSettings>

namespace m27 {

QSettings program_settings();

// Writes `value` under `key` into the file at once.
void store_setting(const QString& key, const QVariant& value);

// Tells, once a run, that the settings file cannot be written, so that nothing the window means
// to remember is lost in silence.
class SettingsFailure : public QObject {
  Q_OBJECT

 public:
  void tell(const QString& file);

 signals:
  void failed(const QString& file);

 private:
  bool told_ = false;
};
SettingsFailure& settings_failure();

}  // namespace m27
