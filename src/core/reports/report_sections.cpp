#include "reports/report_sections.h"

#include "arrangements/arrangement_data.h"
#include "programs/program_data.h"
#include "programs/program_numbers.h"
#include "reports/report_text.h"
#include "sets/workspace.h"
#include "styles/style_accessors.h"

namespace tolvane {

namespace {

// label + " " + name + 5 blanks, four items to a line.
template <class LabelAndName>
std::string NameLines(int count, LabelAndName&& item) {
  std::string lines;
  for (int i = 0; i < count; ++i) {
    const auto [label, name] = item(i);
    lines += label + " " + NameColumn(name) + "     ";
    if (i % 4 == 3) lines += kCrLf;
  }
  return lines;
}

// i + ": " + name + " ", five items to a line.
template <class Records>
std::string SequenceLines(const Records& records) {
  std::string lines;
  for (int i = 0; i < kSequenceItemCount; ++i) {
    lines += std::to_string(i) + ": " + NameColumn(records[static_cast<std::size_t>(i)].Name()) + " ";
    if (i % 5 == 4) lines += kCrLf;
  }
  return lines;
}

}  // namespace

std::string SectionStart(const std::string& title, const std::string& setName) {
  return std::string(kCrLf) + title + setName + std::string(kCrLf) + std::string(kCrLf);
}

std::string SectionEnd() { return RuleLine() + std::string(kCrLf); }

std::string UserArrangementsSection(const SetStores& s, const std::string& setName) {
  return SectionStart("User ARRANGEMENTS in ", setName) + NameLines(kArrangementCount, [&](int n) {
           return std::pair(ArrangementLabel(n), ArrangementName(s.arrangements, n));
         }) +
         SectionEnd();
}

std::string UserProgramsSection(const SetStores& s, const std::string& setName) {
  return SectionStart("User PROGRAMS in ", setName) + NameLines(kUserItemCount, [&](int u) {
           return std::pair(UserProgramLabel(u), UserProgramName(s.programs, u));
         }) +
         SectionEnd();
}

std::string UserStylesSection(const SetStores& s, const std::string& setName) {
  return SectionStart("User STYLES in ", setName) + NameLines(kUserStyleCount, [&](int i) {
           return std::pair(UserStyleLabel(i), UserStyleName(s.styles, i));
         }) +
         SectionEnd();
}

std::string BackingSequencesSection(const SetStores& s, const std::string& setName) {
  return SectionStart("BACKING SEQUENCES in ", setName) + SequenceLines(s.backingSequences.records) + SectionEnd();
}

std::string SongsSection(const SetStores& s, const std::string& setName) {
  return SectionStart("SONGS in ", setName) + SequenceLines(s.songs.records) + SectionEnd();
}

}  // namespace tolvane
