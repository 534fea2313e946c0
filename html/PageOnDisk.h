#pragma once
// A page read from a file may be changed by another program while it is open
// here. Before the editor writes it back, it compares the file with what it
// read or last wrote there, and when it changed asks whether to patch the
// file as it is now, overwrite it, or not save.
#include "platform/Types.h"

class CZorvaDoc;

namespace zorva::html {

// The dialog number of the question; its buttons: 1 patches the page as it
// is now (its new text, this document's map), 5 overwrites it, 2 cancels.
constexpr unsigned kDlgPageChangedOnDisk = 183;
constexpr int kAnswerPatchAsNow = 1;
constexpr int kAnswerOverwrite = 5;

// Notes the file the page text was just read from.
void NotePageRead(CZorvaDoc& doc, const CString& path);
// Notes the file the document's page was just written to.
void NotePageWritten(CZorvaDoc& doc, const CString& path);

// Before the document's page is written to `path`: true to go on (the file
// is as it was left, or the user chose to overwrite it, or its new text was
// taken as the page to patch), false when the user cancelled or the file's
// new text could not be read (which is reported).
bool PreparePageWrite(CZorvaDoc& doc, const CString& path);

// Whether the file at `path` is no longer what the document read or wrote
// there.
bool PageChangedOnDisk(const CZorvaDoc& doc, const CString& path);

}  // namespace zorva::html
