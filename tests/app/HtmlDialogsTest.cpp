#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QLayout>
#include <QImage>
#include <QTreeWidget>
#include <QRadioButton>

#include "FrameTestSupport.h"
#include "html/HtmlSettingsDefaults.h"
#include "platform/SettingsStore.h"
#include "ui/HtmlSettingsDlg.h"
#include "ui/ImageSelectDlg.h"

namespace {

std::vector<int> Checked(const CHtmlSettingsDlg& dlg) {
  std::vector<int> ids;
  for (int id : {1030, 1031, 1032, 1033, 1034, 1035, 1039, 1036, 1037, 1041, 1040, 1063, 1064, 1065})
    if (dlg.Button(id)->isChecked()) ids.push_back(id);
  return ids;
}

}  // namespace

TEST(HtmlSettingsDialog, ShowsTheStoreAndWritesItBackOnOk) {
  zorva::test::EnsureQApplication();
  zorva::CMemorySettingsStore store;
  zorva::CompleteHtmlSettings(store);
  store.WriteInt("Settings", "doctype", 1);
  store.WriteInt("Settings", "charcode", 2);
  CHtmlSettingsDlg dlg(store);
  EXPECT_EQ(dlg.windowTitle(), QString::fromUtf8("HTML出力設定"));
  EXPECT_EQ(Checked(dlg), (std::vector<int>{1030, 1039, 1037, 1063}));
  EXPECT_FALSE(dlg.Button(1037)->isEnabled());
  EXPECT_EQ(dlg.Button(1039)->text(), QString::fromUtf8("不要"));

  // HTML5 stands with the other doctypes, above "none".
  EXPECT_EQ(dlg.Button(1042)->text(), QString::fromUtf8("HTML5"));
  dlg.show();
  EXPECT_LT(dlg.Button(1042)->y(), dlg.Button(1039)->y());
  dlg.Button(1042)->click();
  EXPECT_FALSE(dlg.Button(1039)->isChecked());
  dlg.Button(1032)->click();
  dlg.Button(1065)->click();
  dlg.Button(1039)->click();
  EXPECT_EQ(Checked(dlg), (std::vector<int>{1032, 1039, 1037, 1065}));
  dlg.accept();
  EXPECT_EQ(store.GetString("Settings", "newline", "?"), "\n");
  EXPECT_EQ(store.GetInt("Settings", "doctype", -9), 0);
  EXPECT_EQ(store.GetInt("Settings", "charcode", -9), 2);
  EXPECT_EQ(store.GetInt("Settings", "charcase", -9), 2);
}

TEST(HtmlSettingsDialog, UnknownValuesSelectNothingAndCancelWritesNothing) {
  zorva::test::EnsureQApplication();
  zorva::CMemorySettingsStore store;
  store.WriteString("Settings", "newline", "x");
  store.WriteInt("Settings", "doctype", 3);
  store.WriteInt("Settings", "charcode", 5);
  store.WriteInt("Settings", "charcase", 9);
  {
    CHtmlSettingsDlg dlg(store);
    EXPECT_EQ(Checked(dlg), (std::vector<int>{1034}));
    dlg.Button(1031)->click();
    dlg.Button(1036)->click();
    dlg.reject();
  }
  EXPECT_EQ(store.GetString("Settings", "newline", "?"), "x");
  EXPECT_EQ(store.GetInt("Settings", "charcode", -9), 5);
  {
    CHtmlSettingsDlg dlg(store);
    dlg.accept();
  }
  // OK keeps what no button stood for, except the letter case.
  EXPECT_EQ(store.GetString("Settings", "newline", "?"), "x");
  EXPECT_EQ(store.GetInt("Settings", "doctype", -9), 3);
  EXPECT_EQ(store.GetInt("Settings", "charcode", -9), 5);
  EXPECT_EQ(store.GetInt("Settings", "charcase", -9), -1);
}

TEST(HtmlSettingsDialog, TheMapFormAndItsHoverHighlightGoToTheirOwnKeys) {
  zorva::test::EnsureQApplication();
  zorva::CMemorySettingsStore store;
  zorva::CompleteHtmlSettings(store);
  {
    CHtmlSettingsDlg dlg(store);
    EXPECT_TRUE(dlg.Button(1066)->isChecked());
    EXPECT_EQ(dlg.Button(1067)->text(), QString::fromUtf8("レスポンシブ (SVG)"));
    EXPECT_FALSE(dlg.HoverBox()->isChecked());
    dlg.Button(1067)->click();
    dlg.HoverBox()->click();
    dlg.accept();
  }
  EXPECT_EQ(store.GetInt("Settings", "mapform", -9), 1);
  EXPECT_EQ(store.GetInt("Settings", "svghover", -9), 1);
  // The old four are as they were.
  EXPECT_EQ(Checked(CHtmlSettingsDlg(store)), (std::vector<int>{1030, 1033, 1036, 1063}));
  CHtmlSettingsDlg again(store);
  EXPECT_TRUE(again.Button(1067)->isChecked());
  EXPECT_TRUE(again.HoverBox()->isChecked());
  again.Button(1066)->click();
  again.reject();
  EXPECT_EQ(store.GetInt("Settings", "mapform", -9), 1);
}

TEST(HtmlSettingsDialog, Utf8StandsBeforeNoneAndEachStoredCharcodeKeepsItsButton) {
  zorva::test::EnsureQApplication();
  const struct {
    int stored, button;
  } cases[] = {{1, 1036}, {2, 1037}, {3, 1041}, {0, 1040}};
  for (const auto& c : cases) {
    zorva::CMemorySettingsStore store;
    zorva::CompleteHtmlSettings(store);
    store.WriteInt("Settings", "charcode", c.stored);
    CHtmlSettingsDlg dlg(store);
    EXPECT_EQ(Checked(dlg), (std::vector<int>{1030, 1033, c.button, 1063})) << c.stored;
    QRadioButton* utf8 = dlg.Button(1041);
    EXPECT_EQ(utf8->text(), QString::fromUtf8("UTF-8"));
    EXPECT_EQ(utf8->parentWidget()->layout()->indexOf(utf8), 2);  // Shift_JIS, EUC-JP, UTF-8, none
    dlg.accept();
    EXPECT_EQ(store.GetInt("Settings", "charcode", -9), c.stored);
  }
}

TEST(ImageSelectDialog, RowsTellImagesApartFirstSelectedDoubleClickChoosesCancelGivesMinusOne) {
  zorva::test::EnsureQApplication();
  zorva::test::TempDir dir;
  const std::string picture = dir.File("banner-2024-spring-campaign-large-b.png");
  ASSERT_TRUE(QImage(40, 30, QImage::Format_RGB32).save(QString::fromStdString(picture)));
  // Sources alike but for their ends, one picture missing.
  const std::string common = "images/campaigns/2024/spring/banner-2024-spring-campaign-large-";
  const std::vector<ImageChoice> images = {
      {" Yes          images/campaigns/2024/", common + "a.png", true, "#top", dir.File("missing.png")},
      {"  No          images/campaigns/2024/", common + "b.png", false, "", picture}};
  {
    CImageSelectDlg dlg(images);
    ASSERT_EQ(dlg.List()->topLevelItemCount(), 2);
    EXPECT_EQ(dlg.List()->currentItem(), dlg.List()->topLevelItem(0));
    const QStringList expected[] = {
        {QStringLiteral("あり"), QString::fromStdString(common + "a.png"), QStringLiteral("開けません")},
        {QStringLiteral("なし"), QString::fromStdString(common + "b.png"), QStringLiteral("40 × 30")}};
    for (int row = 0; row < 2; ++row)
      for (int column = 0; column < 3; ++column)
        EXPECT_EQ(dlg.List()->topLevelItem(row)->text(column), expected[row][column]) << row << column;
    EXPECT_EQ(dlg.List()->headerItem()->text(CImageSelectDlg::kSourceColumn), QStringLiteral("イメージファイル名"));
    dlg.accept();
    EXPECT_EQ(dlg.Chosen(), 0);
  }
  {
    CImageSelectDlg dlg(images);
    emit dlg.List()->itemDoubleClicked(dlg.List()->topLevelItem(1), 0);
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_EQ(dlg.Chosen(), 1);
  }
  {
    CImageSelectDlg dlg(images);
    dlg.List()->setCurrentItem(dlg.List()->topLevelItem(1));
    dlg.reject();
    EXPECT_EQ(dlg.Chosen(), -1);
  }
}
