// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The window speaks Chinese everywhere, also where Qt draws its own texts: the file dialogs,
// the standard buttons of the message boxes and the text boxes' edit menus.

class QCoreApplication;

namespace m27 {

// Installs Qt's own zh_CN translations (qtbase_zh_CN.qm from Qt's translations folder) in
// `app`, whatever the system's locale. False when the file is not there: Qt's texts stay
// English, everything else works.
bool install_qt_chinese(QCoreApplication& app);

}  // namespace m27
