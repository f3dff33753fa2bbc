// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The open and save dialogs of the channel files, behind an interface so a test chooses the
// file instead of a user.

#include <QString>
#include <QStringList>
#include <optional>

#include "files/csv_commands.h"

class QWidget;

namespace m27 {

class FileDialogs {
 public:
  virtual ~FileDialogs() = default;

  // The name to save under, the dialog starting at `start` (the open file, if any); a name
  // typed without an extension gets ".m27", so that the open dialog lists the file; an existing
  // file is replaced without a question. nullopt when the user cancels.
  virtual std::optional<QString> save_file_name(QWidget* parent, const QString& start) = 0;

  // An existing file, the dialog starting at `start`; nullopt when the user cancels.
  virtual std::optional<QString> open_file_name(QWidget* parent, const QString& start) = 0;

  struct CsvChoice {
    QString file;
    CsvLayout layout = CsvLayout::Grid;
  };
  // "导出CSV…": the CSV file to write (".csv" added to a name typed without an extension) and
  // its layout; nullopt when the user cancels.
  virtual std::optional<CsvChoice> csv_export_name(QWidget* parent) = 0;

  // "导入CSV…": an existing CSV file; nullopt when the user cancels.
  virtual std::optional<QString> csv_import_name(QWidget* parent) = 0;

  // "通讯记录…": the file a serial trace is appended to; nullopt when the user cancels.
  virtual std::optional<QString> trace_file_name(QWidget* parent) = 0;

  // "保存报告…" of 批量写频: the HTML file a series job's report goes into (".html" added to a
  // name typed without an extension); nullopt when the user cancels.
  virtual std::optional<QString> report_file_name(QWidget* parent) = 0;

  // "导入CSV…" of a file of `row_count` rows, more than the radio's 25 channels: the rows to
  // take, at most 25; nullopt when the user cancels.
  virtual std::optional<CsvRowRange> csv_row_range(QWidget* parent, int row_count) = 0;

  // "导入CSV…" of a file with rows this radio cannot hold, a line each ("跳过第6个：…"): true
  // for 跳过并导入, false for 取消.
  virtual bool csv_skip_rows(QWidget* parent, const QStringList& skipped) = 0;
};

class QtFileDialogs : public FileDialogs {
 public:
  std::optional<QString> save_file_name(QWidget* parent, const QString& start) override;
  std::optional<QString> open_file_name(QWidget* parent, const QString& start) override;
  std::optional<CsvChoice> csv_export_name(QWidget* parent) override;
  std::optional<QString> csv_import_name(QWidget* parent) override;
  std::optional<QString> trace_file_name(QWidget* parent) override;
  std::optional<QString> report_file_name(QWidget* parent) override;
  // csv_import_dialogs.cpp
  std::optional<CsvRowRange> csv_row_range(QWidget* parent, int row_count) override;
  bool csv_skip_rows(QWidget* parent, const QStringList& skipped) override;
};

}  // namespace m27
