// The project file's stream: the document, its areas and its guides.
#include <algorithm>
#include <limits>
#include <list>
#include <memory>

#include "model/Archive.h"
#include "model/AreaTexts.h"
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
  for (const CPoint& p : list) ar.WritePoint(p);
}

// Counts below 1 mean no entries. A forged count reserves no more points than
// the rest of the stream can hold; every entry consumes bytes, so the loop
// ends at the stream's end. Points join at the tail, or at the head where the
// area grows there (as CArea::AddPoint places them).
void ReadPoints(CArchive& ar, CPointList& list, bool atTail) {
  int32_t n = ar.ReadInt32();
  if (n > 0) list.reserve(list.size() + std::min(size_t(n), ar.Remaining() / 8));
  for (int32_t i = 0; i < n; ++i) {
    CPoint p = ar.ReadPoint();
    if (atTail)
      list.emplace_back(p.x, p.y);
    else
      list.emplace_front(p.x, p.y);
  }
}

// The stored texts in the list's order, the scripts' flag before the first
// script: link, ALT, flag, scripts, comment. The default area's record has
// no comment: its comment is its name.
void SerializeTexts(CArchive& ar, CArea& a, bool withComment) {
  bool flagDone = false;
  for (const CAreaText& t : kAreaTexts) {
    if (!t.stored || (t.IsComment() && !withComment)) continue;
    if (t.role == AreaTextRole::Script && !flagDone) {
      flagDone = true;
      if (ar.IsStoring())
        ar.WriteFlag(a.m_bJavaScript);
      else
        a.m_bJavaScript = ar.ReadFlag();
    }
    if (ar.IsStoring())
      ar.WriteText(a.*t.member);
    else
      a.*t.member = ar.ReadText();
  }
}

template <typename T>
void WriteEntries(CArchive& ar, const COwnedList<T>& list, const char* className) {
  WriteCount(ar, list.size());
  for (T* item : list) {
    ar.WriteObjectTag(className);
    item->Serialize(ar);
  }
}

// Each entry joins its list only once it is complete, so a failure leaves no
// half-read object behind.
template <typename T>
void ReadEntries(CArchive& ar, COwnedList<T>& list, const char* className) {
  int32_t n = ar.ReadInt32();
  for (int32_t i = 0; i < n; ++i) {
    ar.ReadObjectTag(className);
    auto item = std::make_unique<T>();
    item->Serialize(ar);
    list.push_back(std::move(item));
  }
}

// Room for a string: its longest prefix and its bytes. A text of a document
// in another charset than Shift_JIS may take the wide form: a second prefix
// and at most two bytes for each of its bytes.
size_t StringBound(const CString& s, bool mayBeWide = false) {
  return mayBeWide ? 10 + 2 * s.size() : 7 + s.size();
}

// An upper bound of an area entry's size, from counts alone.
size_t AreaBound(const CArea& a, bool mayBeWide) {
  size_t n = 11 + 4 * 9 + 16 + 8 * (a.m_listPoint.size() + a.m_listHandle1.size() +
                                    a.m_listHandle2.size());
  for (const CAreaText& t : kAreaTexts)
    if (t.stored) n += StringBound(a.*t.member, mayBeWide);
  return n;
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
    SerializeTexts(ar, *this, true);
    ar.WriteFlag(m_bReserved);
    ar.WriteFlag(m_bHtmlShape);
  } else {
    m_nType = ar.ReadInt32();
    m_bClosed = ar.ReadFlag();
    ReadPoints(ar, m_listPoint, m_bTailEnd);
    ReadPoints(ar, m_listHandle1, true);
    ReadPoints(ar, m_listHandle2, true);
    m_rcBound = ar.ReadRect();
    SerializeTexts(ar, *this, true);
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

// The texts travel in the document's charset; the picture path is a path and
// stays in the code page. Loading takes the archive's charset for the texts
// (the document is empty then, so only its fixed texts are converted).
void CZorvaDoc::Serialize(CArchive& ar) {
  if (ar.IsStoring()) {
    ar.SetTextCharset(m_nCharset);
    if (!ar.WritesToFile()) {
      const bool mayBeWide = m_nCharset != zorva::ECharset::ShiftJis;
      size_t bound = 64 + StringBound(m_strPicturePath) + AreaBound(m_areaDefault, mayBeWide) +
                     m_listGuide.size() * 20;
      for (const CArea* a : m_listArea) bound += AreaBound(*a, mayBeWide);
      ar.Reserve(bound);
    }
    ar.WriteInt32(m_nVersion);
    ar.WriteString(m_strPicturePath);
    ar.WriteInt32(m_sizePicture.cx);
    ar.WriteInt32(m_sizePicture.cy);
    ar.WritePoint(m_ptPress);
    ar.WritePoint(m_ptSpare1);
    ar.WritePoint(m_ptSpare2);
    ar.WritePoint(m_ptAnchor);
    WriteEntries(ar, m_listArea, kAreaClass);
    SerializeTexts(ar, m_areaDefault, false);
    WriteEntries(ar, m_listGuide, kGuideClass);
    return;
  }

  SetTextCharset(ar.TextCharset());
  m_nVersion = ar.ReadInt32();
  m_strPicturePath = ar.ReadString();
  m_sizePicture.cx = ar.ReadInt32();
  m_sizePicture.cy = ar.ReadInt32();
  m_ptPress = ar.ReadPoint();
  m_ptSpare1 = ar.ReadPoint();
  m_ptSpare2 = ar.ReadPoint();
  m_ptAnchor = ar.ReadPoint();
  ReadEntries(ar, m_listArea, kAreaClass);
  SerializeTexts(ar, m_areaDefault, false);
  ReadEntries(ar, m_listGuide, kGuideClass);
}
