#pragma once
// One clickable area of the image map: its shape (a type code and up to three
// point lists), its bounding rectangle and its link attributes.
#include <climits>
#include <list>

#include "model/Object.h"
#include "model/PointList.h"
#include "model/Zoom.h"
#include "platform/Charset.h"
#include "platform/DC.h"
#include "platform/FixedPool.h"
#include "platform/Types.h"

class CArchive;

enum AreaType : int32_t {
  AREA_RECT = 0,
  AREA_ELLIPSE = 1,
  AREA_POLYGON = 2,
  AREA_BEZIER = 3,
  AREA_DEFAULT = 4,
};

// Pick tolerance in picture pixels, inclusive on both sides.
constexpr int32_t kPickTolerance = 5;

// Colour of vertex marks, always drawn with the exclusive-or pen.
constexpr COLORREF kMarkColor = RGB(225, 55, 20);

// Non-owning list of points of some area (the selected vertices).
using CPointRefList = std::list<CPoint*>;

class CArea : public CObject {
 public:
  CArea() = default;
  ~CArea() override = default;
  CArea(const CArea&) = delete;
  CArea& operator=(const CArea&) = delete;
  // Moving keeps every point at its address (the nodes move with the lists).
  CArea(CArea&&) = default;

  const char* GetClassName() const override { return "CArea"; }

  // Maps and projects hold many areas; they come from a pool so that opening
  // and closing a big document does not spend its time in the general heap.
  static void* operator new(size_t size);
  static void operator delete(void* p, size_t size) noexcept;
  void Serialize(CArchive& ar);

  // --- point lists ---
  CPoint* AddPoint(int32_t x, int32_t y);
  CPoint* AddHandle1(int32_t x, int32_t y);
  CPoint* AddHandle2(int32_t x, int32_t y);
  CPoint* InsertPoint(int32_t x, int32_t y, const CPoint* a, const CPoint* b);
  void SetEndPoint(int32_t x, int32_t y);
  void SetPendingPoint(int32_t x, int32_t y);
  bool EndPending(bool drop);
  void RemoveStartPoint();
  void RemoveEndPoint();
  void RemovePoint(const CPoint* p);
  CPoint* GetStartPoint() const;
  CPoint* GetEndPoint() const;
  // Head of the point list (first point in storage order) and its tail.
  CPoint* GetHeadPoint() const;
  CPoint* GetTailPoint() const;
  void CopyFrom(const CArea& src);
  // Moves the link texts and the comment from one charset to another;
  // characters `to` cannot hold become "?".
  void ConvertTexts(zorva::ECharset from, zorva::ECharset to);

  // --- geometry ---
  void SetBoundPoint(int32_t x, int32_t y);
  void ExtendBound(int32_t x, int32_t y);
  void RecalcBound();
  void Offset(int32_t dx, int32_t dy);
  bool HitBound(int32_t x, int32_t y) const;
  CPoint* HitPoint(int32_t x, int32_t y) const;
  bool HitOutline(int32_t x, int32_t y, bool wantEdge = false, CPoint** a = nullptr,
                  CPoint** b = nullptr) const;
  bool UpdateHtmlShape(bool recompute);
  void ConvertToPolygon();

  // Draws the outline (and vertex marks) onto `dc` at `zoom`, scrolled by
  // (sx, sy) window pixels.
  void Draw(int32_t sx, int32_t sy, Zoom zoom, CDC& dc, int rop, COLORREF color,
            bool drawMarks, const CPointRefList* selPoints, bool adjacentOnly) const;

  // --- members, in the record's own order ---
  int32_t m_nType = AREA_DEFAULT;
  bool m_bClosed = false;
  CPointList m_listPoint;
  CPointList m_listHandle1;
  CPointList m_listHandle2;
  CRect m_rcBound;
  CString m_strHref;
  CString m_strTarget;
  CString m_strAlt;
  bool m_bJavaScript = false;
  CString m_strOnClick;
  CString m_strOnMouseOver;
  CString m_strOnMouseOut;
  CString m_strComment;
  // The attributes of the page's tag that the editor does not read, as they
  // are written back after its own ("title=\"News\" class=a1"), bytes in the
  // document's charset. Project files do not hold them.
  CString m_strOtherAttrs;
  bool m_bReserved = false;
  bool m_bHtmlShape = false;
  bool m_bTailEnd = true;
  CPoint* m_pPending = nullptr;
};
