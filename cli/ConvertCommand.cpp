// zorva-cli convert IN OUT: open IN as the editor does, save OUT as its Save As does.
#include <cstdio>

#include "cli/CliCommand.h"
#include "cli/CliDocument.h"
#include "platform/PathSplit.h"

namespace zorva::cli {
namespace {

// The forms OUT may take, by its extension (upper case).
bool CanSave(const CString& ext) { return ext == ".ZVF"; }

bool Save(CZorvaDoc& doc, const CString& path) { return doc.OnSaveDocument(path); }

int RunConvert(const std::vector<std::string>& args) {
  if (args.size() != 2) return UsageError("convert", "expected IN and OUT");
  auto in = ModelPath("convert", args[0]);
  auto out = ModelPath("convert", args[1]);
  if (!in || !out) return kExitFailed;
  if (!CanSave(UpperExtension(*out)))
    return UsageError("convert", "cannot write '" + args[1] + "': OUT must end in .zvf");
  CCliDocumentHost host;
  CZorvaDoc doc(&host);
  if (!OpenLikeEditor(doc, host, *in)) return kExitFailed;
  return Save(doc, *out) ? kExitOk : kExitFailed;
}

const CliCommandRegistration kConvert({"convert", "convert IN OUT",
                                       "open IN as the editor does and save it as OUT (.zvf)",
                                       RunConvert});

}  // namespace
}  // namespace zorva::cli
