// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// `progress_window`, the progress window of the read and write transfers (`ProgressBar1`, its
// range each transfer's own count of steps). Closing it by its title bar gives the controls back
// as at the end of a transfer and lets the running transfer know (`query_unload`).

#include <QWidget>

class QProgressBar;

namespace m27 {

class ProgressWindow : public QWidget {
  Q_OBJECT

 public:
  explicit ProgressWindow(QWidget* parent);

  QProgressBar* bar() const { return bar_; }

 signals:
  // The window is being closed (by its title bar, or with the program): a running transfer
  // stops here.
  void query_unload();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  QProgressBar* bar_;
};

}  // namespace m27
