#include "SessionCommands.h"

#include <vector>

#include "ClientCommands.h"
#include "ScriptLexer.h"

namespace {

// The line's words; a quoted word ('...' or "...", a doubled quote standing for one) loses
// its quotes. A hyphen that continues a line is a blank.
std::vector<std::string> Words(const std::string& line) {
  std::vector<std::string> words;
  for (std::size_t at = 0; at < line.size();) {
    if (IsBlank(line[at])) {
      ++at;
      continue;
    }
    std::string word;
    const char quote = line[at];
    if (quote == '\'' || quote == '"') {
      for (++at; at < line.size(); ++at) {
        if (line[at] == quote && !(at + 1 < line.size() && line[at + 1] == quote)) break;
        if (line[at] == quote) ++at;
        word += line[at];
      }
      ++at;
    } else {
      for (; at < line.size() && !IsBlank(line[at]); ++at) word += line[at];
    }
    words.push_back(word);
  }
  return words;
}

std::string Joined(const std::string& line) {
  std::string joined = line;
  for (std::size_t lineFeed = joined.find('\n'); lineFeed != std::string::npos;
       lineFeed = joined.find('\n', lineFeed)) {
    std::size_t hyphen = lineFeed;
    while (hyphen > 0 && IsBlank(joined[hyphen - 1])) --hyphen;
    if (hyphen > 0 && joined[hyphen - 1] == '-') joined[hyphen - 1] = ' ';
    joined[lineFeed] = ' ';
  }
  return joined;
}

bool Is(const std::vector<std::string>& words, std::size_t k, const char* name, std::size_t shortest) {
  return k < words.size() && AbbreviatesWord(words[k], name, shortest);
}

// DEFINE name = value, the value bare (its first word) or quoted; "name=value" too.
void Define(const std::string& line, std::size_t afterWord, SubstitutionSession& session) {
  const std::size_t equals = line.find('=', afterWord);
  if (equals == std::string::npos) return;  // DEFINE and DEFINE name only print
  const std::vector<std::string> names = Words(line.substr(afterWord, equals - afterWord));
  const std::vector<std::string> values = Words(line.substr(equals + 1));
  if (names.size() != 1) return;
  session.Define(names[0], values.empty() ? "" : values[0]);
}

bool IsNumber(const std::string& text) {
  std::size_t at = 0;
  while (at < text.size() && IsBlank(text[at])) ++at;
  if (at < text.size() && (text[at] == '+' || text[at] == '-')) ++at;
  std::size_t digits = 0, points = 0;
  for (; at < text.size() && ((text[at] >= '0' && text[at] <= '9') || text[at] == '.'); ++at) {
    ++(text[at] == '.' ? points : digits);
  }
  if (digits > 0 && at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
    ++at;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) ++at;
    if (at == text.size() || text[at] < '0' || text[at] > '9') return false;
    while (at < text.size() && text[at] >= '0' && text[at] <= '9') ++at;
  }
  while (at < text.size() && IsBlank(text[at])) ++at;
  return digits > 0 && points <= 1 && at == text.size();
}

// ACCEPT name [NUM[BER]|CHAR|DATE] [FOR[MAT] f] [DEF[AULT] value] [PROMPT text|NOPR[OMPT]] [HIDE]
void Accept(const std::vector<std::string>& words, SubstitutionSession& session, const SubstitutionAsker& ask,
            SessionCommandOutcome& outcome) {
  if (words.size() < 2) return;
  const std::string& name = words[1];
  SubstitutionAsk question{EnterValueFor(name), "", false};
  bool number = false;
  for (std::size_t k = 2; k < words.size(); ++k) {
    if (Is(words, k, "NUMBER", 3)) {
      number = true;
    } else if (Is(words, k, "FORMAT", 3)) {
      ++k;
    } else if (Is(words, k, "DEFAULT", 3) && k + 1 < words.size()) {
      question.initial = words[++k];
    } else if (Is(words, k, "PROMPT", 6) && k + 1 < words.size()) {
      question.prompt = words[++k];
    } else if (Is(words, k, "HIDE", 4)) {
      question.hidden = true;
    }
  }
  std::string value;
  do {
    if (!ask(question, value)) {
      outcome.complete = false;
      outcome.missingName = name;
      return;
    }
  } while (number && !IsNumber(value));
  session.Define(name, value);
}

// SET DEFINE|CONCAT|ESCAPE ON|OFF|c, several in one line; other options end the walk.
void Set(const std::vector<std::string>& words, SubstitutionSession& session) {
  for (std::size_t k = 1; k + 1 < words.size(); k += 2) {
    bool* on = nullptr;
    char* character = nullptr;
    char standard = 0;
    if (Is(words, k, "DEFINE", 3)) {
      on = &session.defineOn, character = &session.defineChar, standard = '&';
    } else if (Is(words, k, "CONCAT", 3)) {
      on = &session.concatOn, character = &session.concatChar, standard = '.';
    } else if (Is(words, k, "ESCAPE", 3)) {
      on = &session.escapeOn, character = &session.escapeChar, standard = '\\';
    } else {
      return;
    }
    const std::string& value = words[k + 1];
    if (AbbreviatesWord(value, "OFF", 3)) {
      *on = false;
    } else if (AbbreviatesWord(value, "ON", 2)) {
      *on = true, *character = standard;
    } else if (value.size() == 1 && !IsWordByte(value[0]) && !IsBlank(value[0])) {
      *on = true, *character = value[0];
    }
  }
}

SqlErrorAction Whenever(const std::vector<std::string>& words) {
  if (!Is(words, 1, "SQLERROR", 8)) return SqlErrorAction::Unchanged;
  if (Is(words, 2, "CONTINUE", 8)) return SqlErrorAction::Continue;
  if (Is(words, 2, "EXIT", 4)) return SqlErrorAction::Exit;
  return SqlErrorAction::Unchanged;
}

// Only the commands acted on here are substituted: asking for a value that nothing uses
// (in a PROMPT or REMARK line) would only hold the run up.
bool ChangesTheSession(const std::vector<std::string>& words) {
  return Is(words, 0, "DEFINE", 3) || Is(words, 0, "UNDEFINE", 5) || Is(words, 0, "ACCEPT", 3) ||
         Is(words, 0, "SET", 3) || Is(words, 0, "WHENEVER", 8);
}

}  // namespace

SessionCommandOutcome ApplySessionCommand(const std::string& line, SubstitutionSession& session,
                                          const SubstitutionAsker& ask) {
  SessionCommandOutcome outcome;
  const std::string joined = Joined(line);
  if (!ChangesTheSession(Words(joined))) return outcome;
  const SubstitutedText substituted = Substitute(joined, session, ask);
  if (!substituted.complete) {
    outcome.complete = false;
    outcome.missingName = substituted.missingName;
    return outcome;
  }
  const std::string& text = substituted.text;
  const std::vector<std::string> words = Words(text);
  if (words.empty()) return outcome;
  if (Is(words, 0, "DEFINE", 3)) {
    std::size_t afterWord = 0;
    while (IsBlank(text[afterWord])) ++afterWord;
    Define(text, WordEnd(text, afterWord), session);
  } else if (Is(words, 0, "UNDEFINE", 5)) {
    for (std::size_t k = 1; k < words.size(); ++k) session.Undefine(words[k]);
  } else if (Is(words, 0, "ACCEPT", 3)) {
    Accept(words, session, ask, outcome);
  } else if (Is(words, 0, "SET", 3)) {
    Set(words, session);
  } else if (Is(words, 0, "WHENEVER", 8)) {
    outcome.onSqlError = Whenever(words);
  }
  return outcome;
}
