#include "cli/DocumentJson.h"

#include "model/AreaTexts.h"
#include <cstdio>

#include "model/ZorvaDoc.h"
#include "platform/CodePage.h"
#include "view/PanelText.h"

namespace zorva::cli {

void AppendJsonString(std::string& out, std::string_view utf8) {
  static const char kHex[] = "0123456789abcdef";
  out += '"';
  for (char ch : utf8) {
    unsigned char c = static_cast<unsigned char>(ch);
    switch (c) {
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\t': out += "\\t"; break;
      case '\b': out += "\\b"; break;
      case '\f': out += "\\f"; break;
      default:
        if (c < 0x20) {
          out += "\\u00";
          out += kHex[c >> 4];
          out += kHex[c & 0xF];
        } else {
          out += ch;
        }
    }
  }
  out += '"';
}

namespace {

class JsonOut {
 public:
  JsonOut(std::string& out, const CZorvaDoc& doc) : s(out), m_doc(doc) {}
  std::string& s;

  JsonOut& Key(const char* k) {
    Sep();
    AppendJsonString(s, k);
    s += ':';
    m_first = true;  // the value that follows needs no comma
    return *this;
  }
  // A document text, in the document's charset.
  JsonOut& Text(const CString& bytes, PanelTextKind kind = PanelTextKind::Attribute) {
    Sep();
    AppendJsonString(s, ToPanelText(m_doc, bytes, kind));
    return *this;
  }
  // A file path, which the document keeps in Shift_JIS whatever its texts are in.
  JsonOut& Path(const CString& cp932) {
    Sep();
    AppendJsonString(s, Cp932ToUtf8(cp932));
    return *this;
  }
  JsonOut& Int(int64_t v) {
    Sep();
    s += std::to_string(v);
    return *this;
  }
  JsonOut& Bool(bool v) {
    Sep();
    s += v ? "true" : "false";
    return *this;
  }
  JsonOut& Null() {
    Sep();
    s += "null";
    return *this;
  }
  JsonOut& Open(char c) {
    Sep();
    s += c;
    m_first = true;
    return *this;
  }
  JsonOut& Close(char c) {
    s += c;
    m_first = false;
    return *this;
  }
  JsonOut& Point(const CPoint& p) {
    Open('[');
    Int(p.x);
    Int(p.y);
    Close(']');
    return *this;
  }
  JsonOut& Points(const CPointList& list) {
    Open('[');
    for (const CPoint& p : list) Point(p);
    Close(']');
    return *this;
  }

 private:
  void Sep() {
    if (!m_first) s += ',';
    m_first = false;
  }
  const CZorvaDoc& m_doc;
  bool m_first = true;
};

void Links(JsonOut& j, const CArea& a) {
  bool flagDone = false;
  for (const CAreaText& t : kAreaTexts) {
    const CString& s = a.*t.member;
    if (t.role == AreaTextRole::Script && !flagDone) {
      flagDone = true;
      j.Key("javascript").Bool(a.m_bJavaScript);
    }
    // Only pages give areas other attributes; a project's dump stays as it was.
    if (t.role == AreaTextRole::Kept && s.empty()) continue;
    j.Key(t.key).Text(s, t.IsComment() ? PanelTextKind::Comment : PanelTextKind::Attribute);
  }
}

void Area(JsonOut& j, const CArea& a) {
  j.Open('{');
  j.Key("type").Int(a.m_nType);
  j.Key("closed").Bool(a.m_bClosed);
  j.Key("points").Points(a.m_listPoint);
  j.Key("handle1").Points(a.m_listHandle1);
  j.Key("handle2").Points(a.m_listHandle2);
  j.Key("bound").Open('[');
  j.Int(a.m_rcBound.left).Int(a.m_rcBound.top).Int(a.m_rcBound.right).Int(a.m_rcBound.bottom);
  j.Close(']');
  Links(j, a);
  j.Key("reserved").Bool(a.m_bReserved);
  j.Key("htmlShape").Bool(a.m_bHtmlShape);
  j.Key("tailEnd").Bool(a.m_bTailEnd);
  j.Close('}');
}

}  // namespace

std::string DocumentToJson(const CZorvaDoc& doc) {
  std::string s;
  JsonOut j(s, doc);
  j.Open('{');
  j.Key("version").Int(doc.m_nVersion);
  j.Key("charset").Text(CharsetName(doc.m_nCharset));
  j.Key("picture").Path(doc.m_strPicturePath);
  j.Key("size").Open('[').Int(doc.m_sizePicture.cx).Int(doc.m_sizePicture.cy).Close(']');
  j.Key("areas").Open('[');
  for (const CArea* a : doc.m_listArea) Area(j, *a);
  j.Close(']');
  j.Key("default").Open('{');
  Links(j, doc.m_areaDefault);
  j.Close('}');
  j.Key("guides").Open('[');
  for (const CGuide* g : doc.m_listGuide) {
    j.Open('{');
    j.Key("horizontal").Bool(g->m_bHorizontal);
    j.Key("pos").Int(g->m_nPos);
    j.Close('}');
  }
  j.Close(']');
  j.Key("page");
  if (doc.m_bFromPage) {
    j.Open('{');
    j.Key("imgTagPos").Int(doc.m_nImgTagPos);
    j.Key("mapStartPos").Int(doc.m_nMapStartPos);
    j.Key("mapEndPos").Int(doc.m_nMapEndPos);
    j.Key("useMap").Text(doc.m_strUseMap);
    j.Close('}');
  } else {
    j.Null();
  }
  j.Key("scripts").Open('[');
  for (const CString& name : doc.m_listScriptName) j.Text(name);
  j.Close(']');
  j.Close('}');
  s += '\n';
  return s;
}

}  // namespace zorva::cli
