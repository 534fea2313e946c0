#include <gtest/gtest.h>

#include "html/HtmlSettings.h"
#include "html/HtmlSettingsDefaults.h"

using namespace zorva;

namespace {
HtmlSettingsIndices Load(CMemorySettingsStore& store) { return LoadHtmlSettingsIndices(store); }
}  // namespace

TEST(HtmlSettingsExchange, FreshInstallationOpensWithItsDefaultsSelected) {
  CMemorySettingsStore store;
  CompleteHtmlSettings(store);
  EXPECT_EQ(Load(store), (HtmlSettingsIndices{0, 0, 0, 0}));
  // An empty store reads as CR LF, no DOCTYPE, no META, mixed case.
  CMemorySettingsStore empty;
  EXPECT_EQ(Load(empty), (HtmlSettingsIndices{0, 3, 3, 0}));
}

TEST(HtmlSettingsExchange, StoredValuesMapToButtonsAndBack) {
  const struct {
    const char* newline;
    int doctype, charcode, charcase;
    HtmlSettingsIndices ix;
  } cases[] = {
      {"\r", 3, 2, 1, {1, 1, 1, 1}},
      {"\n", 4, 0, 2, {2, 2, 3, 2}},
      {"\r\n", 0, 1, 0, {0, 3, 0, 0}},
      // UTF-8, the button before "none", is stored as 3.
      {"\r\n", 2, 3, 0, {0, 0, 2, 0}},
      // HTML5 is stored as 5; its button comes after "none" in index order.
      {"\n", 5, 3, 0, {2, 4, 2, 0}},
  };
  for (const auto& c : cases) {
    CMemorySettingsStore store;
    store.WriteString("Settings", "newline", c.newline);
    store.WriteInt("Settings", "doctype", c.doctype);
    store.WriteInt("Settings", "charcode", c.charcode);
    store.WriteInt("Settings", "charcase", c.charcase);
    EXPECT_EQ(Load(store), c.ix) << c.doctype;
    CMemorySettingsStore back;
    SaveHtmlSettingsIndices(back, c.ix);
    EXPECT_EQ(back.GetString("Settings", "newline", "?"), c.newline);
    EXPECT_EQ(back.GetInt("Settings", "doctype", -9), c.doctype);
    EXPECT_EQ(back.GetInt("Settings", "charcode", -9), c.charcode);
    EXPECT_EQ(back.GetInt("Settings", "charcase", -9), c.charcase);
  }
}

TEST(HtmlSettingsExchange, UnknownValuesShowAsNoneAndSurviveOk) {
  CMemorySettingsStore store;
  store.WriteString("Settings", "newline", "\r\r");
  store.WriteInt("Settings", "doctype", 1);
  store.WriteInt("Settings", "charcode", 5);
  HtmlSettingsIndices ix = Load(store);
  EXPECT_EQ(ix.newline, -1);
  EXPECT_EQ(ix.doctype, 3);  // "none"
  EXPECT_EQ(ix.charcode, -1);
  SaveHtmlSettingsIndices(store, ix);
  EXPECT_EQ(store.GetString("Settings", "newline", "?"), "\r\r");
  EXPECT_EQ(store.GetInt("Settings", "doctype", -9), 0);
  EXPECT_EQ(store.GetInt("Settings", "charcode", -9), 5);
  // The letter case is stored as its index even when no button is selected.
  SaveHtmlSettingsIndices(store, {0, 0, 0, -1});
  EXPECT_EQ(store.GetInt("Settings", "charcase", 0), -1);
}

TEST(HtmlSettingsExchange, WriterReadsAbsentValuesAsDefaults) {
  CMemorySettingsStore store;
  HtmlOutputSettings s = ReadHtmlOutputSettings(store);
  EXPECT_EQ(s.newline, "\r\n");
  EXPECT_EQ(s.doctype, 0);
  EXPECT_EQ(s.charcode, 0);
  EXPECT_EQ(s.charcase, 0);
}

TEST(HtmlSettingsExchange, MapFormAndHoverAreStoredApartFromTheOldFour) {
  const struct {
    int stored, hover;
    MapForm form;
    bool svgHover;
    int index;
  } cases[] = {
      {-99, -99, MapForm::Classic, false, 0},  // absent
      {1, 1, MapForm::Svg, true, 1},
      {0, 0, MapForm::Classic, false, 0},
      {7, 2, MapForm::Classic, false, 0},  // a form this version does not know
  };
  for (const auto& c : cases) {
    CMemorySettingsStore store;
    if (c.stored != -99) store.WriteInt("Settings", "mapform", c.stored);
    if (c.hover != -99) store.WriteInt("Settings", "svghover", c.hover);
    const HtmlOutputSettings s = ReadHtmlOutputSettings(store);
    EXPECT_EQ(s.mapForm, c.form) << c.stored;
    EXPECT_EQ(s.svgHover, c.svgHover) << c.hover;
    const HtmlSettingsIndices ix = Load(store);
    EXPECT_EQ(ix.mapForm, c.index);
    EXPECT_EQ(ix.svgHover, c.svgHover);
    CMemorySettingsStore back;
    SaveHtmlSettingsIndices(back, ix);
    EXPECT_EQ(back.GetInt("Settings", "mapform", -9), c.index);
    EXPECT_EQ(back.GetInt("Settings", "svghover", -9), c.svgHover ? 1 : 0);
  }
  // Start-up completes the old four only.
  CMemorySettingsStore fresh;
  CompleteHtmlSettings(fresh);
  EXPECT_EQ(fresh.GetInt("Settings", "mapform", -9), -9);
}
