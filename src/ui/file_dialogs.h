#pragma once
// The open and save dialogs of the channel files, behind an interface so a test chooses the
// file instead of a user.

#include <QString>
#include <optional>

class QWidget;

namespace m27 {

class FileDialogs {
 public:
  virtual ~FileDialogs() = default;

  // The name to save under, taken as typed (no extension added, an existing file is replaced
  // without a question); nullopt when the user cancels.
  virtual std::optional<QString> save_file_name(QWidget* parent) = 0;

  // An existing file, the dialog starting at `start`; nullopt when the user cancels.
  virtual std::optional<QString> open_file_name(QWidget* parent, const QString& start) = 0;
};

class QtFileDialogs : public FileDialogs {
 public:
  std::optional<QString> save_file_name(QWidget* parent) override;
  std::optional<QString> open_file_name(QWidget* parent, const QString& start) override;
};

}  // namespace m27
