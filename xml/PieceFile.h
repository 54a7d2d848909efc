// What the data file writer and the stylesheet writer share: the file, its open state,
// the result codes, and writing each piece of ANSI text as UTF-8.
#ifndef ZENQUILL_XML_PIECEFILE_H
#define ZENQUILL_XML_PIECEFILE_H

#include <string>

#include "OutputFile.h"

namespace xml {

// Result of every writer operation.
constexpr int kWriterOk = 0;
constexpr int kWriterFailed = 1;  // not open, file not created, or a write failed
constexpr int kWriterAlreadyOpen = 2;

class PieceFile {
 public:
  // Creates (or truncates) the file and writes the first piece.
  int Open(const std::string& path, const std::string& firstPiece);
  int Write(const std::string& piece);
  // Writes the last piece and closes. kWriterFailed when any write failed: the file on disk
  // is then incomplete, and is left in place.
  int Close(const std::string& lastPiece);
  bool IsOpen() const { return file_.IsOpen(); }

 private:
  OutputFile file_;
};

}  // namespace xml

#endif
