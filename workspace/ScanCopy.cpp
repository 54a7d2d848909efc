#include "ScanCopy.h"

namespace {

// Where the one left-to-right masking pass stands:
//   Code    - ordinary text: kept, upper-cased; an apostrophe opens a literal, "--" a comment.
//   Literal - blanked up to the closing apostrophe, which is kept; "--" means nothing here.
//   Comment - blanked up to the line feed, which is kept (the CR before it is blanked);
//             an apostrophe means nothing here.
enum class MaskState { Code, Literal, Comment };

bool CommentStartsAt(const std::string& text, size_t at) {
  return text[at] == '-' && at + 1 < text.size() && text[at + 1] == '-';
}

}  // namespace

char UpperAscii(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

std::string BuildScanCopy(const std::string& text) {
  std::string scan(text.size(), ' ');
  MaskState state = MaskState::Code;
  for (size_t at = 0; at < text.size(); ++at) {
    const char c = text[at];
    switch (state) {
      case MaskState::Code:
        if (c == '\'') {
          scan[at] = c;
          state = MaskState::Literal;
        } else if (CommentStartsAt(text, at)) {
          state = MaskState::Comment;
        } else {
          scan[at] = UpperAscii(c);
        }
        break;
      case MaskState::Literal:
        if (c == '\'') {
          scan[at] = c;
          state = MaskState::Code;
        }
        break;
      case MaskState::Comment:
        if (c == '\n') {
          scan[at] = c;
          state = MaskState::Code;
        }
        break;
    }
  }
  return scan;
}
