#include "PlsqlUnit.h"

#include <initializer_list>

#include "ScriptLexer.h"

namespace {

// A keyword and its length, known when the program is built.
struct Keyword {
  template <std::size_t N>
  constexpr Keyword(const char (&word)[N]) : text(word), length(N - 1) {}  // NOLINT: literals convert
  const char* text;
  std::size_t length;
};

// Reads a statement's leading keywords one by one.
class Keywords {
 public:
  Keywords(const std::string& text, std::size_t at) : text_(text) { MoveTo(at); }

  // Takes the next word when it is one of `words`.
  bool Take(std::initializer_list<Keyword> words) {
    for (const Keyword& word : words) {
      if (Is(word)) {
        end_ = wordEnd_;
        MoveTo(SkipBlanksAndComments(text_, wordEnd_));
        return true;
      }
    }
    return false;
  }

  // Where the last word taken ends.
  std::size_t End() const { return end_; }

 private:
  void MoveTo(std::size_t at) {
    at_ = at;
    wordEnd_ = WordEnd(text_, at);
  }

  bool Is(const Keyword& word) const {
    if (wordEnd_ - at_ != word.length) return false;
    for (std::size_t k = 0; k < word.length; ++k) {
      if (UpperAscii(text_[at_ + k]) != word.text[k]) return false;
    }
    return true;
  }

  const std::string& text_;
  std::size_t at_ = 0;
  std::size_t wordEnd_ = 0;
  std::size_t end_ = 0;
};

const std::initializer_list<Keyword> kStoredKinds = {"PROCEDURE", "FUNCTION", "PACKAGE", "TRIGGER", "TYPE", "LIBRARY"};

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
  if (words.Take({"CREATE"})) {
    kind = CreatedKind(words);
  } else if (words.Take({"DECLARE", "BEGIN"})) {
    kind = UnitKind::Plsql;
  } else if (words.Take({"WITH"})) {
    kind = words.Take({"FUNCTION", "PROCEDURE"}) ? UnitKind::Plsql : UnitKind::None;
  }
  body = words.End();
  return kind;
}
