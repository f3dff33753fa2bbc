// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the core says, as a value: a text template in the program's own language with its
// arguments. The faces translate the template and then fill in the arguments, so a translation
// may put them in any order; the core itself never knows the user's language.

#include <concepts>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "channels/message.h"

// Marks a template for lupdate (read as QT_TRANSLATE_NOOP) and makes it the words to say.
// `context` groups the templates in the translation files: the folder that says them.
#define M27_WORDS(context, text) (::m27::Words{context, text})
// The same for a template about a count (read as QT_TRANSLATE_N_NOOP): "%n" is the count, and a
// translation has a form for each plural its language knows. Give the count with `.counting(n)`.
#define M27_COUNTED_WORDS(context, text) (::m27::Words{context, text})

namespace m27 {

struct Words {
  // A number, a text that is data (a file's name, a line of a file: never translated), or words
  // of their own (translated, then filled into this template).
  struct Argument;

  // Defined once Argument is complete, as the members' set-up needs it.
  Words(std::string_view context, std::string_view text);

  std::string_view context;
  std::string_view text;  // "%1", "%2"... are the arguments, "%n" the count
  std::vector<Argument> arguments;
  std::optional<std::int64_t> count;

  Words arg(std::integral auto number) const&;
  Words arg(std::string data) const&;
  Words arg(Words words) const&;
  Words counting(std::integral auto n) const&;

  friend bool operator==(const Words&, const Words&) = default;

 private:
  Words with(Argument argument) const&;
};

struct Words::Argument {
  std::variant<std::int64_t, std::string, Words> value;
  friend bool operator==(const Argument&, const Argument&) = default;
};

inline Words::Words(std::string_view context, std::string_view text)
    : context(context), text(text) {}

Words Words::arg(std::integral auto number) const& {
  return with(Argument{static_cast<std::int64_t>(number)});
}

Words Words::counting(std::integral auto n) const& {
  Words counted = *this;
  counted.count = static_cast<std::int64_t>(n);
  return counted;
}

// The template with "%1".."%99" replaced by `values` in one pass, so that a value holding a
// "%2" stays as it is; a number without a value stays too.
std::string fill_in(std::string_view text, const std::vector<std::string>& values);

// The words as the program said them before it spoke other languages: the template untranslated,
// filled in. For the places that still take a text rather than words.
std::string source_text(const Words& words);

// The words said with the template `template_of` gives for them (the template itself, or its
// translation): "%n" replaced by the count, the arguments filled in, words among them said the
// same way.
std::string said(const Words& words, const std::function<std::string(const Words&)>& template_of);

// Data where words are expected: the text as it is, in every language.
inline Words as_is(std::string data) { return Words{{}, "%1"}.arg(std::move(data)); }

// A message box as the core decides it, in words.
struct Notice {
  Words text;
  Words title;
  MessageIcon icon = MessageIcon::None;
  friend bool operator==(const Notice&, const Notice&) = default;
};

// The form every refused input takes: title "注意" (attention) with the exclamation icon.
Notice attention(Words text);

}  // namespace m27
