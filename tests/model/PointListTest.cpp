#include <gtest/gtest.h>

#include <iterator>
#include <list>
#include <random>
#include <set>
#include <utility>
#include <vector>

#include "model/PointList.h"

namespace {

std::vector<CPoint> Values(const CPointList& l) { return {l.begin(), l.end()}; }

std::vector<const CPoint*> Addresses(const CPointList& l) {
  std::vector<const CPoint*> v;
  for (const CPoint& p : l) v.push_back(&p);
  return v;
}

// Walking backwards must meet the same points as walking forwards.
void ExpectLinksConsistent(const CPointList& l) {
  std::vector<const CPoint*> back;
  for (auto it = l.rbegin(); it != l.rend(); ++it) back.push_back(&*it);
  std::vector<const CPoint*> forward = Addresses(l);
  ASSERT_EQ(forward.size(), l.size());
  EXPECT_EQ(std::vector<const CPoint*>(forward.rbegin(), forward.rend()), back);
}

CPointList Make(std::initializer_list<CPoint> pts) {
  CPointList l;
  for (const CPoint& p : pts) l.emplace_back(p.x, p.y);
  return l;
}

}  // namespace

// Random edits checked against std::list: each point must keep its value, its
// place in order and its address through every later insertion and erasure.
TEST(PointList, RandomEditsKeepOrderAndAddresses) {
  std::mt19937 rng(7);
  CPointList l;
  std::list<std::pair<CPoint, const CPoint*>> model;
  for (int step = 0; step < 20000; ++step) {
    int op = int(rng() % 5);
    CPoint p(int32_t(rng() % 1000), step);
    if (op == 0) {
      model.emplace_back(p, &l.emplace_back(p.x, p.y));
    } else if (op == 1) {
      model.emplace_front(p, &l.emplace_front(p.x, p.y));
    } else if (op == 2 || (op == 3 && model.empty())) {
      size_t at = model.empty() ? 0 : rng() % (model.size() + 1);
      auto it = std::next(l.begin(), std::ptrdiff_t(at));
      auto placed = l.insert(it, p);
      model.emplace(std::next(model.begin(), std::ptrdiff_t(at)), p, &*placed);
    } else {
      size_t at = rng() % model.size();
      auto next = l.erase(std::next(l.begin(), std::ptrdiff_t(at)));
      auto mnext = model.erase(std::next(model.begin(), std::ptrdiff_t(at)));
      EXPECT_EQ(next == l.end(), mnext == model.end());
      if (mnext != model.end()) {
        EXPECT_EQ(&*next, mnext->second);
      }
    }
    if (step % 997 == 0 || step == 19999) {
      ASSERT_EQ(l.size(), model.size());
      auto it = l.begin();
      for (const auto& [value, address] : model) {
        ASSERT_EQ(&*it, address);
        ASSERT_EQ(*it, value);
        ++it;
      }
      ExpectLinksConsistent(l);
    }
  }
}

TEST(PointList, EndsInsertBeforeAndErase) {
  CPointList l;
  EXPECT_TRUE(l.empty());
  EXPECT_EQ(l.begin(), l.end());
  CPoint& b = l.emplace_back(2, 2);
  CPoint& a = l.emplace_front(1, 1);
  CPoint& c = l.emplace_back(4, 4);
  EXPECT_EQ(&l.front(), &a);
  EXPECT_EQ(&l.back(), &c);
  // Insertion before a position, also through a reverse iterator's base.
  auto it = l.insert(std::prev(l.end()), CPoint(3, 3));
  EXPECT_EQ(*it, CPoint(3, 3));
  l.insert(l.rbegin().base(), CPoint(5, 5));
  EXPECT_EQ(Values(l), (std::vector<CPoint>{{1, 1}, {2, 2}, {3, 3}, {4, 4}, {5, 5}}));
  EXPECT_EQ(*l.erase(std::next(l.begin())), CPoint(3, 3));
  EXPECT_EQ(l.erase(std::prev(l.end())), l.end());
  l.erase(l.begin());
  EXPECT_EQ(Values(l), (std::vector<CPoint>{{3, 3}, {4, 4}}));
  EXPECT_EQ(&*std::next(l.begin()), &c);
  (void)b;
  ExpectLinksConsistent(l);
}

TEST(PointList, ErasedNodesAreReusedBeforeNewMemory) {
  CPointList l;
  std::vector<CPoint*> made;
  for (int i = 0; i < 50; ++i) made.push_back(&l.emplace_back(i, i));
  std::set<const CPoint*> all(made.begin(), made.end());
  // Erase and insert in cycles: the list never needs a node it has not had.
  for (int round = 0; round < 200; ++round) {
    for (int k = 0; k < 10; ++k) l.erase(l.begin());
    for (int k = 0; k < 10; ++k) EXPECT_TRUE(all.count(&l.emplace_back(round, k)));
  }
  EXPECT_EQ(l.size(), 50u);
  ExpectLinksConsistent(l);
  // The most recently erased node is the next one given out.
  const CPoint* gone = &*std::next(l.begin(), 17);
  l.erase(std::next(l.begin(), 17));
  EXPECT_EQ(&l.emplace_front(-1, -1), gone);
}

TEST(PointList, ReserveMidBlockKeepsEveryNodeDistinctAndValid) {
  CPointList l;
  for (int i = 0; i < 3; ++i) l.emplace_back(i, 0);  // part of a first block
  l.reserve(100);
  for (int i = 3; i < 300; ++i) l.emplace_back(i, 0);
  std::vector<const CPoint*> a = Addresses(l);
  EXPECT_EQ(std::set<const CPoint*>(a.begin(), a.end()).size(), 300u);
  int32_t expect = 0;
  for (const CPoint& p : l) EXPECT_EQ(p.x, expect++);
  l.reserve(10);  // smaller than the list: nothing changes
  EXPECT_EQ(Addresses(l), a);
}

TEST(PointList, MovesHandOverNodesAndLeaveAUsableEmptySource) {
  CPointList src = Make({{1, 1}, {2, 2}, {3, 3}});
  std::vector<const CPoint*> before = Addresses(src);

  CPointList moved(std::move(src));
  EXPECT_EQ(Addresses(moved), before);
  ExpectLinksConsistent(moved);
  EXPECT_TRUE(src.empty());  // NOLINT(bugprone-use-after-move): documented state
  src.emplace_back(9, 9);
  EXPECT_EQ(Values(src), (std::vector<CPoint>{{9, 9}}));

  // Into a list that has points of its own: those go, the moved ones stay put.
  CPointList target = Make({{7, 7}, {8, 8}});
  target = std::move(moved);
  EXPECT_EQ(Addresses(target), before);
  ExpectLinksConsistent(target);
  target.emplace_back(4, 4);
  target.erase(target.begin());
  EXPECT_EQ(Values(target), (std::vector<CPoint>{{2, 2}, {3, 3}, {4, 4}}));

  CPointList& alias = target;
  target = std::move(alias);
  EXPECT_EQ(Values(target), (std::vector<CPoint>{{2, 2}, {3, 3}, {4, 4}}));

  CPointList empty;
  CPointList fromEmpty(std::move(empty));
  EXPECT_TRUE(fromEmpty.empty());
  EXPECT_EQ(fromEmpty.begin(), fromEmpty.end());
  fromEmpty.emplace_front(1, 2);
  ExpectLinksConsistent(fromEmpty);
}

TEST(PointList, CopiesAreIndependent) {
  CPointList a = Make({{1, 1}, {2, 2}});
  CPointList b(a);
  EXPECT_EQ(Values(b), Values(a));
  b.front().x = 100;
  EXPECT_EQ(a.front().x, 1);
  EXPECT_NE(&a.front(), &b.front());

  CPointList c = Make({{5, 5}, {6, 6}, {7, 7}});
  c = a;
  EXPECT_EQ(Values(c), (std::vector<CPoint>{{1, 1}, {2, 2}}));
  ExpectLinksConsistent(c);
  const CPointList& alias = c;
  c = alias;
  EXPECT_EQ(Values(c), (std::vector<CPoint>{{1, 1}, {2, 2}}));
}

TEST(PointList, TruncateAndClear) {
  CPointList l = Make({{1, 1}, {2, 2}, {3, 3}, {4, 4}});
  const CPoint* second = &*std::next(l.begin());
  l.truncate(9);
  EXPECT_EQ(l.size(), 4u);
  l.truncate(2);
  EXPECT_EQ(Values(l), (std::vector<CPoint>{{1, 1}, {2, 2}}));
  EXPECT_EQ(&l.back(), second);
  ExpectLinksConsistent(l);
  l.emplace_back(5, 5);
  EXPECT_EQ(Values(l), (std::vector<CPoint>{{1, 1}, {2, 2}, {5, 5}}));
  l.truncate(0);
  EXPECT_TRUE(l.empty());

  l = Make({{1, 1}, {2, 2}});
  l.clear();
  EXPECT_TRUE(l.empty());
  EXPECT_EQ(l.begin(), l.end());
  l.emplace_front(3, 3);
  l.emplace_front(2, 2);
  EXPECT_EQ(Values(l), (std::vector<CPoint>{{2, 2}, {3, 3}}));
}

TEST(PointList, MillionPointsAtBothEnds) {
  constexpr int32_t kHalf = 500000;
  CPointList l;
  const CPoint* first = &l.emplace_back(0, 0);
  for (int32_t i = 1; i < kHalf; ++i) {
    l.emplace_back(i, 0);
    l.emplace_front(-i, 0);
  }
  ASSERT_EQ(l.size(), size_t(2 * kHalf - 1));
  int32_t expect = -(kHalf - 1);
  bool ordered = true;
  for (const CPoint& p : l) ordered = ordered && p.x == expect++;
  EXPECT_TRUE(ordered);
  EXPECT_EQ(&*std::next(l.begin(), kHalf - 1), first);
  // Drop every other point; the survivors stay where they were.
  for (auto it = l.begin(); it != l.end();) {
    it = l.erase(it);
    if (it != l.end()) ++it;
  }
  EXPECT_EQ(l.size(), size_t(kHalf - 1));
  EXPECT_EQ(l.front().x, -(kHalf - 2));
  EXPECT_EQ(l.back().x, kHalf - 2);
  CPointList moved(std::move(l));
  EXPECT_EQ(moved.size(), size_t(kHalf - 1));
}
