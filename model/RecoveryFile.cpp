#include "model/RecoveryFile.h"

#include <zlib.h>

#include <algorithm>
#include <climits>
#include <cstring>
#include <memory>
#include <new>

#include "model/FileKind.h"
#include "model/ZorvaDoc.h"

namespace zorva {

namespace {

constexpr char kMagic[16] = {'Z', 'O', 'R', 'V', 'A', ' ', 'r', 'e',
                             'c', 'o', 'v', 'e', 'r', 'y', '\r', '\n'};

// Little-endian integers and length-prefixed byte strings, written through
// a pointer into the string's own bytes: a big map is millions of small
// values, and an append call each would cost the window more than the rest.
// The string has its final length once the writer is gone.
class CBodyWriter {
 public:
  explicit CBodyWriter(CByteBuffer& out) : m_out(out) {
    m_p = m_end = m_out.Data() + m_out.Size();
  }
  ~CBodyWriter() { m_out.Resize(size_t(m_p - m_out.Data())); }
  CBodyWriter(const CBodyWriter&) = delete;
  CBodyWriter& operator=(const CBodyWriter&) = delete;

  void U8(uint8_t v) {
    Room(1);
    *m_p++ = char(v);
  }
  void Flag(bool v) { U8(v ? 1 : 0); }
  void U32(uint32_t v) {
    Room(4);
    m_p = Put32(m_p, v);
  }
  void I32(int32_t v) { U32(uint32_t(v)); }
  void U64(uint64_t v) {
    U32(uint32_t(v));
    U32(uint32_t(v >> 32));
  }
  void Point(const CPoint& p) {
    I32(p.x);
    I32(p.y);
  }
  // A point list: its count, then x and y of each point.
  void Points(const CPointList& list) {
    Room(8 + 8 * list.size());
    char* p = Put32(Put32(m_p, uint32_t(list.size())), uint32_t(uint64_t(list.size()) >> 32));
    for (const CPoint& pt : list) p = Put32(Put32(p, uint32_t(pt.x)), uint32_t(pt.y));
    m_p = p;
  }
  void Text(std::string_view s) {
    U64(s.size());
    Room(s.size());
    if (!s.empty()) std::memcpy(m_p, s.data(), s.size());
    m_p += s.size();
  }

 private:
  // Through a local pointer and one copy: stores through a char pointer
  // could change m_p itself as far as the compiler knows.
  static char* Put32(char* p, uint32_t v) {
    const char b[4] = {char(v), char(v >> 8), char(v >> 16), char(v >> 24)};
    std::memcpy(p, b, 4);
    return p + 4;
  }
  void Room(size_t n) {
    if (size_t(m_end - m_p) >= n) return;
    // Uninitialised room up to the capacity the buffer has (a reused
    // buffer has the last snapshot's), or twice what it had.
    const size_t used = size_t(m_p - m_out.Data());
    m_out.Resize(std::max(used + n, m_out.Capacity()));
    m_p = m_out.Data() + used;
    m_end = m_out.Data() + m_out.Size();
  }
  CByteBuffer& m_out;
  char* m_p;
  char* m_end;
};

// Reads what CBodyWriter wrote; any read past the end or any value out of
// its range marks the body bad, after which every read gives zero.
class CBodyReader {
 public:
  explicit CBodyReader(std::string_view in) : m_in(in) {}
  bool Bad() const { return m_bad; }
  bool AtEnd() const { return m_pos == m_in.size(); }
  size_t Left() const { return m_in.size() - m_pos; }
  void Fail() { m_bad = true; }

  uint8_t U8() {
    if (!Take(1)) return 0;
    return uint8_t(m_in[m_pos - 1]);
  }
  bool Flag() {
    const uint8_t v = U8();
    if (v > 1) m_bad = true;
    return v == 1;
  }
  uint32_t U32() {
    if (!Take(4)) return 0;
    uint32_t v = 0;
    for (int i = 0; i < 4; ++i) v |= uint32_t(uint8_t(m_in[m_pos - 4 + i])) << (8 * i);
    return v;
  }
  int32_t I32() { return int32_t(U32()); }
  uint64_t U64() {
    const uint64_t lo = U32();
    return lo | uint64_t(U32()) << 32;
  }
  CPoint Point() {
    const int32_t x = I32();
    return CPoint(x, I32());
  }
  std::string Text() {
    const uint64_t n = U64();
    if (m_bad || n > Left()) {
      m_bad = true;
      return {};
    }
    std::string s(m_in.substr(m_pos, size_t(n)));
    m_pos += size_t(n);
    return s;
  }
  // A count of items of at least `itemBytes` each: never more than the bytes left can hold.
  uint64_t Count(size_t itemBytes) {
    const uint64_t n = U64();
    if (m_bad || n > Left() / itemBytes) {
      m_bad = true;
      return 0;
    }
    return n;
  }

 private:
  bool Take(size_t n) {
    if (m_bad || n > Left()) {
      m_bad = true;
      return false;
    }
    m_pos += n;
    return true;
  }
  std::string_view m_in;
  size_t m_pos = 0;
  bool m_bad = false;
};

// Numbers of the file kind as the body stores them.
uint8_t KindNumber(FileKind kind) {
  switch (kind) {
    case FileKind::Project: return 1;
    case FileKind::Page: return 2;
    case FileKind::Picture: return 3;
    case FileKind::Other: break;
  }
  return 0;
}

uint8_t CharsetNumber(ECharset charset) {
  switch (charset) {
    case ECharset::ShiftJis: return 0;
    case ECharset::Utf8: return 1;
    case ECharset::EucJp: return 2;
  }
  return 0;
}

bool CharsetOfNumber(uint8_t n, ECharset& charset) {
  switch (n) {
    case 0: charset = ECharset::ShiftJis; return true;
    case 1: charset = ECharset::Utf8; return true;
    case 2: charset = ECharset::EucJp; return true;
    default: return false;
  }
}

void ReadPoints(CBodyReader& r, CPointList& list) {
  list.clear();
  const uint64_t n = r.Count(8);
  list.reserve(size_t(n));
  for (uint64_t i = 0; i < n; ++i) {
    const CPoint p = r.Point();
    list.emplace_back(p.x, p.y);
  }
}

void WriteArea(CBodyWriter& w, const CArea& a) {
  w.I32(a.m_nType);
  w.Flag(a.m_bClosed);
  w.Points(a.m_listPoint);
  w.Points(a.m_listHandle1);
  w.Points(a.m_listHandle2);
  w.I32(a.m_rcBound.left);
  w.I32(a.m_rcBound.top);
  w.I32(a.m_rcBound.right);
  w.I32(a.m_rcBound.bottom);
  for (const CString* s : {&a.m_strHref, &a.m_strTarget, &a.m_strAlt, &a.m_strOnClick,
                           &a.m_strOnMouseOver, &a.m_strOnMouseOut, &a.m_strComment,
                           &a.m_strOtherAttrs})
    w.Text(*s);
  w.Flag(a.m_bJavaScript);
  w.Flag(a.m_bReserved);
  w.Flag(a.m_bHtmlShape);
  w.Flag(a.m_bTailEnd);
}

void ReadArea(CBodyReader& r, CArea& a) {
  a.m_nType = r.I32();
  a.m_bClosed = r.Flag();
  ReadPoints(r, a.m_listPoint);
  ReadPoints(r, a.m_listHandle1);
  ReadPoints(r, a.m_listHandle2);
  a.m_rcBound.left = r.I32();
  a.m_rcBound.top = r.I32();
  a.m_rcBound.right = r.I32();
  a.m_rcBound.bottom = r.I32();
  for (CString* s : {&a.m_strHref, &a.m_strTarget, &a.m_strAlt, &a.m_strOnClick,
                     &a.m_strOnMouseOver, &a.m_strOnMouseOut, &a.m_strComment,
                     &a.m_strOtherAttrs})
    *s = r.Text();
  a.m_bJavaScript = r.Flag();
  a.m_bReserved = r.Flag();
  a.m_bHtmlShape = r.Flag();
  a.m_bTailEnd = r.Flag();
  // The editing code takes a Bezier area's handles as one per point; any
  // other area has none.
  const bool bezier = a.m_nType == AREA_BEZIER;
  const size_t handles = bezier ? a.m_listPoint.size() : 0;
  if (a.m_nType < AREA_RECT || a.m_nType > AREA_DEFAULT || a.m_listHandle1.size() != handles ||
      a.m_listHandle2.size() != handles)
    r.Fail();
}

// The smallest area in the body: type, flags, three empty lists, the
// rectangle and eight empty texts.
constexpr size_t kMinAreaBytes = 4 + 1 + 3 * 8 + 16 + 8 * 8 + 4;

// A page offset the writer may index the page text with.
bool PagePosOk(int32_t pos, size_t textSize) { return pos >= -1 && uint64_t(int64_t(pos) + 1) <= uint64_t(textSize) + 1; }

// The running CRC-32 of `crc`'s bytes followed by `bytes`.
uint32_t Checksum(uint32_t crc, std::string_view bytes) {
  uLong c = crc;
  // zlib takes at most 4 GiB less one byte a call.
  while (!bytes.empty()) {
    const size_t n = std::min<size_t>(bytes.size(), 1u << 30);
    c = crc32(c, reinterpret_cast<const Bytef*>(bytes.data()), uInt(n));
    bytes.remove_prefix(n);
  }
  return uint32_t(c);
}

void ReadSummary(CBodyReader& r, RecoverySummary& summary) {
  summary.pathName = r.Text();
  summary.title = r.Text();
  r.U8();  // the file kind: for other readers of the file; the path decides
  summary.areaCount = r.U64();
}

}  // namespace

std::string RecoveryBody::Joined() const {
  std::string all(front.View());
  if (page) all += *page;
  return all += back.View();
}

namespace {

// Everything before the page text, its length last.
void WriteFront(const CZorvaDoc& doc, CByteBuffer& out) {
  CBodyWriter w(out);
  // The summary first, so the offer at start reads no further.
  w.Text(doc.GetPathName());
  w.Text(doc.GetTitle());
  w.U8(KindNumber(FileKindOf(doc.GetPathName())));
  w.U64(doc.m_listArea.size());

  w.I32(doc.m_nVersion);
  for (const CPoint* p : {&doc.m_ptPress, &doc.m_ptSpare1, &doc.m_ptSpare2, &doc.m_ptAnchor})
    w.Point(*p);
  w.U8(CharsetNumber(doc.m_nCharset));
  w.Text(doc.m_strPicturePath);
  // A loader thread writes the size under the picture's lock, held while it
  // decodes; then the size is not known yet (the restored picture's own load
  // sets it), and the event loop must not wait for the decoder.
  CSize size;
  auto& pictureLock = const_cast<std::mutex&>(doc.m_mutexPicture);
  if (pictureLock.try_lock()) {
    size = doc.m_sizePicture;
    pictureLock.unlock();
  }
  w.I32(size.cx);
  w.I32(size.cy);

  w.Flag(doc.m_bFromPage);
  w.I32(doc.m_nImgTagPos);
  w.I32(doc.m_nMapStartPos);
  w.I32(doc.m_nMapEndPos);
  w.Text(doc.m_strUseMap);
  w.Flag(doc.m_bPageHasUseMap);
  w.Text(doc.m_strMapOtherAttrs);
  w.U64(doc.m_listMapKept.size());
  for (const auto& [begin, end] : doc.m_listMapKept) {
    w.I32(begin);
    w.I32(end);
  }
  w.Flag(doc.m_bPageSelfClosing);
  w.Flag(doc.m_pszPageText.has_value());
  // The page text as a Text: its length here, its bytes in their own piece.
  w.U64(doc.m_pszPageText ? doc.m_pszPageText->size() : 0);
}

void WriteBack(const CZorvaDoc& doc, const RecoveryOutputChoices& output, CByteBuffer& out) {
  CBodyWriter w(out);
  w.U64(doc.m_listScriptName.size());
  for (const CString& name : doc.m_listScriptName) w.Text(name);

  w.Text(output.newline);
  for (int32_t v : {output.doctype, output.charcode, output.charcase, output.mapForm, output.svgHover})
    w.I32(v);

  WriteArea(w, doc.m_areaDefault);
  w.U64(doc.m_listArea.size());
  for (const CArea* a : doc.m_listArea) WriteArea(w, *a);
  w.U64(doc.m_listGuide.size());
  for (const CGuide* g : doc.m_listGuide) {
    w.Flag(g->m_bHorizontal);
    w.I32(g->m_nPos);
  }
}

}  // namespace

void SnapshotDocument(const CZorvaDoc& doc, const RecoveryOutputChoices& output, RecoveryBody& body) {
  body.front.Clear();
  body.back.Clear();
  WriteFront(doc, body.front);
  const std::string_view page = doc.m_pszPageText ? std::string_view(*doc.m_pszPageText) : std::string_view();
  if (page.empty()) {
    body.page.reset();
  } else if (!body.page || std::string_view(*body.page) != page) {
    // Compared whole: a page read anew may sit where the old one was.
    body.page = std::make_shared<const std::string>(page);
  }
  WriteBack(doc, output, body.back);
}

std::string RecoveryFileHead(const RecoveryBody& body, int64_t savedAt) {
  uint32_t crc = Checksum(0, body.front.View());
  if (body.page) crc = Checksum(crc, *body.page);
  crc = Checksum(crc, body.back.View());
  CByteBuffer head;
  {
    CBodyWriter w(head);
    for (char c : kMagic) w.U8(uint8_t(c));
    w.U32(kRecoveryFormatVersion);
    w.U64(uint64_t(savedAt));
    w.U64(body.Size());
    w.U32(crc);
  }
  return std::string(head.View());
}

RecoveryFault CheckRecoveryFile(std::string_view file, std::string_view& body,
                                RecoverySummary& summary) {
  if (file.size() < sizeof kMagic) {
    // A file cut within its magic is still recognisably one of ours.
    return std::memcmp(file.data(), kMagic, file.size()) == 0 ? RecoveryFault::CutShort
                                                               : RecoveryFault::Damaged;
  }
  if (std::memcmp(file.data(), kMagic, sizeof kMagic) != 0) return RecoveryFault::Damaged;
  if (file.size() < kRecoveryHeadBytes) return RecoveryFault::CutShort;
  CBodyReader head(file.substr(sizeof kMagic, kRecoveryHeadBytes - sizeof kMagic));
  const uint32_t version = head.U32();
  const int64_t savedAt = int64_t(head.U64());
  const uint64_t size = head.U64();
  const uint32_t checksum = head.U32();
  if (version > kRecoveryFormatVersion) return RecoveryFault::LaterVersion;
  if (version == 0) return RecoveryFault::Damaged;
  const uint64_t left = file.size() - kRecoveryHeadBytes;
  if (size > left) return RecoveryFault::CutShort;
  if (size < left) return RecoveryFault::Damaged;
  body = file.substr(kRecoveryHeadBytes);
  if (Checksum(0, body) != checksum) return RecoveryFault::Damaged;
  CBodyReader r(body);
  summary = RecoverySummary{};
  summary.savedAt = savedAt;
  ReadSummary(r, summary);
  return r.Bad() ? RecoveryFault::Damaged : RecoveryFault::None;
}

RecoveryFault RestoreDocument(std::string_view body, CZorvaDoc& doc,
                              RecoveryOutputChoices& output) {
  doc.DeleteContents();
  CBodyReader r(body);
  RecoverySummary summary;
  ReadSummary(r, summary);

  doc.m_nVersion = r.I32();
  for (CPoint* p : {&doc.m_ptPress, &doc.m_ptSpare1, &doc.m_ptSpare2, &doc.m_ptAnchor})
    *p = r.Point();
  ECharset charset = ECharset::Utf8;
  if (!CharsetOfNumber(r.U8(), charset)) r.Fail();
  doc.m_nCharset = charset;
  doc.m_strPicturePath = r.Text();
  doc.m_sizePicture.cx = r.I32();
  doc.m_sizePicture.cy = r.I32();

  doc.m_bFromPage = r.Flag();
  doc.m_nImgTagPos = r.I32();
  doc.m_nMapStartPos = r.I32();
  doc.m_nMapEndPos = r.I32();
  doc.m_strUseMap = r.Text();
  doc.m_bPageHasUseMap = r.Flag();
  doc.m_strMapOtherAttrs = r.Text();
  const uint64_t kept = r.Count(8);
  doc.m_listMapKept.reserve(size_t(kept));
  for (uint64_t i = 0; i < kept; ++i) {
    const int32_t begin = r.I32();
    doc.m_listMapKept.emplace_back(begin, r.I32());
  }
  doc.m_bPageSelfClosing = r.Flag();
  const bool hasPage = r.Flag();
  std::string page = r.Text();
  if (hasPage) doc.m_pszPageText = std::move(page);
  const uint64_t scripts = r.Count(8);
  for (uint64_t i = 0; i < scripts; ++i) doc.m_listScriptName.push_back(r.Text());

  output.newline = r.Text();
  for (int32_t* v : {&output.doctype, &output.charcode, &output.charcase, &output.mapForm,
                     &output.svgHover})
    *v = r.I32();

  ReadArea(r, doc.m_areaDefault);
  const uint64_t areas = r.Count(kMinAreaBytes);
  doc.m_listArea.reserve(size_t(areas));
  for (uint64_t i = 0; i < areas && !r.Bad(); ++i) {
    auto area = std::make_unique<CArea>();
    ReadArea(r, *area);
    if (area->m_nType == AREA_DEFAULT) r.Fail();
    doc.m_listArea.push_back(std::move(area));
  }
  const uint64_t guides = r.Count(5);
  for (uint64_t i = 0; i < guides; ++i) {
    auto guide = std::make_unique<CGuide>();
    guide->m_bHorizontal = r.Flag();
    guide->m_nPos = r.I32();
    doc.m_listGuide.push_back(std::move(guide));
  }

  // The page writer indexes the page text with the offsets: they must lie in it.
  const size_t pageSize = doc.m_pszPageText ? doc.m_pszPageText->size() : 0;
  bool pageOk = (!doc.m_bFromPage || doc.m_pszPageText) && pageSize <= INT32_MAX &&
                PagePosOk(doc.m_nImgTagPos, pageSize) && PagePosOk(doc.m_nMapStartPos, pageSize) &&
                PagePosOk(doc.m_nMapEndPos, pageSize);
  for (const auto& [begin, end] : doc.m_listMapKept)
    pageOk = pageOk && begin >= 0 && begin <= end && uint64_t(end) <= pageSize;
  if (!pageOk || summary.areaCount != areas || !r.AtEnd()) r.Fail();
  if (r.Bad()) {
    doc.DeleteContents();
    return RecoveryFault::Damaged;
  }
  doc.SetPathName(summary.pathName);
  doc.SetTitle(summary.title);
  return RecoveryFault::None;
}

}  // namespace zorva
