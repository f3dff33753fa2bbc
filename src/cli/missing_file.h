// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A file a command is to read that is not there, said in the user's words ("找不到文件：shop.m27")
// rather than as the system's "No such file or directory".

#include <QString>
#include <initializer_list>
#include <optional>

#include "channels/message.h"

namespace m27 {

// The refusal for the first of `files` that does not exist; nullopt when every one does (an
// empty name stands for no file and is passed over).
std::optional<Message> missing_file(std::initializer_list<QString> files);

}  // namespace m27
