// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A filled circle with a dark outline, the charge lamp of the test-mode dialog.

#include <QWidget>
#include <cstdint>

namespace m27 {

class Lamp : public QWidget {
  Q_OBJECT

 public:
  Lamp(const char* name, std::uint32_t fill_colour, QWidget* parent);

  // 0x00BBGGRR.
  void set_fill_colour(std::uint32_t bgr);
  std::uint32_t fill_colour() const { return fill_colour_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::uint32_t fill_colour_;
};

}  // namespace m27
