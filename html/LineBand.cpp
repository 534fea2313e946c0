#include "html/LineBand.h"

#include <cmath>

namespace zorva::html {

namespace {

struct Vec {
  double x, y;
};

CPoint Rounded(double x, double y) { return CPoint(int32_t(std::lround(x)), int32_t(std::lround(y))); }

// Beyond this turn (the normals' cosine below it) a mitred corner would reach
// more than twice the half width from the vertex; it is bevelled instead.
constexpr double kMiterCosine = -0.5;

}  // namespace

std::vector<CPoint> LineBand(const std::vector<CPoint>& points, int width) {
  std::vector<CPoint> line;
  for (const CPoint& p : points)
    if (line.empty() || p != line.back()) line.push_back(p);
  std::vector<CPoint> band;
  if (line.empty()) return band;
  const double h = width / 2.0;
  if (line.size() == 1) {
    const CPoint& p = line.front();
    for (auto [sx, sy] : {std::pair{-1, -1}, {1, -1}, {1, 1}, {-1, 1}}) band.push_back(Rounded(p.x + sx * h, p.y + sy * h));
    return band;
  }
  // Each segment's unit direction and left normal.
  std::vector<Vec> dir, normal;
  for (size_t i = 0; i + 1 < line.size(); ++i) {
    const double dx = double(line[i + 1].x) - line[i].x, dy = double(line[i + 1].y) - line[i].y;
    const double len = std::hypot(dx, dy);
    dir.push_back({dx / len, dy / len});
    normal.push_back({-dy / len, dx / len});
  }
  const size_t last = dir.size() - 1;
  // One side of the band (`s` 1 for the left, -1 for the right), from the
  // first point to the last: the ends pushed out half the width, each corner
  // where the two segments' offset edges meet.
  auto side = [&](double s) {
    std::vector<CPoint> chain;
    const CPoint& first = line.front();
    chain.push_back(Rounded(first.x + s * h * normal[0].x - h * dir[0].x, first.y + s * h * normal[0].y - h * dir[0].y));
    for (size_t i = 1; i < line.size() - 1; ++i) {
      const Vec& a = normal[i - 1];
      const Vec& b = normal[i];
      const double c = a.x * b.x + a.y * b.y;
      const CPoint& p = line[i];
      if (c >= kMiterCosine) {
        const double k = s * h / (1 + c);
        chain.push_back(Rounded(p.x + k * (a.x + b.x), p.y + k * (a.y + b.y)));
      } else {
        chain.push_back(Rounded(p.x + s * h * a.x, p.y + s * h * a.y));
        chain.push_back(Rounded(p.x + s * h * b.x, p.y + s * h * b.y));
      }
    }
    const CPoint& end = line.back();
    chain.push_back(
        Rounded(end.x + s * h * normal[last].x + h * dir[last].x, end.y + s * h * normal[last].y + h * dir[last].y));
    return chain;
  };
  band = side(1);
  const std::vector<CPoint> right = side(-1);
  band.insert(band.end(), right.rbegin(), right.rend());
  // Rounding may bring neighbours together.
  std::vector<CPoint> out;
  for (const CPoint& p : band)
    if (out.empty() || p != out.back()) out.push_back(p);
  if (out.size() > 1 && out.front() == out.back()) out.pop_back();
  return out;
}

}  // namespace zorva::html
