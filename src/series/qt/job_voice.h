// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The words a series job writes into its log, in the language in use when it started: a
// language chosen in the window while the job runs changes the window, not the log.

#include <QTranslator>
#include <memory>
#include <string>

#include "channels/words.h"
#include "i18n/language.h"

namespace m27 {

class JobVoice {
 public:
  explicit JobVoice(Language language);

  // The template in the job's language (as written when it has no translation there), its
  // count and its arguments filled in, words among them said the same way.
  std::string say(const Words& words) const;

 private:
  std::unique_ptr<QTranslator> translator_;
};

}  // namespace m27
