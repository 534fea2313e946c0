#pragma once
// Opening a file for a zorva-cli command the way the editor opens it, without
// decoding its picture.
#include <optional>
#include <string>
#include <vector>

#include "cli/CliDocumentHost.h"
#include "model/ZorvaDoc.h"

namespace zorva::cli {

// The command-line path (UTF-8, relative to the working folder) as the model
// keeps paths: absolute, normalised, CP932. Nothing when a character has no
// CP932 form; a message naming the path is then on stderr.
std::optional<CString> ModelPath(const std::string& command, const std::string& arg);

// The paths a document is saved under: a page's ending writes a page, a
// project file's ending a project file.
bool IsPagePath(const CString& path);
bool IsSavePath(const CString& path);

// Opens `path` (a model path) into `doc`. On failure the reason is on stderr.
bool OpenLikeEditor(CZorvaDoc& doc, CCliDocumentHost& host, const CString& path);

// Pictures are not decoded here: where the document records no picture size
// (a page, a picture), the picture's header gives it, for what needs it (the
// map check's edges, an HTML5 page's width and height).
void TakePictureSizeFromFile(CZorvaDoc& doc);

// The arguments of a command that only reads one file, "FILE [--image N]"
// (dump, check): opens the file into `doc`, whose host is `host`. Nothing when
// it is open; otherwise the exit status, the reason on stderr.
std::optional<int> OpenFileArgument(const char* command, const std::vector<std::string>& arguments,
                                    CCliDocumentHost& host, CZorvaDoc& doc);

}  // namespace zorva::cli
