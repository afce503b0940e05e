// Reading a script: every line is checked before anything runs, so that a
// typing error on line 70 does not leave 69 lines of edits half done.

#include <map>
#include <sstream>

#include "programs/program_numbers.h"
#include "item_labels.h"
#include "script.h"
#include "storage/tables.h"
#include "storage/text.h"
#include "styles/style_accessors.h"

namespace tolvane {

const char* const kScriptCommandsHelp =
    "Commands, one a line (blank lines and lines starting with # are skipped):\n"
    "  open NAME PATH                    open a Set (any of its files, or its path\n"
    "                                    without extension) under the handle NAME\n"
    "  new NAME                          a new Set from the template\n"
    "  copy|cut|paste|delete|insert NAME KIND ITEM\n"
    "  erase-bank NAME KIND BANK         BANK: A, U, D or Dr; all for bsq and song\n"
    "  undo NAME KIND\n"
    "  drag NAME KIND ITEM               then:\n"
    "  drop NAME KIND ITEM               moves within a Set, copies between Sets\n"
    "  import NAME KIND PATH             the whole kind from another Set's file\n"
    "  import-istyle NAME KIND ITEM PATH\n"
    "  export-istyle NAME KIND ITEM PATH\n"
    "  answer yes|no|cancel|ok|ITEM      the answer to the next question or\n"
    "                                    selection dialog\n"
    "  save NAME [PATH]                  save, or save as PATH (without extension)\n"
    "  close NAME\n"
    "KIND: arrangement, style, program, bsq, song. ITEM as the editor labels it:\n"
    "A11..A88, U11..U84, D11..D88, Dr7, Dr8, 0..9 for bsq and song.\n";

namespace {

const std::map<std::string, ScriptVerb> kVerbs = {
    {"open", ScriptVerb::Open},          {"new", ScriptVerb::New},
    {"copy", ScriptVerb::Copy},          {"cut", ScriptVerb::Cut},
    {"paste", ScriptVerb::Paste},        {"delete", ScriptVerb::Delete},
    {"insert", ScriptVerb::Insert},      {"erase-bank", ScriptVerb::EraseBank},
    {"undo", ScriptVerb::Undo},          {"drag", ScriptVerb::Drag},
    {"drop", ScriptVerb::Drop},          {"import", ScriptVerb::Import},
    {"import-istyle", ScriptVerb::ImportIStyle}, {"export-istyle", ScriptVerb::ExportIStyle},
    {"answer", ScriptVerb::Answer},      {"save", ScriptVerb::Save},
    {"close", ScriptVerb::Close},
};

const std::map<std::string, int> kKinds = {
    {"arrangement", kArrangement}, {"style", kStyle}, {"program", kProgram},
    {"bsq", kBackingSequence},     {"song", kSong},
};

// A user item of the kind: the number its cell or line carries, or -1.
int UserItem(int kind, const std::string& token) {
  if (kind == kBackingSequence || kind == kSong)
    return token.size() == 1 && token[0] >= '0' && token[0] <= '9' ? token[0] - '0' : -1;
  const int n = NumberOfLabel(kind, token);
  if (kind == kStyle) return UserIndexOfStyle(n) >= 0 ? n : -1;
  if (kind == kProgram) return UserIndexOfProgram(n) >= 0 ? n : -1;
  return n;
}

// An item of the bank named `bank` (its first user item), or -1.
int ItemOfBank(int kind, const std::string& bank) {
  if (kind == kBackingSequence || kind == kSong) return bank == "all" ? 0 : -1;
  for (int b = 0; b < BankCount(kind); ++b) {
    if (TrimBlanks(BankLetter(kind, b)) != bank) continue;
    for (int index = 0; index <= BankHighestIndex(kind, b); ++index)
      if (const int n = UserItem(kind, ItemLabel(kind, b, index)); n >= 0) return n;
  }
  return -1;
}

bool IsAnswer(const std::string& token) {
  if (token == "yes" || token == "no" || token == "cancel" || token == "ok") return true;
  for (int kind : {kArrangement, kStyle, kProgram})
    if (NumberOfLabel(kind, token) >= 0) return true;
  return false;
}

class LineReader {
 public:
  LineReader(int line, const std::string& text) : line_(line), in_(text) {}
  std::optional<std::string> Word() {
    std::string w;
    if (in_ >> w) return w;
    return std::nullopt;
  }
  // The rest of the line, blanks inside kept: paths may hold them.
  std::string Rest() {
    std::string rest;
    std::getline(in_, rest);
    return TrimBlanks(rest);
  }
  int line() const { return line_; }

 private:
  int line_;
  std::istringstream in_;
};

class Parser {
 public:
  std::optional<ScriptError> Line(int number, const std::string& text, std::vector<ScriptCommand>& out) {
    LineReader in(number, text);
    const auto word = in.Word();
    if (!word) return std::nullopt;
    const auto verb = kVerbs.find(*word);
    if (verb == kVerbs.end()) return Error(number, "unknown command '" + *word + "'");
    ScriptCommand c;
    c.line = number;
    c.verb = verb->second;
    if (c.verb == ScriptVerb::Answer) {
      c.answer = in.Rest();
      if (!IsAnswer(c.answer)) return Error(number, "'" + c.answer + "' is no answer (yes, no, cancel, ok or an item)");
      out.push_back(c);
      return std::nullopt;
    }
    const auto handle = in.Word();
    if (!handle) return Error(number, "a Set's handle is missing");
    c.handle = *handle;
    if (auto error = Handle(c)) return error;
    if (auto error = Operands(in, c)) return error;
    out.push_back(c);
    return std::nullopt;
  }

 private:
  static ScriptError Error(int line, const std::string& text) { return {line, text}; }

  // Handles come into being with open and new and end with close.
  std::optional<ScriptError> Handle(const ScriptCommand& c) {
    const bool opens = c.verb == ScriptVerb::Open || c.verb == ScriptVerb::New;
    const bool known = handles_.count(c.handle) > 0;
    if (opens && known) return Error(c.line, "'" + c.handle + "' is open already");
    if (!opens && !known) return Error(c.line, "unknown Set '" + c.handle + "'");
    if (opens) handles_[c.handle] = c.verb == ScriptVerb::New;
    if (c.verb == ScriptVerb::Close) handles_.erase(c.handle);
    return std::nullopt;
  }

  std::optional<ScriptError> Kind(LineReader& in, ScriptCommand& c) {
    const auto word = in.Word();
    if (!word) return Error(c.line, "the kind is missing");
    const auto kind = kKinds.find(*word);
    if (kind == kKinds.end()) return Error(c.line, "unknown kind '" + *word + "'");
    c.kind = kind->second;
    return std::nullopt;
  }

  std::optional<ScriptError> Item(LineReader& in, ScriptCommand& c) {
    const auto word = in.Word();
    if (!word) return Error(c.line, "the item is missing");
    c.item = c.verb == ScriptVerb::EraseBank ? ItemOfBank(c.kind, *word) : UserItem(c.kind, *word);
    if (c.item < 0) return Error(c.line, "no " + KindName(c.kind) + " " + (c.verb == ScriptVerb::EraseBank ? "bank " : "") + *word);
    return std::nullopt;
  }

  std::optional<ScriptError> Path(LineReader& in, ScriptCommand& c, bool required) {
    c.path = in.Rest();
    if (required && c.path.empty()) return Error(c.line, "the path is missing");
    return std::nullopt;
  }

  std::optional<ScriptError> Operands(LineReader& in, ScriptCommand& c) {
    std::optional<ScriptError> error;
    switch (c.verb) {
      case ScriptVerb::Open: error = Path(in, c, true); break;
      case ScriptVerb::New:
      case ScriptVerb::Close: break;
      case ScriptVerb::Undo: error = Kind(in, c); break;
      case ScriptVerb::Import:
        if (!(error = Kind(in, c))) error = Path(in, c, true);
        break;
      case ScriptVerb::ImportIStyle:
      case ScriptVerb::ExportIStyle:
        if (!(error = Kind(in, c)) && !(error = Item(in, c))) error = Path(in, c, true);
        if (!error && c.kind > kProgram) error = Error(c.line, "IStyle files hold Arrangements, Styles and Programs only");
        break;
      case ScriptVerb::Save:
        error = Path(in, c, false);
        if (!error && c.path.empty() && handles_[c.handle]) error = Error(c.line, "a new Set is saved with a PATH");
        if (!error && !c.path.empty()) handles_[c.handle] = false;
        break;
      default:
        if (!(error = Kind(in, c))) error = Item(in, c);
        break;
    }
    if (!error && !in.Rest().empty() && c.path.empty() && c.verb != ScriptVerb::Save)
      error = Error(c.line, "too many words");
    return error;
  }

  std::map<std::string, bool> handles_;  // handle -> a new Set not yet saved under a name
};

}  // namespace

ParsedScript ParseScript(const std::string& text) {
  ParsedScript script;
  Parser parser;
  std::istringstream in(text);
  std::string line;
  for (int number = 1; std::getline(in, line); ++number) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    const std::string trimmed = TrimBlanks(line);
    if (trimmed.empty() || trimmed[0] == '#') continue;
    if (auto error = parser.Line(number, trimmed, script.commands)) {
      script.error = error;
      script.commands.clear();
      return script;
    }
  }
  return script;
}

}  // namespace tolvane
