#pragma once
// The recovery file: the whole state of a document between two saves, so that
// the work survives a crash, a kill or a power cut. Unlike a project file it
// holds everything a save would need: the kept attributes, the page that was
// read with its patch state, the charset and the output choices, the file's
// own name.
//
// The file is a head (magic, format version, time of the autosave, body size
// and checksum) followed by the body. The body is taken from the document in
// one pass (SnapshotDocument) where the document lives; the head is made
// later, on the thread that writes the file.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "platform/ByteBuffer.h"
#include "platform/Types.h"

class CZorvaDoc;

namespace zorva {

inline constexpr uint32_t kRecoveryFormatVersion = 1;
inline constexpr size_t kRecoveryHeadBytes = 40;
// A page may be up to 2 GiB; the areas of a big map and the rest fit well
// within one more.
inline constexpr uint64_t kMaxRecoveryFileBytes = uint64_t(3) << 30;

// The output choices in force when the state was taken, as the settings
// store holds them.
struct RecoveryOutputChoices {
  std::string newline = "\r\n";
  int32_t doctype = 0;
  int32_t charcode = 0;
  int32_t charcase = 0;
  int32_t mapForm = 0;
  int32_t svgHover = 0;
  bool operator==(const RecoveryOutputChoices&) const = default;
};

// What a recovery file says about itself, for the offer at start.
struct RecoverySummary {
  int64_t savedAt = 0;  // seconds since 1970
  CString pathName;     // empty for a document never saved
  CString title;
  uint64_t areaCount = 0;
};

// Why a recovery file cannot be used.
enum class RecoveryFault {
  None,
  CutShort,      // ends before its head or body does
  Damaged,       // not a recovery file, or its bytes do not match their checksum or form
  LaterVersion,  // written by a later version of the format
  TooLarge,      // larger than kMaxRecoveryFileBytes
  Unreadable,    // cannot be opened or read
  NotAFile,      // a link, a folder or a device in the file's place
};

// The body of a recovery file in three pieces: the page text that was read
// (unchanged while the document is edited, and megabytes long) is shared
// with the snapshot before instead of copied again.
struct RecoveryBody {
  CByteBuffer front;                         // everything before the page text
  std::shared_ptr<const std::string> page;   // the page text, or null for none
  CByteBuffer back;                          // everything after it
  uint64_t Size() const { return front.Size() + (page ? page->size() : 0) + back.Size(); }
  std::string Joined() const;
};

// Takes every member of the document a save or the editing depends on.
// `body` may hold an earlier snapshot: its buffers are reused, and so is its
// page text when it is the document's still, byte for byte.
void SnapshotDocument(const CZorvaDoc& doc, const RecoveryOutputChoices& output, RecoveryBody& body);

// The head that goes before the body in the file.
std::string RecoveryFileHead(const RecoveryBody& body, int64_t savedAt);

// Checks the head and the checksum of a whole file; on success `body` views
// the body inside `file` and `summary` is filled from the body's start.
RecoveryFault CheckRecoveryFile(std::string_view file, std::string_view& body,
                                RecoverySummary& summary);

// Puts the state of `body` into `doc` (after clearing it) and `output`. On a
// body whose form is wrong returns Damaged; the document is then cleared.
// The document's path and title are set; the modified flag is left alone.
RecoveryFault RestoreDocument(std::string_view body, CZorvaDoc& doc,
                              RecoveryOutputChoices& output);

}  // namespace zorva
