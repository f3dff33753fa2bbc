// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "输入ID": reads ("读ID") and writes ("写ID") the radio's 32-bit
// ID, typed in decimal in the ID field. After each successful write the ID advances by one and the
// success count goes up, so a series of radios is written one click each. The ID field's
// background is the status lamp: grey while a write is being prepared, red after an input error
// or a failed write, green after a successful read or write.

#include <QColor>

#include "ui/dialogs/service_dialog.h"

class QLineEdit;
class QPushButton;

namespace m27 {

class RadioIdDialog : public ServiceDialog {
  Q_OBJECT

 public:
  explicit RadioIdDialog(ExchangeController& exchanges);

  void write_id();
  void read_id();

  // The lamp while a write is being prepared: the toolkit's colour of an inactive window (the
  // nearest to the system colour of inactive window borders).
  QColor preparing_colour() const;

 signals:
  // 读ID read `id` from the radio on the window's port.
  void id_read(const QString& id);

 protected:
  void enable_buttons() override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* id_bytes();
  void set_lamp(const QColor& colour);
  void write_finished(std::optional<std::uint32_t> written, bool ok);
  void read_finished(bool ok);

  QLineEdit* id_edit_ = nullptr;
  QLineEdit* successes_edit_ = nullptr;
  QPushButton* write_button_ = nullptr;
  QPushButton* read_button_ = nullptr;
  bool writing_ = false;
  bool reading_ = false;
};

}  // namespace m27
