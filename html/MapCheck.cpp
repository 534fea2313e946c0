#include "html/MapCheck.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstdlib>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

#include "html/AttributeText.h"
#include "model/BoundsGrid.h"
#include "model/ZorvaDoc.h"
#include "platform/StringTable.h"

namespace zorva::html {

namespace {

// An area as the page holds it, in picture pixels.
struct Shape {
  enum class Kind { Rect, Circle, Poly } kind = Kind::Rect;
  std::vector<CPoint> points;  // the polygon's vertices
  int64_t cx = 0, cy = 0, r = 0;  // the circle
  int64_t left = 0, top = 0, right = 0, bottom = 0;
  bool flat = false;  // nothing to click

  // Whether the centre of pixel (x, y) is inside; coordinates are doubled so
  // the centre is a whole number and never lies on an edge of whole pixels.
  // Products of coordinates a page may make as large as 32 bits are taken in
  // 128 bits.
  bool HitsPixel(int64_t x, int64_t y) const {
    const int64_t px = 2 * x + 1, py = 2 * y + 1;
    switch (kind) {
      case Kind::Rect: return 2 * left <= px && px <= 2 * right && 2 * top <= py && py <= 2 * bottom;
      case Kind::Circle: {
        const __int128 dx = px - 2 * cx, dy = py - 2 * cy, d = 2 * r;
        return dx * dx + dy * dy <= d * d;
      }
      case Kind::Poly: break;
    }
    // Even-odd, as browsers test a polygon.
    bool inside = false;
    for (size_t i = 0, j = points.size() - 1; i < points.size(); j = i++) {
      const int64_t xi = 2 * int64_t(points[i].x), yi = 2 * int64_t(points[i].y);
      const int64_t xj = 2 * int64_t(points[j].x), yj = 2 * int64_t(points[j].y);
      if ((yi > py) == (yj > py)) continue;
      // px < the edge's x at py, without division.
      const __int128 lhs = __int128(px - xi) * (yj - yi), rhs = __int128(xj - xi) * (py - yi);
      if (yj > yi ? lhs < rhs : lhs > rhs) inside = !inside;
    }
    return inside;
  }
};

Shape PolygonShape(const CPointList& list) {
  Shape s;
  s.kind = Shape::Kind::Poly;
  s.points.assign(list.begin(), list.end());
  s.left = s.right = s.points.front().x;
  s.top = s.bottom = s.points.front().y;
  __int128 twiceArea = 0;
  for (size_t i = 0, j = s.points.size() - 1; i < s.points.size(); j = i++) {
    const CPoint &a = s.points[j], &b = s.points[i];
    twiceArea += __int128(int64_t(a.x) * b.y) - int64_t(b.x) * a.y;
    s.left = std::min<int64_t>(s.left, b.x);
    s.right = std::max<int64_t>(s.right, b.x);
    s.top = std::min<int64_t>(s.top, b.y);
    s.bottom = std::max<int64_t>(s.bottom, b.y);
  }
  // Two points, or all on one line: the closed outline encloses nothing.
  s.flat = twiceArea == 0;
  return s;
}

// The shape the writer would write for `a`; nothing for the areas it cannot
// write (no points, a Bezier outline).
std::optional<Shape> WrittenShape(const CArea& a) {
  if (a.m_listPoint.empty()) return std::nullopt;
  const CPoint p1 = a.m_listPoint.front(), p2 = a.m_listPoint.back();
  Shape s;
  switch (a.m_nType) {
    case AREA_RECT:
      s.left = std::min(p1.x, p2.x), s.right = std::max(p1.x, p2.x);
      s.top = std::min(p1.y, p2.y), s.bottom = std::max(p1.y, p2.y);
      s.flat = s.left == s.right || s.top == s.bottom;
      return s;
    case AREA_ELLIPSE: {
      const int64_t w = std::llabs(int64_t(p2.x) - p1.x), h = std::llabs(int64_t(p2.y) - p1.y);
      if (w != h) {
        // Written as its polygon once the user lets the writer convert it.
        CArea poly;
        poly.CopyFrom(a);
        poly.m_bClosed = true;
        poly.ConvertToPolygon();
        if (poly.m_nType != AREA_POLYGON || poly.m_listPoint.empty()) return std::nullopt;
        return PolygonShape(poly.m_listPoint);
      }
      s.kind = Shape::Kind::Circle;
      s.cx = (int64_t(p1.x) + p2.x) / 2, s.cy = (int64_t(p1.y) + p2.y) / 2, s.r = w / 2;
      s.left = s.cx - s.r, s.right = s.cx + s.r, s.top = s.cy - s.r, s.bottom = s.cy + s.r;
      s.flat = s.r == 0;
      return s;
    }
    case AREA_POLYGON: return PolygonShape(a.m_listPoint);
    default: return std::nullopt;
  }
}

// Whether every pixel of `inner` is one of `outer`'s. A large area is looked
// at on a grid of at most kGridSide pixels a side, and all the looking of one
// check shares a budget, so a map of many large areas piled alike cannot
// hold the area list up; once it is spent no more areas count as covered.
constexpr int64_t kGridSide = 256;

bool Covers(const Shape& outer, const Shape& inner, int64_t& budget) {
  if (outer.flat || outer.left > inner.left || outer.top > inner.top || outer.right < inner.right ||
      outer.bottom < inner.bottom)
    return false;
  const int64_t w = inner.right - inner.left, h = inner.bottom - inner.top;
  const int64_t stepX = std::max<int64_t>(1, (w + kGridSide - 1) / kGridSide);
  const int64_t stepY = std::max<int64_t>(1, (h + kGridSide - 1) / kGridSide);
  bool any = false;
  for (int64_t y = inner.top; y < inner.bottom; y += stepY)
    for (int64_t x = inner.left; x < inner.right; x += stepX) {
      if (--budget < 0) return false;
      if (!inner.HitsPixel(x, y)) continue;
      if (!outer.HitsPixel(x, y)) return false;
      any = true;
    }
  return any;
}

constexpr int64_t kCoverBudget = int64_t(1) << 26;

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f'; }

std::string_view Trimmed(std::string_view s) {
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
  return s;
}

bool StartsWithNoCase(std::string_view s, std::string_view prefix) {
  if (s.size() < prefix.size()) return false;
  for (size_t i = 0; i < prefix.size(); ++i)
    if (char(std::tolower(static_cast<unsigned char>(s[i]))) != prefix[i]) return false;
  return true;
}

// The faults of the link texts, which the default area has too.
void CheckLink(const CArea& a, size_t number, std::vector<MapFinding>& out) {
  if (a.m_strHref.empty()) return;  // no link: nothing to click through
  const std::string_view href = Trimmed(a.m_strHref);
  if (Trimmed(a.m_strAlt).empty()) out.push_back({number, MapFault::NoAlt});
  if (href.empty() || href == "#") out.push_back({number, MapFault::EmptyLink});
  if (StartsWithNoCase(href, "javascript:") && !a.m_bJavaScript) out.push_back({number, MapFault::ScriptLink});
}

}  // namespace

namespace {

// What an area's shape shows by itself: no surface, or beyond the picture.
// False when there is no surface, which leaves nothing to be covered.
bool CheckShape(const Shape& s, size_t number, int64_t width, int64_t height, std::vector<MapFinding>& out) {
  if (s.flat) {
    out.push_back({number, MapFault::NotClickable});
    return false;
  }
  if (width > 0 && height > 0) {
    if (s.right <= 0 || s.bottom <= 0 || s.left >= width || s.top >= height)
      out.push_back({number, MapFault::OutsidePicture});
    else if (s.left < 0 || s.top < 0 || s.right > width || s.bottom > height)
      out.push_back({number, MapFault::PartlyOutside});
  }
  return true;
}

// The default area's link, and the picture the whole map lies on.
void CheckMapItself(const CZorvaDoc& doc, size_t number, std::vector<MapFinding>& out) {
  CheckLink(doc.m_areaDefault, number, out);
  if (!doc.m_strPicturePath.empty() && !doc.m_bPictureLoaded) out.push_back({number, MapFault::PictureMissing});
}

// The attributes that name an element: a page holds each value once.
constexpr std::string_view kIdentifiers[] = {"id", "name"};

// Finds an identifier of area `number` (`a`) that an area above has too;
// `above(j)` gives the area numbered j + 1.
template <typename Above>
void CheckIdentifiers(const CArea& a, size_t number, Above above, std::vector<MapFinding>& out) {
  if (a.m_strOtherAttrs.empty()) return;
  for (std::string_view name : kIdentifiers) {
    const auto value = KeptAttributeValue(a.m_strOtherAttrs, name);
    if (!value) continue;
    for (size_t j = 0; j + 1 < number; ++j) {
      const CArea& other = above(j);
      if (!other.m_strOtherAttrs.empty() && KeptAttributeValue(other.m_strOtherAttrs, name) == value) {
        out.push_back({number, MapFault::DuplicateId, j + 1});
        return;
      }
    }
  }
}

void SortFindings(std::vector<MapFinding>& out) {
  std::stable_sort(out.begin(), out.end(), [](const MapFinding& a, const MapFinding& b) {
    return a.area != b.area ? a.area < b.area : a.fault < b.fault;
  });
}

}  // namespace

std::vector<MapFinding> CheckMap(const CZorvaDoc& doc) {
  // The list from the top: a browser gives a shared pixel to the first area
  // of the map, which is the topmost.
  std::vector<const CArea*> areas(doc.m_listArea.rbegin(), doc.m_listArea.rend());
  std::vector<std::optional<Shape>> shapes;
  shapes.reserve(areas.size());
  std::vector<BoundsRect> bounds;
  bounds.reserve(areas.size());
  for (const CArea* a : areas) {
    shapes.push_back(WrittenShape(*a));
    const std::optional<Shape>& s = shapes.back();
    // A shape that cannot cover gets bounds no point lies in.
    bounds.push_back(s && !s->flat ? BoundsRect{s->left, s->top, s->right, s->bottom} : BoundsRect{1, 1, 0, 0});
  }
  // Only a shape whose bounds hold this one's can cover it; those hold its
  // top left corner, which the grid finds. They are tried from the top, as
  // one pass over every area above would, so the budget goes alike.
  const CBoundsGrid grid(bounds);
  std::vector<uint32_t> near;
  int64_t budget = kCoverBudget;
  std::vector<MapFinding> out;
  // The first area from the top holding each identifier.
  std::unordered_map<std::string, size_t> firstWith[std::size(kIdentifiers)];
  for (size_t i = 0; i < areas.size(); ++i) {
    const size_t number = i + 1;
    CheckLink(*areas[i], number, out);
    for (size_t k = 0; k < std::size(kIdentifiers) && !areas[i]->m_strOtherAttrs.empty(); ++k)
      if (const auto value = KeptAttributeValue(areas[i]->m_strOtherAttrs, kIdentifiers[k])) {
        const auto [at, first] = firstWith[k].emplace(std::string(*value), number);
        if (!first) {
          out.push_back({number, MapFault::DuplicateId, at->second});
          break;
        }
      }
    if (!shapes[i] || !CheckShape(*shapes[i], number, doc.m_sizePicture.cx, doc.m_sizePicture.cy, out)) continue;
    grid.Containing(shapes[i]->left, shapes[i]->top, near);
    for (const uint32_t j : near) {
      if (j >= i) break;
      if (Covers(*shapes[j], *shapes[i], budget)) {
        out.push_back({number, MapFault::Covered, j + 1});
        break;
      }
    }
  }
  CheckMapItself(doc, areas.size() + 1, out);
  SortFindings(out);
  return out;
}

AreaBoundsIndex IndexAreaBounds(const CZorvaDoc& doc) {
  AreaBoundsIndex index;
  index.areas.assign(doc.m_listArea.begin(), doc.m_listArea.end());
  std::vector<BoundsRect> bounds;
  bounds.reserve(index.areas.size());
  for (const CArea* a : index.areas) {
    const CRect& b = a->m_rcBound;
    bounds.push_back({b.left, b.top, b.right, b.bottom});
  }
  index.grid = CBoundsGrid(bounds);
  return index;
}

std::vector<MapFinding> CheckArea(const CZorvaDoc& doc, size_t number, const AreaBoundsIndex& index) {
  std::vector<MapFinding> out;
  const size_t n = doc.m_listArea.size();
  if (number == 0 || number > n + 1) return out;
  if (number == n + 1) {
    CheckMapItself(doc, number, out);
    SortFindings(out);
    return out;
  }
  const size_t at = n - number;  // in the list, bottom first
  const CArea& area = *doc.m_listArea.At(at);
  CheckLink(area, number, out);
  CheckIdentifiers(area, number, [&](size_t j) -> const CArea& { return *doc.m_listArea.At(n - 1 - j); }, out);
  const std::optional<Shape> shape = WrittenShape(area);
  if (shape && CheckShape(*shape, number, doc.m_sizePicture.cx, doc.m_sizePicture.cy, out)) {
    // A shape lies within its area's bounds, so only an area whose bounds
    // hold this shape's can cover it; no other is made into a shape. The
    // grid lists them bottom first: the topmost is tried first.
    int64_t budget = kCoverBudget;
    std::vector<uint32_t> near;
    index.grid.Containing(shape->left, shape->top, near);
    for (auto it = near.rbegin(); it != near.rend(); ++it) {
      const size_t k = *it;
      if (k >= n || index.areas[k] != doc.m_listArea.At(k)) continue;  // gone or moved in the list since
      if (k <= at) break;
      const CRect& b = index.areas[k]->m_rcBound;
      if (b.left > shape->left || b.top > shape->top || b.right < shape->right || b.bottom < shape->bottom)
        continue;
      const std::optional<Shape> outer = WrittenShape(*index.areas[k]);
      if (outer && Covers(*outer, *shape, budget)) {
        out.push_back({number, MapFault::Covered, n - k});
        break;
      }
    }
  }
  SortFindings(out);
  return out;
}

bool AreaTakesPixel(const CArea& area, int32_t x, int32_t y) {
  const CRect& b = area.m_rcBound;
  if (x < b.left || x > b.right || y < b.top || y > b.bottom) return false;
  const std::optional<Shape> shape = WrittenShape(area);
  return shape && !shape->flat && shape->HitsPixel(x, y);
}

std::string FindingText(const MapFinding& f) {
  switch (f.fault) {
    case MapFault::NoAlt: return LoadStringUtf8(65030);
    case MapFault::NotClickable: return LoadStringUtf8(65031);
    case MapFault::OutsidePicture: return LoadStringUtf8(65032);
    case MapFault::PartlyOutside: return LoadStringUtf8(65033);
    case MapFault::Covered: return FormatString(65034, {std::to_string(f.coveredBy)});
    case MapFault::EmptyLink: return LoadStringUtf8(65035);
    case MapFault::ScriptLink: return LoadStringUtf8(65036);
    case MapFault::PictureMissing: return LoadStringUtf8(65037);
    case MapFault::DuplicateId: return FormatString(65050, {std::to_string(f.coveredBy)});
  }
  return {};
}

}  // namespace zorva::html
