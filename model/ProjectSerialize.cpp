// The project file's stream: the document, its areas and its guides.
#include <limits>
#include <memory>

#include "model/Archive.h"
#include "model/ZorvaDoc.h"

namespace {

constexpr char kAreaClass[] = "CArea";
constexpr char kGuideClass[] = "CGuide";

void WriteCount(CArchive& ar, size_t n) {
  if (n > size_t(std::numeric_limits<int32_t>::max()))
    throw CArchiveException(CArchiveException::tooLarge, "too many entries to store");
  ar.WriteInt32(int32_t(n));
}

void WritePoints(CArchive& ar, const CPointList& list) {
  WriteCount(ar, list.size());
  for (const auto& p : list) ar.WritePoint(*p);
}

// Counts below 1 mean no entries. A forged count is never used to reserve
// anything: every entry consumes bytes, so the loop ends at the stream's end.
template <typename AddFn>
void ReadPoints(CArchive& ar, AddFn add) {
  int32_t n = ar.ReadInt32();
  for (int32_t i = 0; i < n; ++i) {
    CPoint p = ar.ReadPoint();
    add(p);
  }
}

void SerializeLinks(CArchive& ar, CArea& a) {
  if (ar.IsStoring()) {
    ar.WriteString(a.m_strHref);
    ar.WriteString(a.m_strTarget);
    ar.WriteString(a.m_strAlt);
    ar.WriteFlag(a.m_bJavaScript);
    ar.WriteString(a.m_strOnClick);
    ar.WriteString(a.m_strOnMouseOver);
    ar.WriteString(a.m_strOnMouseOut);
  } else {
    a.m_strHref = ar.ReadString();
    a.m_strTarget = ar.ReadString();
    a.m_strAlt = ar.ReadString();
    a.m_bJavaScript = ar.ReadFlag();
    a.m_strOnClick = ar.ReadString();
    a.m_strOnMouseOver = ar.ReadString();
    a.m_strOnMouseOut = ar.ReadString();
  }
}

}  // namespace

void CArea::Serialize(CArchive& ar) {
  if (ar.IsStoring()) {
    ar.WriteInt32(m_nType);
    ar.WriteFlag(m_bClosed);
    WritePoints(ar, m_listPoint);
    WritePoints(ar, m_listHandle1);
    WritePoints(ar, m_listHandle2);
    ar.WriteRect(m_rcBound);
    SerializeLinks(ar, *this);
    ar.WriteString(m_strComment);
    ar.WriteFlag(m_bReserved);
    ar.WriteFlag(m_bHtmlShape);
  } else {
    m_nType = ar.ReadInt32();
    m_bClosed = ar.ReadFlag();
    ReadPoints(ar, [this](const CPoint& p) { AddPoint(p.x, p.y); });
    ReadPoints(ar, [this](const CPoint& p) { AddHandle1(p.x, p.y); });
    ReadPoints(ar, [this](const CPoint& p) { AddHandle2(p.x, p.y); });
    m_rcBound = ar.ReadRect();
    SerializeLinks(ar, *this);
    m_strComment = ar.ReadString();
    m_bReserved = ar.ReadFlag();
    m_bHtmlShape = ar.ReadFlag();
  }
}

void CGuide::Serialize(CArchive& ar) {
  if (ar.IsStoring()) {
    ar.WriteFlag(m_bHorizontal);
    ar.WriteInt32(m_nPos);
  } else {
    m_bHorizontal = ar.ReadFlag();
    m_nPos = ar.ReadInt32();
  }
}

void CZorvaDoc::Serialize(CArchive& ar) {
  if (ar.IsStoring()) {
    ar.WriteInt32(m_nVersion);
    ar.WriteString(m_strPicturePath);
    ar.WriteInt32(m_sizePicture.cx);
    ar.WriteInt32(m_sizePicture.cy);
    ar.WritePoint(m_ptPress);
    ar.WritePoint(m_ptSpare1);
    ar.WritePoint(m_ptSpare2);
    ar.WritePoint(m_ptAnchor);
    WriteCount(ar, m_listArea.size());
    for (CArea* a : m_listArea) {
      ar.WriteObjectTag(kAreaClass);
      a->Serialize(ar);
    }
    SerializeLinks(ar, m_areaDefault);
    WriteCount(ar, m_listGuide.size());
    for (CGuide* g : m_listGuide) {
      ar.WriteObjectTag(kGuideClass);
      g->Serialize(ar);
    }
    return;
  }

  m_nVersion = ar.ReadInt32();
  m_strPicturePath = ar.ReadString();
  m_sizePicture.cx = ar.ReadInt32();
  m_sizePicture.cy = ar.ReadInt32();
  m_ptPress = ar.ReadPoint();
  m_ptSpare1 = ar.ReadPoint();
  m_ptSpare2 = ar.ReadPoint();
  m_ptAnchor = ar.ReadPoint();
  // Each entry joins its list only once it is complete, so a failure leaves
  // no half-read object behind.
  int32_t areas = ar.ReadInt32();
  for (int32_t i = 0; i < areas; ++i) {
    ar.ReadObjectTag(kAreaClass);
    auto a = std::make_unique<CArea>();
    a->Serialize(ar);
    m_listArea.push_back(nullptr);
    m_listArea.back() = a.release();
  }
  SerializeLinks(ar, m_areaDefault);
  int32_t guides = ar.ReadInt32();
  for (int32_t i = 0; i < guides; ++i) {
    ar.ReadObjectTag(kGuideClass);
    auto g = std::make_unique<CGuide>();
    g->Serialize(ar);
    m_listGuide.push_back(nullptr);
    m_listGuide.back() = g.release();
  }
}
