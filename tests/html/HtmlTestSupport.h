#pragma once
// Building documents and pages for the HTML module's tests.
#include <initializer_list>
#include <string>

#include "TestSupport.h"
#include "html/HtmlSettings.h"
#include "html/MapReader.h"
#include "model/ZorvaDoc.h"

namespace zorva::test {

// "デフォルトエリア" in CP932, the default area's comment as pages carry it.
inline const std::string kDefaultComment =
    "\x83\x66\x83\x74\x83\x48\x83\x8B\x83\x67\x83\x47\x83\x8A\x83\x41";

inline HtmlOutputSettings Settings(const std::string& newline, int doctype, int charcode,
                                   int charcase) {
  HtmlOutputSettings s;
  s.newline = newline;
  s.doctype = doctype;
  s.charcode = charcode;
  s.charcase = charcase;
  return s;
}

// A document that reads pages, its picture loads only noted.
class RecordingLoader : public IPictureLoader {
 public:
  void Start(CZorvaDoc&, PictureFormat format) override { started.push_back(format); }
  std::vector<PictureFormat> started;
};

struct Reader {
  FakeDocumentHost host;
  RecordingLoader loader;
  CZorvaDoc doc{&host};
  Reader() { doc.SetPictureLoader(&loader); }

  bool Read(const std::string& page, const CString& path = "/site/index.html") {
    doc.OnNewDocument();
    return zorva::html::ReadPageText(doc, path, page);
  }
  // The i-th area in the page's order: the page's first area is the top of
  // the editor's stack, the tail of its list.
  const CArea& Area(size_t i) const { return **std::next(doc.m_listArea.rbegin(), long(i)); }
  std::vector<CPoint> Points(size_t i) const {
    std::vector<CPoint> pts;
    for (const CPoint& p : Area(i).m_listPoint) pts.push_back(p);
    return pts;
  }
};

// The settings of a fresh installation.
inline HtmlOutputSettings FirstInstall() { return Settings("\r\n", 2, 1, 0); }

}  // namespace zorva::test
