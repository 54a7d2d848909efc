#include "sql/DdlRewriter.h"

#include <cstdlib>
#include <utility>

#include "sql/DdlHead.h"
#include "sql/SqlLexer.h"
#include "sql/SqliteCalls.h"

namespace ocilite {

namespace {

class Rewriter {
 public:
  Rewriter(std::vector<Token> tokens, const DdlRewriteOptions& options)
      : options_(options), tokens_(std::move(tokens)) {
    for (size_t k = 0; k < tokens_.size(); ++k) {
      if (!tokens_[k].IsSignificant()) continue;
      significant_.push_back(k);
      significantTokens_.push_back(tokens_[k]);
    }
    skip_.assign(tokens_.size(), false);
    qualify_.assign(tokens_.size(), false);
    append_.assign(tokens_.size(), std::string());
    position_.assign(tokens_.size(), 0);
    for (size_t s = 0; s < significant_.size(); ++s) position_[significant_[s]] = s;
  }

  bool Run(Translation& out, OraError& error) {
    out_ = &out;
    ShapeDdl();
    for (size_t k = 0; k < tokens_.size(); ++k) {
      if (skip_[k]) continue;
      if (!TranslateToken(k, error)) return false;
      if (!append_[k].empty()) Emit(append_[k], tokens_[k]);
    }
    return true;
  }

 private:
  const Token& Sig(size_t s) const { return tokens_[significant_[s]]; }
  bool HasSig(size_t s) const { return s < significant_.size(); }
  bool SigIsWord(size_t s, const char* word) const { return HasSig(s) && Sig(s).IsWord(word); }
  bool SigIsSymbol(size_t s, char symbol) const { return HasSig(s) && Sig(s).IsSymbol(symbol); }
  bool PrevSigIsSymbol(size_t s, char symbol) const { return s > 0 && Sig(s - 1).IsSymbol(symbol); }
  bool PrevSigIsWord(size_t s, const char* word) const { return s > 0 && Sig(s - 1).IsWord(word); }

  void Emit(std::string_view text, const Token& from) {
    out_->anchors.push_back({out_->sql.size(), from.offset, from.length});
    out_->sql += text;
  }
  std::string SchemaPrefix() const { return "\"" + options_.schema + "\"."; }

  // CREATE/DROP/ALTER of a table, view or index: the object's name goes into the
  // logged-in schema unless the statement names one.
  void ShapeDdl() {
    size_t nameAt = 0;
    if (SigIsWord(0, "CREATE")) {
      DdlHead head = ReadDdlHead(significantTokens_);
      if (head.isPublic || head.otherModifiers || !HasSig(head.objectAt) || !IsSqlObjectWord(Sig(head.objectAt)))
        return;
      nameAt = head.objectAt + 1;
      if (Sig(head.objectAt).IsWord("TABLE")) {
        CheckColumns(nameAt + 1);
        NameConstraints(nameAt + 1);
        if (head.GlobalTemporary()) DropTemporaryWords(head.globalAt, nameAt + 1);
      }
      if (head.orReplace) ReplaceView(nameAt);
    } else if (SigIsWord(0, "DROP") || SigIsWord(0, "ALTER")) {
      if (!(SigIsWord(1, "TABLE") || SigIsWord(1, "VIEW") || SigIsWord(1, "INDEX"))) return;
      nameAt = SigIsWord(2, "IF") && SigIsWord(3, "EXISTS") ? 4 : 2;
      if (SigIsWord(0, "DROP")) SkipDropOptions();
    } else {
      return;
    }
    if (HasSig(nameAt) && !SigIsSymbol(nameAt + 1, '.')) qualify_[significant_[nameAt]] = true;
  }

  // A global temporary table is an ordinary one here: GLOBAL TEMPORARY and its ON COMMIT
  // DELETE|PRESERVE ROWS go, and its rows stay as any table's.
  void DropTemporaryWords(size_t globalAt, size_t from) {
    skip_[significant_[globalAt]] = skip_[significant_[globalAt + 1]] = true;
    int depth = 0;
    for (size_t s = from; s + 3 < significant_.size() && !(depth == 0 && Sig(s).IsWord("AS")); ++s) {
      depth += SigIsSymbol(s, '(') ? 1 : SigIsSymbol(s, ')') ? -1 : 0;
      bool onCommit = depth == 0 && Sig(s).IsWord("ON") && Sig(s + 1).IsWord("COMMIT") &&
                      (Sig(s + 2).IsWord("DELETE") || Sig(s + 2).IsWord("PRESERVE")) && Sig(s + 3).IsWord("ROWS");
      if (onCommit) {
        for (size_t k = s; k < s + 4; ++k) skip_[significant_[k]] = true;
      }
    }
  }

  // SQLite keeps text of any length in a VARCHAR2(n) column and any number in a NUMBER(p,s)
  // one, and lets a primary key column hold NULL; CHECKs and NOT NULL make it refuse, as
  // Oracle does, what would not fit (and would come back cut short).
  void CheckColumns(size_t from) {
    for (size_t s = from; s + 1 < significant_.size() && !Sig(s).IsWord("AS"); ++s) {
      if (Sig(s).IsWord("PRIMARY") && Sig(s + 1).IsWord("KEY") && !SigIsSymbol(s + 2, '(')) {
        append_[significant_[s + 1]] = " NOT NULL";
      }
    }
    for (size_t s = from; s + 3 < significant_.size() && !Sig(s).IsWord("AS"); ++s) {
      CheckPrecision(s);
      const Token& type = Sig(s + 1);
      bool character = type.IsWord("VARCHAR2") || type.IsWord("VARCHAR") || type.IsWord("CHAR") ||
                       type.IsWord("NVARCHAR2") || type.IsWord("NCHAR");
      bool named = Sig(s).kind == TokenKind::Word || Sig(s).kind == TokenKind::Quoted;
      if (!character || !named || !SigIsSymbol(s + 2, '(') || Sig(s + 3).kind != TokenKind::Number) continue;
      size_t close = SigIsWord(s + 4, "BYTE") || SigIsWord(s + 4, "CHAR") ? s + 5 : s + 4;
      if (!SigIsSymbol(close, ')')) continue;
      append_[significant_[close]] =
          " CHECK (length(" + QuotedName(Sig(s)) + ") <= " + std::string(Sig(s + 3).text) + ")";
      if (close != s + 4) skip_[significant_[s + 4]] = true;  // VARCHAR2(10 BYTE): SQLite takes no unit
    }
  }

  // Every constraint of a new table carries the name Oracle shows for it: the one written, or a
  // SYS_Cn one, so that the dictionary and the error texts can name it.
  void NameConstraints(size_t from) {
    if (!options_.constraintName) return;
    int depth = 0;
    bool foreignKey = false;  // its REFERENCES belongs to the FOREIGN KEY clause, named already
    for (size_t s = from; s < significant_.size() && !(depth == 0 && Sig(s).IsWord("AS")); ++s) {
      depth += SigIsSymbol(s, '(') ? 1 : SigIsSymbol(s, ')') ? -1 : 0;
      if (depth != 1) continue;
      if (SigIsSymbol(s, ',')) foreignKey = false;
      const Token& word = Sig(s);
      bool starts = word.IsWord("PRIMARY") || word.IsWord("UNIQUE") || word.IsWord("CHECK") || word.IsWord("FOREIGN") ||
                    (word.IsWord("REFERENCES") && !foreignKey) || (word.IsWord("NOT") && SigIsWord(s + 1, "NULL"));
      foreignKey = foreignKey || word.IsWord("FOREIGN");
      if (starts && s > from && !(s >= 2 && Sig(s - 2).IsWord("CONSTRAINT"))) {
        append_[significant_[s - 1]] += " CONSTRAINT " + options_.constraintName();
      }
    }
  }

  // NAME NUMBER(p[,s]) at `s`: no more than p-s digits before the point once rounded to s places.
  void CheckPrecision(size_t s) {
    bool named = Sig(s).kind == TokenKind::Word || Sig(s).kind == TokenKind::Quoted;
    if (!named || !Sig(s + 1).IsWord("NUMBER") || !SigIsSymbol(s + 2, '(') || Sig(s + 3).kind != TokenKind::Number)
      return;
    int precision = std::atoi(std::string(Sig(s + 3).text).c_str());
    int scale = 0;
    size_t close = s + 4;
    if (SigIsSymbol(close, ',') && HasSig(close + 1) && Sig(close + 1).kind == TokenKind::Number) {
      scale = std::atoi(std::string(Sig(close + 1).text).c_str());
      close += 2;
    }
    if (!SigIsSymbol(close, ')') || precision - scale < 1) return;
    append_[significant_[close]] = " CHECK (round(abs(" + QuotedName(Sig(s)) + "), " + std::to_string(scale) +
                                   ") < 1e" + std::to_string(precision - scale) + ")";
  }

  // SQLite has no CREATE OR REPLACE VIEW: drop the old view first, in the same text.
  void ReplaceView(size_t nameAt) {
    if (!SigIsWord(nameAt - 1, "VIEW") || !HasSig(nameAt)) return;
    skip_[significant_[1]] = skip_[significant_[2]] = true;
    std::string name = SigIsSymbol(nameAt + 1, '.') && HasSig(nameAt + 2)
                           ? QuotedName(Sig(nameAt)) + "." + QuotedName(Sig(nameAt + 2))
                           : SchemaPrefix() + QuotedName(Sig(nameAt));
    Emit("DROP VIEW IF EXISTS " + name + ";\n", Sig(0));
  }

  static std::string QuotedName(const Token& token) { return "\"" + IdentifierName(token) + "\""; }

  // Oracle's DROP TABLE ... CASCADE CONSTRAINTS and PURGE have no SQLite counterpart.
  void SkipDropOptions() {
    size_t last = significant_.size();
    if (last >= 1 && Sig(last - 1).IsWord("PURGE")) skip_[significant_[--last]] = true;
    if (last >= 2 && Sig(last - 2).IsWord("CASCADE") && Sig(last - 1).IsWord("CONSTRAINTS")) {
      skip_[significant_[last - 1]] = skip_[significant_[last - 2]] = true;
    }
  }

  bool TranslateToken(size_t k, OraError& error) {
    const Token& token = tokens_[k];
    switch (token.kind) {
      case TokenKind::Bad: error = MakeOraError(token.text[0] == '\'' ? 1756 : 911, "", token.offset); return false;
      case TokenKind::Symbol:
        if (token.IsSymbol(';')) {
          error = MakeOraError(911, "", token.offset);
          return false;
        }
        Emit(token.text, token);
        return true;
      case TokenKind::Word: return TranslateWord(k, error);
      case TokenKind::Quoted:
        Emit(qualify_[k] ? SchemaPrefix() + std::string(token.text) : std::string(token.text), token);
        return true;
      default: Emit(token.text, token); return true;
    }
  }

  bool TranslateWord(size_t k, OraError& error) {
    const Token& token = tokens_[k];
    size_t s = position_[k];
    std::string upper = ToUpper(token.text);
    bool qualified = PrevSigIsSymbol(s, '.') || SigIsSymbol(s + 1, '.');
    if (!PrevSigIsSymbol(s, '.') && IsHidden(upper)) {
      error = MakeOraError(942, "", token.offset);
      return false;
    }
    if ((upper == "DATE" || upper == "TIMESTAMP") && HasSig(s + 1) && Sig(s + 1).kind == TokenKind::String) {
      return true;  // a DATE '...' literal is its text
    }
    if (TranslateSequenceReference(s)) return true;
    bool asDefault = PrevSigIsWord(s, "DEFAULT");
    if (((upper == "SYSDATE" || upper == "SYSTIMESTAMP") && !qualified) || (upper == "USER" && IsBareUser(s))) {
      std::string call = PseudoColumnCall(upper);
      Emit(asDefault ? "(" + call + ")" : call, token);
    } else if (IsSqliteOnlyKeyword(upper) && (PrevSigIsSymbol(s, ',') || PrevSigIsSymbol(s, '.'))) {
      Emit("\"" + upper + "\"", token);  // a column name to Oracle, a keyword to SQLite
    } else {
      // Oracle's names may hold '#' (STATISTIC#); SQLite's only when quoted.
      std::string name = upper.find('#') == std::string::npos ? upper : "\"" + upper + "\"";
      Emit(qualify_[k] ? SchemaPrefix() + name : name, token);
    }
    return true;
  }

  bool IsHidden(const std::string& upper) const { return IsHiddenName(upper, options_.isDba); }

  static bool IsSqliteOnlyKeyword(const std::string& upper) {
    return upper == "DEFERRABLE" || upper == "NOTHING" || upper == "TRANSACTION";
  }

  bool IsBareUser(size_t s) const {
    return !PrevSigIsSymbol(s, '.') && !SigIsSymbol(s + 1, '.') && !SigIsSymbol(s + 1, '(') &&
           !PrevSigIsWord(s, "CREATE") && !PrevSigIsWord(s, "ALTER") && !PrevSigIsWord(s, "DROP");
  }

  // name.NEXTVAL, owner.name.NEXTVAL and the same with CURRVAL become calls of our functions.
  bool TranslateSequenceReference(size_t s) {
    if (PrevSigIsSymbol(s, '.')) return false;
    size_t pseudo = 0;
    std::string owner;
    std::string name;
    if (SigIsSymbol(s + 1, '.') && IsSequencePseudo(s + 2)) {
      name = IdentifierName(Sig(s));
      pseudo = s + 2;
    } else if (SigIsSymbol(s + 1, '.') && HasSig(s + 2) && SigIsSymbol(s + 3, '.') && IsSequencePseudo(s + 4)) {
      owner = IdentifierName(Sig(s));
      name = IdentifierName(Sig(s + 2));
      pseudo = s + 4;
    } else {
      return false;
    }
    Emit(SequenceCall(Sig(pseudo).IsWord("NEXTVAL"), owner, name), Sig(s));
    for (size_t k = significant_[s] + 1; k <= significant_[pseudo]; ++k) skip_[k] = true;
    return true;
  }

  bool IsSequencePseudo(size_t s) const { return SigIsWord(s, "NEXTVAL") || SigIsWord(s, "CURRVAL"); }

  const DdlRewriteOptions& options_;
  std::vector<Token> tokens_;
  std::vector<size_t> significant_;
  std::vector<Token> significantTokens_;
  std::vector<bool> skip_;
  std::vector<bool> qualify_;
  std::vector<std::string> append_;  // text to add after a token
  std::vector<size_t> position_;     // token index to its place among the significant ones
  Translation* out_ = nullptr;
};

}  // namespace

bool RewriteDdl(const LexedText& lexed, size_t end, const DdlRewriteOptions& options, Translation& out,
                OraError& error) {
  std::vector<Token> tokens;
  for (const Token& token : lexed.all) {
    if (token.offset < end) tokens.push_back(token);
  }
  out = Translation();
  return Rewriter(std::move(tokens), options).Run(out, error);
}

bool RewriteDdl(std::string_view oracleSql, const DdlRewriteOptions& options, Translation& out, OraError& error) {
  return RewriteDdl(Lex(oracleSql), oracleSql.size(), options, out, error);
}

}  // namespace ocilite
