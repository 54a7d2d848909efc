#include "PieceFile.h"

#include "XmlEncoder.h"

namespace xml {

int PieceFile::Open(const std::string& path, const std::string& firstPiece) {
  if (file_.IsOpen()) return kWriterAlreadyOpen;
  if (!file_.Create(path)) return kWriterFailed;
  return Write(firstPiece);
}

int PieceFile::Write(const std::string& piece) {
  if (!file_.IsOpen()) return kWriterFailed;
  if (CXmlEncoder::IsUtf8Already(piece)) {
    file_.Write(piece);  // most pieces are plain ASCII: no copy
  } else {
    file_.Write(CXmlEncoder::ToUtf8(piece));
  }
  return file_.Failed() ? kWriterFailed : kWriterOk;
}

int PieceFile::Close(const std::string& lastPiece) {
  if (!file_.IsOpen()) return kWriterFailed;
  Write(lastPiece);
  return file_.Close() ? kWriterOk : kWriterFailed;
}

}  // namespace xml
