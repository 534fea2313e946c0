#pragma once
// The browser preview: the map written to a temporary page next to the
// document, opened with the desktop's "open".
class CZorvaDoc;

namespace zorva::html {

// Shell results the preview tells apart (as the desktop reports them).
constexpr int kShellFileNotFound = 2;
constexpr int kShellAssociationIncomplete = 27;
constexpr int kShellNoAssociation = 31;

// Writes the document's map to its preview path and asks the host to open
// it; reports a failure of the desktop. False when nothing was shown.
bool ShowPreview(CZorvaDoc& doc);

}  // namespace zorva::html
