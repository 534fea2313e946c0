// The history without a view: a random session edits through the view, the
// view goes, and the document alone walks its history back to the first
// state and forward to the last, with the same listeners' reports a view
// would repaint from.
#include <gtest/gtest.h>

#include "RandomSession.h"

namespace zorva::test {
namespace {

// Counts what the document tells and checks that each report names an area
// that is where the report says.
struct ReportCheck : IDocumentListener {
  explicit ReportCheck(CZorvaDoc& d) : doc(d) {}
  void AreaInserted(const CArea& a, size_t pos) override {
    ++reports;
    if (!Listed(a, pos)) wrong = "an insertion named the wrong position";
  }
  void AreaRemoved(const CArea& a, size_t pos) override {
    ++reports;
    if (doc.m_listArea.Contains(&a) || pos > doc.m_listArea.size()) wrong = "a removal named a listed area";
  }
  void AreaChanged(const CArea& a, size_t pos, const CRect&) override {
    ++reports;
    if (!Listed(a, pos)) wrong = "a change named the wrong position";
  }
  void GuideChanged(const CGuide&, const CGuide*) override { ++reports; }
  bool Listed(const CArea& a, size_t pos) const { return pos < doc.m_listArea.size() && doc.m_listArea.At(pos) == &a; }
  CZorvaDoc& doc;
  int reports = 0;
  std::string wrong;
};

std::string CheckHeadlessHistory(ByteSource& src, int steps) {
  ViewFixture f;
  RandomSession s(f, src);
  s.MakeDocument();
  f.view->OnUpdate();
  const std::string first = HistoryBytes(f.doc);
  s.Run(steps);
  auto fail = [&s](const std::string& what) { return what + "\n" + s.Trace(); };
  // Closing ends a gesture; then nothing of the view is left.
  f.view->CancelGesture();
  f.view.reset();
  const std::string last = HistoryBytes(f.doc);

  ReportCheck check(f.doc);
  f.doc.AddListener(&check);
  int undos = 0;
  while (f.doc.Undo()) {
    ++undos;
    if (!SelectionIsOwnedBySelArea(f.doc)) return fail("an undo left a selected point of another area");
    if (f.doc.m_pSelArea && !f.doc.m_listArea.Contains(f.doc.m_pSelArea))
      return fail("an undo selected an area out of the document");
  }
  if (HistoryBytes(f.doc) != first) return fail("undoing everything headless did not restore the document");
  if (f.doc.IsModified()) return fail("the document is still modified after undoing everything");
  if (check.reports < undos) return fail("an undo changed the document without telling");
  for (int i = 0; i < undos; ++i)
    if (!f.doc.Redo()) return fail("a step could not be redone");
  if (HistoryBytes(f.doc) != last) return fail("redoing everything headless did not give the last document");
  f.doc.RemoveListener(&check);
  if (!check.wrong.empty()) return fail(check.wrong);
  return {};
}

TEST(HeadlessHistory, UndoAndRedoNeedNoView) {
  for (uint32_t seed = 1; seed <= 200; ++seed) {
    ByteSource src(seed);
    const std::string problem = CheckHeadlessHistory(src, 80);
    ASSERT_EQ(problem, "") << "seed " << seed;
  }
}

}  // namespace
}  // namespace zorva::test
