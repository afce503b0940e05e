#include "storage/preset_names.h"

#include <algorithm>
#include <vector>

#include "storage/text.h"

namespace tolvane {

namespace {

// Splits text into fields the way the instrument's name lists are written:
// separated by commas or line ends; a field in double quotes may hold commas.
class FieldReader {
 public:
  explicit FieldReader(const std::string& text, std::size_t pos) : text_(text), pos_(pos) {}

  bool AtEnd() const { return pos_ >= text_.size(); }

  std::string Next() {
    SkipBlanks();
    std::string field;
    if (pos_ < text_.size() && text_[pos_] == '"') {
      ++pos_;
      while (pos_ < text_.size() && text_[pos_] != '"' && text_[pos_] != '\n') field += text_[pos_++];
      if (pos_ < text_.size() && text_[pos_] == '"') ++pos_;
      // Anything between the closing quote and the separator is not part of the value.
      while (pos_ < text_.size() && text_[pos_] != ',' && text_[pos_] != '\n') ++pos_;
    } else {
      while (pos_ < text_.size() && text_[pos_] != ',' && text_[pos_] != '\n' && text_[pos_] != '\r')
        field += text_[pos_++];
      while (!field.empty() && (field.back() == ' ' || field.back() == '\t')) field.pop_back();
    }
    SkipSeparator();
    return field;
  }

 private:
  void SkipBlanks() {
    while (pos_ < text_.size() && (text_[pos_] == ' ' || text_[pos_] == '\t')) ++pos_;
  }
  void SkipSeparator() {
    if (pos_ < text_.size() && text_[pos_] == '\r') ++pos_;
    if (pos_ < text_.size() && (text_[pos_] == ',' || text_[pos_] == '\n')) ++pos_;
  }

  const std::string& text_;
  std::size_t pos_;
};

// Position just after the first line that names the instrument.
std::size_t AfterInstrumentLine(const std::string& text) {
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    std::string line = text.substr(start, end == std::string::npos ? std::string::npos : end - start);
    if (UpperAscii(line).find("KORG-I3") != std::string::npos)
      return end == std::string::npos ? text.size() : end + 1;
    if (end == std::string::npos) break;
    start = end + 1;
  }
  return std::string::npos;
}

}  // namespace

bool ParsePresetNames(const std::string& text, PresetNames& names) {
  std::size_t pos = AfterInstrumentLine(text);
  if (pos == std::string::npos) return false;
  FieldReader reader(text, pos);
  std::vector<std::string*> targets;
  for (auto& n : names.styles) targets.push_back(&n);
  for (auto& n : names.programs) targets.push_back(&n);
  for (auto& n : names.bankC) targets.push_back(&n);
  for (auto& n : names.drumKits) targets.push_back(&n);
  for (std::string* target : targets) {
    std::string field;
    do {
      if (reader.AtEnd()) return false;
      field = reader.Next();
    } while (field.empty() || field[0] == '/');
    *target = PadOrCut(field, kNameWidth);
  }
  return true;
}

}  // namespace tolvane
