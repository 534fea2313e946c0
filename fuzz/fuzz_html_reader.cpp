// The map reader over arbitrary bytes: it must read or refuse every page
// without faults. When the page has several images the first is taken, so
// the map scan runs too; a page that was read is written back in both modes,
// the new page in a charset the fuzzer's bytes choose, so the conversions
// between the page's declared or guessed charset and another run too.
// fuzz_html_reader.dict holds the tags and the charset declarations.
#include <cstddef>
#include <cstdint>
#include <string>

#include "html/HtmlSettings.h"
#include "html/MapReader.h"
#include "html/MapWriter.h"
#include "model/ZorvaDoc.h"

namespace {
class FirstImageHost : public CNullDocumentHost {
 public:
  int ChooseImage(const std::vector<std::string>& lines) override { return lines.empty() ? -1 : 0; }
  int DoChoiceDialog(unsigned) override { return 1; }
};
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FirstImageHost host;
  CZorvaDoc doc(&host);
  std::string page(reinterpret_cast<const char*>(data), size);
  if (!zorva::html::ReadPageText(doc, "/site/page.html", std::move(page))) return 0;
  std::string out;
  zorva::HtmlOutputSettings settings;
  zorva::html::BuildPage(doc, "/site/out.html", settings, out);
  doc.m_bFromPage = false;
  settings.charcode = size ? data[size - 1] % 4 : 0;
  zorva::html::BuildPage(doc, "/site/out.html", settings, out);
  return 0;
}
