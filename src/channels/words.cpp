// SPDX-License-Identifier: GPL-3.0-or-later
#include "channels/words.h"

namespace m27 {

Words Words::arg(std::string data) const& { return with(Argument{std::move(data)}); }

Words Words::arg(Words words) const& { return with(Argument{std::move(words)}); }

Words Words::with(Argument argument) const& {
  Words filled = *this;
  filled.arguments.push_back(std::move(argument));
  return filled;
}

std::string fill_in(std::string_view text, const std::vector<std::string>& values) {
  std::string filled;
  std::size_t i = 0;
  while (i < text.size()) {
    std::size_t number = 0;
    std::size_t end = i + 1;
    while (text[i] == '%' && end < text.size() && end < i + 3 && text[end] >= '0' &&
           text[end] <= '9') {
      number = number * 10 + static_cast<std::size_t>(text[end] - '0');
      ++end;
    }
    if (number >= 1 && number <= values.size()) {
      filled += values[number - 1];
      i = end;
    } else {
      filled += text[i++];
    }
  }
  return filled;
}

std::string said(const Words& words, const std::function<std::string(const Words&)>& template_of) {
  std::vector<std::string> values;
  values.reserve(words.arguments.size());
  for (const Words::Argument& argument : words.arguments) {
    if (const auto* number = std::get_if<std::int64_t>(&argument.value)) {
      values.push_back(std::to_string(*number));
    } else if (const auto* data = std::get_if<std::string>(&argument.value)) {
      values.push_back(*data);
    } else {
      values.push_back(said(std::get<Words>(argument.value), template_of));
    }
  }
  std::string text = template_of(words);
  if (words.count) {
    const std::string count = std::to_string(*words.count);
    for (auto at = text.find("%n"); at != std::string::npos; at = text.find("%n", at)) {
      text.replace(at, 2, count);
      at += count.size();
    }
  }
  return fill_in(text, values);
}

std::string source_text(const Words& words) {
  return said(words, [](const Words& w) { return std::string(w.text); });
}

namespace {

Words attention_title() { return M27_WORDS("message", "注意"); }

}  // namespace

Notice attention(Words text) {
  return {std::move(text), attention_title(), MessageIcon::Exclamation};
}

Message attention(std::string text) {
  return {std::move(text), source_text(attention_title()), MessageIcon::Exclamation};
}

}  // namespace m27
