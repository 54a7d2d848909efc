#include "PlsqlUnit.h"

#include <initializer_list>

#include "ScriptLexer.h"

namespace {

// Reads a statement's leading keywords one by one.
class Keywords {
 public:
  Keywords(const std::string& text, std::size_t at) : text_(text), at_(at), end_(at) {}

  // Takes the next word when it is one of `words`.
  bool Take(std::initializer_list<const char*> words) {
    for (const char* word : words) {
      if (WordAt(text_, at_, word)) {
        end_ = WordEnd(text_, at_);
        at_ = SkipBlanksAndComments(text_, end_);
        return true;
      }
    }
    return false;
  }

  std::size_t End() const { return end_; }

 private:
  const std::string& text_;
  std::size_t at_;
  std::size_t end_;
};

const std::initializer_list<const char*> kStoredKinds = {"PROCEDURE", "FUNCTION", "PACKAGE",
                                                         "TRIGGER",   "TYPE",     "LIBRARY"};

UnitKind CreatedKind(Keywords& words) {
  if (words.Take({"OR"}) && !words.Take({"REPLACE"})) return UnitKind::None;
  if (words.Take({"EDITIONABLE", "NONEDITIONABLE", "EDITIONING"})) {
    return words.Take(kStoredKinds) ? UnitKind::Plsql : UnitKind::None;
  }
  if (words.Take(kStoredKinds)) return UnitKind::Plsql;
  if (words.Take({"AND"}) && !words.Take({"COMPILE", "RESOLVE"})) return UnitKind::None;
  words.Take({"NOFORCE"});
  return words.Take({"JAVA"}) && words.Take({"SOURCE", "RESOURCE", "CLASS"}) ? UnitKind::Java : UnitKind::None;
}

}  // namespace

UnitKind UnitAt(const std::string& text, std::size_t head, std::size_t& body) {
  Keywords words(text, head);
  UnitKind kind = UnitKind::None;
  if (words.Take({"DECLARE", "BEGIN"})) {
    kind = UnitKind::Plsql;
  } else if (words.Take({"WITH"})) {
    kind = words.Take({"FUNCTION", "PROCEDURE"}) ? UnitKind::Plsql : UnitKind::None;
  } else if (words.Take({"CREATE"})) {
    kind = CreatedKind(words);
  }
  body = words.End();
  return kind;
}
