// zorva-cli convert IN OUT [PAGE OPTIONS]: open IN as the editor does, save OUT as
// its Save As does: a project file for ".zvf", a page for ".html" or ".htm"
// (a page that was read is written back with only its map replaced).
#include <cstdio>

#include "cli/CliCommand.h"
#include "cli/CliDocument.h"
#include "cli/HtmlOptions.h"
#include "platform/PathSplit.h"

namespace zorva::cli {
namespace {

int RunConvert(const std::vector<std::string>& arguments) {
  std::vector<std::string> args = arguments;
  HtmlOptions options;
  std::string error;
  if (!TakeHtmlOptions(args, options, error)) return UsageError("convert", error);
  if (args.size() != 2) return UsageError("convert", "expected IN and OUT");
  auto in = ModelPath("convert", args[0]);
  auto out = ModelPath("convert", args[1]);
  if (!in || !out) return kExitFailed;
  if (!IsSavePath(*out))
    return UsageError("convert", "cannot write '" + args[1] + "': OUT must end in .zvf, .html or .htm");
  CCliDocumentHost host;
  host.imageChoice = options.image;
  host.unclosedAnswer = options.unclosed;
  host.shapeAnswer = options.shape;
  CZorvaDoc doc(&host);
  if (!OpenLikeEditor(doc, host, *in)) return kExitFailed;
  if (!IsPagePath(*out)) return doc.OnSaveDocument(*out) ? kExitOk : kExitFailed;

  CMemorySettingsStore settings;
  if (!BuildHtmlSettings(options, settings)) return kExitFailed;
  TakePictureSizeFromFile(doc);
  doc.SetSettingsStore(&settings);
  // Asked for on the command line, the responsive page is written for any
  // document, as the editor's command for it does; a stored choice applies to
  // new pages only.
  if (options.mapForm == 1) return doc.WriteResponsiveHtml(*out) ? kExitOk : kExitFailed;
  return doc.WriteHtml(*out) ? kExitOk : kExitFailed;
}

const CliCommandRegistration kConvert(
    {"convert", "convert IN OUT [PAGE OPTIONS]",
     "open IN as the editor does and save it as OUT (.zvf, .html, .htm)", RunConvert});

}  // namespace
}  // namespace zorva::cli
