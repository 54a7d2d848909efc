// The encodings a script file comes in. The editor holds the ANSI code page's text; a file
// in UTF-8 (with or without a byte order mark) is converted on Open and written back in its
// own encoding on Save, so the byte order mark never reaches the editor or the splitter.
#ifndef ZENQUILL_WORKSPACE_SCRIPTENCODING_H
#define ZENQUILL_WORKSPACE_SCRIPTENCODING_H

#include <cstddef>
#include <string>

enum class ScriptEncoding { Ansi, Utf8, Utf8WithBom };

struct DecodedScript {
  std::string text;  // in the ANSI code page
  ScriptEncoding encoding = ScriptEncoding::Ansi;
  std::size_t unmappable = 0;  // characters the code page cannot hold, now "?"
};

// UTF-8 when the bytes begin with its byte order mark, or are valid UTF-8 holding bytes
// above 127; ANSI, unchanged, otherwise.
DecodedScript DecodeScript(const std::string& bytes);

// The editor's text as the file's bytes in `encoding`.
std::string EncodeScript(const std::string& text, ScriptEncoding encoding);

// What the message line says after opening a file whose characters did not all fit.
std::string UnmappableText(std::size_t unmappable);

#endif
