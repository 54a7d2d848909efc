#include "Substitution.h"

#include "ScriptLexer.h"

namespace {

std::string UpperName(const std::string& name) {
  std::string upper = name;
  for (char& c : upper) c = UpperAscii(c);
  return upper;
}

bool IsNameByte(char c) { return IsWordByte(c); }

bool IsCommentAt(const std::string& text, std::size_t at) {
  return at + 1 < text.size() && ((text[at] == '-' && text[at + 1] == '-') || (text[at] == '/' && text[at + 1] == '*'));
}

// Walks the typed text once, copying it to the sent text and replacing each reference.
class Substituter {
 public:
  Substituter(const std::string& text, SubstitutionSession& session, const SubstitutionAsker& ask)
      : text_(text), session_(session), ask_(ask) {}

  SubstitutedText Run() {
    std::size_t literalEnd = 0;  // a comment opener inside a literal is text
    for (std::size_t at = 0; at < text_.size() && out_.complete;) {
      const char c = text_[at];
      if (at >= literalEnd && IsCommentAt(text_, at)) {
        const std::size_t end = MaskedEnd(text_, at);
        out_.text.append(text_, at, end - at);
        at = end;
        continue;
      }
      if (at >= literalEnd && MayOpenMasked(c)) literalEnd = MaskedEnd(text_, at);
      if (session_.escapeOn && c == session_.escapeChar && at + 1 < text_.size() &&
          text_[at + 1] == session_.defineChar) {
        out_.text += session_.defineChar;
        at += 2;
      } else if (c == session_.defineChar) {
        at = Reference(at);
      } else {
        out_.text += c;
        ++at;
      }
    }
    return out_;
  }

 private:
  // The reference at `at` replaced; returns where the text goes on.
  std::size_t Reference(std::size_t at) {
    const bool kept = at + 1 < text_.size() && text_[at + 1] == session_.defineChar;
    const std::size_t nameStart = at + (kept ? 2 : 1);
    std::size_t nameEnd = nameStart;
    while (nameEnd < text_.size() && IsNameByte(text_[nameEnd])) ++nameEnd;
    if (nameEnd == nameStart) {  // "AT & T": no name, no reference
      out_.text.append(text_, at, nameStart - at);
      return nameStart;
    }
    const std::string name = text_.substr(nameStart, nameEnd - nameStart);
    std::size_t end = nameEnd;
    if (session_.concatOn && end < text_.size() && text_[end] == session_.concatChar) ++end;
    std::string value;
    if (!Value(name, kept, value)) {
      out_.complete = false;
      out_.missingName = name;
      return text_.size();
    }
    out_.references.push_back({at, end, out_.text.size(), out_.text.size() + value.size()});
    out_.text += value;
    return end;
  }

  bool Value(const std::string& name, bool kept, std::string& value) {
    if (const std::string* known = session_.Find(name)) {
      value = *known;
      return true;
    }
    if (!ask_({EnterValueFor(name), "", false}, value)) return false;
    if (kept) session_.Define(name, value);
    return true;
  }

  const std::string& text_;
  SubstitutionSession& session_;
  const SubstitutionAsker& ask_;
  SubstitutedText out_;
};

}  // namespace

const std::string* SubstitutionSession::Find(const std::string& name) const {
  const auto found = variables.find(UpperName(name));
  return found == variables.end() ? nullptr : &found->second;
}

void SubstitutionSession::Define(const std::string& name, const std::string& value) {
  variables[UpperName(name)] = value;
}

void SubstitutionSession::Undefine(const std::string& name) { variables.erase(UpperName(name)); }

std::string EnterValueFor(const std::string& name) { return "Enter value for " + name + ":"; }

std::size_t SubstitutedText::TypedOffset(std::size_t sentOffset) const {
  std::size_t shift = 0;  // typed minus sent, for the references before the offset
  for (const SubstitutedReference& r : references) {
    if (sentOffset < r.sentStart) break;
    if (sentOffset < r.sentEnd) return std::string::npos;
    shift = r.typedEnd - r.sentEnd;
  }
  return sentOffset + shift;
}

SubstitutedText Substitute(const std::string& text, SubstitutionSession& session, const SubstitutionAsker& ask) {
  if (!session.defineOn || text.find(session.defineChar) == std::string::npos) {
    SubstitutedText unchanged;
    unchanged.text = text;
    return unchanged;
  }
  return Substituter(text, session, ask).Run();
}
