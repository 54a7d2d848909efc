// The framework's text conventions, kept free of the platform so that they can be
// tested anywhere: command strings, the document string, the caption, the rule by
// which data exchange replaces a control's text, and message formatting.
#ifndef ZENQUILL_FRAMEWORK_FRAMEWORKTEXT_H
#define ZENQUILL_FRAMEWORK_FRAMEWORKTEXT_H

#include <cstddef>
#include <string>

namespace fw {

// A command's string resource holds its status-bar prompt, a line break, its tooltip.
struct CommandText {
  std::string prompt;
  std::string tooltip;
};
CommandText SplitCommandText(const std::string& resource);

// Fields of a document string, separated by line breaks: 0 window title, 1 document
// name, 2 new-file name, 3 filter, 4 extension, 5 file type id, 6 file type name.
// A missing field is empty.
std::string DocStringField(const std::string& docString, std::size_t index);

// "<document title> - <frame title>"; the frame title alone without a document title.
std::string FrameCaption(const std::string& documentTitle, const std::string& frameTitle);

// Longest text the exchange compares before replacing a control's text.
constexpr std::size_t kComparedTextLength = 255;

// Whether exchanging wanted into a control that shows shown must replace its text:
// when the texts differ or wanted is longer than kComparedTextLength. shown only
// needs its first kComparedTextLength + 1 characters.
bool TextNeedsReplacing(const std::string& shown, const std::string& wanted);

// Replaces every "%1" in pattern with argument.
std::string FormatWithArgument(const std::string& pattern, const std::string& argument);

// "Please enter no more than <max> characters."
std::string MaxCharsMessage(std::size_t max);

// The title of a document named after a file: the path's last component.
std::string FileTitle(const std::string& path);

}  // namespace fw

#endif
