#include "FrameworkText.h"

namespace fw {

CommandText SplitCommandText(const std::string& resource) {
  const std::size_t lineBreak = resource.find('\n');
  if (lineBreak == std::string::npos) return {resource, ""};
  return {resource.substr(0, lineBreak), resource.substr(lineBreak + 1)};
}

std::string DocStringField(const std::string& docString, std::size_t index) {
  std::size_t start = 0;
  for (std::size_t i = 0; i < index; ++i) {
    start = docString.find('\n', start);
    if (start == std::string::npos) return "";
    ++start;
  }
  const std::size_t end = docString.find('\n', start);
  return docString.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

std::string FrameCaption(const std::string& documentTitle, const std::string& frameTitle) {
  if (documentTitle.empty()) return frameTitle;
  return documentTitle + " - " + frameTitle;
}

bool TextNeedsReplacing(const std::string& shown, const std::string& wanted) {
  return wanted.size() > kComparedTextLength || shown != wanted;
}

std::string FormatWithArgument(const std::string& pattern, const std::string& argument) {
  std::string result;
  std::size_t from = 0;
  for (std::size_t at = pattern.find("%1"); at != std::string::npos; at = pattern.find("%1", from)) {
    result.append(pattern, from, at - from).append(argument);
    from = at + 2;
  }
  return result.append(pattern, from, std::string::npos);
}

std::string MaxCharsMessage(std::size_t max) {
  return FormatWithArgument("Please enter no more than %1 characters.", std::to_string(max));
}

std::string FileTitle(const std::string& path) {
  const std::size_t slash = path.find_last_of("\\/:");
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace fw
