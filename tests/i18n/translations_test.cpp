// SPDX-License-Identifier: GPL-3.0-or-later
// Every text the user reads has its translation: the English file translates every text not
// written in English, and no Chinese text hides in the sources outside the marking macros, but
// in the files listed as holding data or not yet translated.

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

std::string contents(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// Han characters, CJK punctuation and full-width forms.
bool has_chinese(const std::string& text) {
  const auto* s = reinterpret_cast<const unsigned char*>(text.data());
  for (std::size_t i = 0; i + 2 < text.size(); ++i) {
    if ((s[i] & 0xF0) != 0xE0) continue;
    const unsigned code = (s[i] & 0x0Fu) << 12 | (s[i + 1] & 0x3Fu) << 6 | (s[i + 2] & 0x3Fu);
    if ((code >= 0x3000 && code <= 0x303F) || (code >= 0x4E00 && code <= 0x9FFF) ||
        (code >= 0xFF00 && code <= 0xFFEF)) {
      return true;
    }
  }
  return false;
}

// An entry whose source is not in the file's language must be translated, not unfinished,
// vanished or obsolete: in the English file every Chinese text, in the Chinese file every text
// with no Chinese in it (the command line's help). A source never holds "<": the file writes it
// as "&lt;".
TEST(Translations, EveryTextNotInTheFilesLanguageIsTranslated) {
  static const std::regex kEntry(R"(<source>([^<]*)</source>\s*<translation( type="\w+")?)");
  for (const auto& [file, chinese] : {std::pair{"m27_en.ts", false}, {"m27_zh_CN.ts", true}}) {
    const std::string ts = contents(fs::path(M27_SOURCE_ROOT "/translations") / file);
    int entries = 0;
    for (std::sregex_iterator e(ts.begin(), ts.end(), kEntry), end; e != end; ++e) {
      ++entries;
      const bool foreign = has_chinese((*e)[1]) != chinese;
      EXPECT_TRUE(!foreign || !(*e)[2].matched) << file << ": " << (*e)[1] << (*e)[2];
    }
    EXPECT_GT(entries, 0) << file;
  }
}

// The string literals of a source file outside comments: each one's text and where it starts.
std::vector<std::pair<std::string, std::size_t>> literals(const std::string& code) {
  std::vector<std::pair<std::string, std::size_t>> found;
  for (std::size_t i = 0; i < code.size(); ++i) {
    if (code.compare(i, 2, "//") == 0) {
      i = std::min(code.find('\n', i), code.size());
    } else if (code.compare(i, 2, "/*") == 0) {
      i = std::min(code.find("*/", i + 2), code.size()) + 1;
    } else if (code[i] == '\'' && i > 0 && std::isdigit(static_cast<unsigned char>(code[i - 1]))) {
      continue;  // a digit separator: 450'125
    } else if (code[i] == '\'' || code[i] == '"') {
      std::size_t end = i + 1;
      while (end < code.size() && code[end] != code[i]) end += code[end] == '\\' ? 2 : 1;
      if (code[i] == '"') found.emplace_back(code.substr(i + 1, end - i - 1), i);
      i = end;
    }
  }
  return found;
}

// The literal at `at` is an argument of a marking macro (or of tr()): the code before it ends
// in the macro's opening, perhaps with the context and earlier pieces of the same text.
bool marked(const std::string& code, std::size_t at) {
  static const std::regex kOpening(
      R"((M27_WORDS|M27_COUNTED_WORDS|QT_TRANSLATE_NOOP|QT_TRANSLATE_N_NOOP|QT_TR_NOOP|QT_TR_N_NOOP|\btr)\s*\(\s*("([^"\\]|\\.)*"\s*,?\s*)*$)");
  const std::size_t from = at > 400 ? at - 400 : 0;
  return std::regex_search(code.substr(from, at - from), kOpening);
}

// The files of the list: a path at the start of a line.
std::set<std::string> allowed_files() {
  const std::string list = contents(M27_SOURCE_ROOT "/tests/i18n/untranslated_files.txt");
  static const std::regex kPath(R"((^|\n)(src/[^\s#]+))");
  std::set<std::string> allowed;
  for (std::sregex_iterator p(list.begin(), list.end(), kPath), end; p != end; ++p) {
    allowed.insert((*p)[2]);
  }
  return allowed;
}

TEST(Translations, NoChineseTextOutsideTheMarkingMacros) {
  const fs::path root(M27_SOURCE_ROOT);
  std::set<std::string> allowed = allowed_files();
  for (const auto& item : fs::recursive_directory_iterator(root / "src")) {
    const std::string ext = item.path().extension().string();
    if (ext != ".cpp" && ext != ".h") continue;
    const std::string file = fs::relative(item.path(), root).generic_string();
    const std::string code = contents(item.path());
    std::string unmarked;
    for (const auto& [text, at] : literals(code)) {
      if (has_chinese(text) && !marked(code, at)) unmarked = text;
    }
    EXPECT_EQ(allowed.erase(file) > 0, !unmarked.empty())
        << file << ": \"" << unmarked << "\" is not marked, or the list names a file without one";
  }
  for (const std::string& gone : allowed) ADD_FAILURE() << gone << " is listed but not there";
}

}  // namespace
