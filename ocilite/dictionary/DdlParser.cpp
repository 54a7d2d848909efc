#include "dictionary/DdlParser.h"

#include <cstdlib>

namespace ocilite {

namespace {

// A cursor over significant tokens; every read failure records where the statement went wrong.
class Reader {
 public:
  Reader(const std::vector<Token>& t, OraError& error) : t_(t), error_(error) {}

  bool AtEnd() const { return i_ >= t_.size(); }
  bool Peek(const char* word) const { return !AtEnd() && t_[i_].IsWord(word); }
  bool Accept(const char* word) {
    if (!Peek(word)) return false;
    ++i_;
    return true;
  }
  bool AcceptSymbol(char symbol) {
    if (AtEnd() || !t_[i_].IsSymbol(symbol)) return false;
    ++i_;
    return true;
  }
  bool Expect(const char* word) { return Accept(word) || Fail(); }
  void SkipCreateModifiers() {
    Accept("CREATE");
    if (Accept("OR")) Accept("REPLACE");
    Accept("EDITIONABLE") || Accept("NONEDITIONABLE");
  }

  bool Name(std::string& name) {
    if (AtEnd() || (t_[i_].kind != TokenKind::Word && t_[i_].kind != TokenKind::Quoted)) return Fail();
    name = IdentifierName(t_[i_++]);
    return true;
  }
  bool QualifiedName(ObjectName& name) {
    if (!Name(name.name)) return false;
    if (!AcceptSymbol('.')) return true;
    name.owner = name.name;
    return Name(name.name);
  }
  // A name with dots and @ kept whole, as database link names are written.
  bool DottedName(std::string& name) {
    if (!Name(name)) return false;
    while (AcceptSymbol('.')) {
      std::string part;
      if (!Name(part)) return false;
      name += "." + part;
    }
    return true;
  }
  bool Integer(int64_t& value) {
    bool negative = AcceptSymbol('-');
    if (AtEnd() || t_[i_].kind != TokenKind::Number) return Fail();
    value = std::strtoll(std::string(t_[i_++].text).c_str(), nullptr, 10);
    if (negative) value = -value;
    return true;
  }
  bool StringLiteral(std::string& text) {
    if (AtEnd() || t_[i_].kind != TokenKind::String) return Fail();
    std::string_view quoted = t_[i_++].text;
    text = std::string(quoted.substr(1, quoted.size() - 2));
    return true;
  }
  std::string Word() { return AtEnd() || t_[i_].kind != TokenKind::Word ? std::string() : ToUpper(t_[i_++].text); }
  bool End() { return AtEnd() || Fail(); }
  bool Fail() {
    size_t offset = AtEnd() ? (t_.empty() ? 0 : t_.back().offset + t_.back().length) : t_[i_].offset;
    error_ = MakeOraError(AtEnd() ? 900 : 933, "", offset);
    return false;
  }
  // Skips tokens up to (not past) the first of the given words; false at the end.
  bool SkipTo(const std::vector<const char*>& words) {
    for (; !AtEnd(); ++i_) {
      for (const char* word : words) {
        if (t_[i_].IsWord(word)) return true;
      }
    }
    return false;
  }
  size_t Position() const { return i_; }
  const Token& At(size_t i) const { return t_[i]; }

 private:
  const std::vector<Token>& t_;
  OraError& error_;
  size_t i_ = 0;
};

bool SequenceOption(Reader& r, SequenceDefinition& definition) {
  if (r.Accept("START")) {
    definition.startGiven = true;
    return r.Expect("WITH") && r.Integer(definition.start);
  }
  if (r.Accept("INCREMENT")) return r.Expect("BY") && r.Integer(definition.increment);
  if (r.Accept("MINVALUE")) return r.Integer(definition.minValue);
  if (r.Accept("MAXVALUE")) return r.Integer(definition.maxValue);
  if (r.Accept("CACHE")) return r.Integer(definition.cache);
  if (r.Accept("NOCACHE")) {
    definition.cache = 0;
  } else if (r.Accept("CYCLE")) {
    definition.cycle = true;
  } else if (r.Accept("ORDER")) {
    definition.order = true;
  } else if (!(r.Accept("NOCYCLE") || r.Accept("NOORDER") || r.Accept("NOMINVALUE") || r.Accept("NOMAXVALUE"))) {
    return r.Fail();
  }
  return true;
}

// BEFORE INSERT OR UPDATE OF SAL ON EMP FOR EACH ROW WHEN (...), up to the body.
bool TriggerHeader(Reader& r, TriggerDefinition& definition) {
  if (r.Accept("INSTEAD")) {
    if (!r.Expect("OF")) return false;
    definition.timing = "INSTEAD OF";
  } else if (r.Peek("BEFORE") || r.Peek("AFTER")) {
    definition.timing = r.Word();
  } else {
    return r.Fail();
  }
  do {
    if (!r.Peek("INSERT") && !r.Peek("UPDATE") && !r.Peek("DELETE")) return r.Fail();
    std::string event = r.Word();
    definition.events += (definition.events.empty() ? "" : " OR ") + event;
    if (event == "UPDATE" && r.Accept("OF") && !r.SkipTo({"ON", "OR"})) return r.Fail();
  } while (r.Accept("OR"));
  if (!r.Expect("ON") || !r.QualifiedName(definition.table)) return false;
  if (r.SkipTo({"FOR", "WHEN", "BEGIN", "DECLARE", "CALL"}) && r.Accept("FOR")) {
    definition.forEachRow = r.Expect("EACH") && r.Expect("ROW");
    if (!definition.forEachRow) return false;
  }
  if (r.Peek("WHEN")) {
    size_t from = r.Position() + 1;
    r.SkipTo({"BEGIN", "DECLARE", "CALL"});
    for (size_t i = from; i < r.Position(); ++i)
      definition.whenClause += (i > from ? " " : "") + std::string(r.At(i).text);
  }
  return true;
}

}  // namespace

bool ParseCreateSequence(const std::vector<Token>& t, SequenceDefinition& definition, OraError& error) {
  Reader r(t, error);
  r.SkipCreateModifiers();
  if (!r.Expect("SEQUENCE") || !r.QualifiedName(definition.name)) return false;
  while (!r.AtEnd()) {
    if (!SequenceOption(r, definition)) return false;
  }
  if (!definition.startGiven) definition.start = definition.increment > 0 ? definition.minValue : definition.maxValue;
  return true;
}

bool ParseCreateSynonym(const std::vector<Token>& t, SynonymDefinition& definition, OraError& error) {
  Reader r(t, error);
  r.SkipCreateModifiers();
  definition.isPublic = r.Accept("PUBLIC");
  if (!r.Expect("SYNONYM") || !r.QualifiedName(definition.name) || !r.Expect("FOR") ||
      !r.QualifiedName(definition.target)) {
    return false;
  }
  if (r.AcceptSymbol('@') && !r.DottedName(definition.dbLink)) return false;
  return r.End();
}

bool ParseCreateDbLink(const std::vector<Token>& t, DbLinkDefinition& definition, OraError& error) {
  Reader r(t, error);
  r.SkipCreateModifiers();
  definition.isPublic = r.Accept("PUBLIC");
  if (!r.Expect("DATABASE") || !r.Expect("LINK") || !r.DottedName(definition.name)) return false;
  if (r.Accept("CONNECT")) {
    std::string password;
    if (!r.Expect("TO") || !r.Name(definition.user) || !r.Expect("IDENTIFIED") || !r.Expect("BY") ||
        !r.Name(password)) {
      return false;
    }
  }
  if (r.Accept("USING") && !r.StringLiteral(definition.host)) return false;
  return r.End();
}

bool ParseCreateUnit(const std::vector<Token>& t, UnitDefinition& definition, OraError& error) {
  Reader r(t, error);
  r.SkipCreateModifiers();
  definition.type = r.Word();
  if ((definition.type == "PACKAGE" || definition.type == "TYPE") && r.Accept("BODY")) definition.type += " BODY";
  if (!r.QualifiedName(definition.name)) return false;
  return definition.type != "TRIGGER" || TriggerHeader(r, definition.trigger);
}

bool ParseDrop(const std::vector<Token>& t, DropDefinition& definition, OraError& error) {
  Reader r(t, error);
  r.Expect("DROP");
  definition.isPublic = r.Accept("PUBLIC");
  definition.type = r.Word();
  if (definition.type == "DATABASE") {
    if (!r.Expect("LINK")) return false;
    definition.type = "DATABASE LINK";
    return r.DottedName(definition.name.name) && r.End();
  }
  if ((definition.type == "PACKAGE" || definition.type == "TYPE") && r.Accept("BODY")) definition.type += " BODY";
  if (!r.QualifiedName(definition.name)) return false;
  r.Accept("FORCE");
  return r.End();
}

}  // namespace ocilite
