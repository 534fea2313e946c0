#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "TestSupport.h"
#include "html/HtmlSettingsDefaults.h"
#include "platform/FileSystem.h"
#include "platform/MessageQueue.h"
#include "platform/SettingsStore.h"

using namespace zorva;

TEST(SettingsDefaults, FirstStartWritesTheThreeDefaultsButNotCharcase) {
  CMemorySettingsStore store;
  CompleteHtmlSettings(store);
  EXPECT_EQ(store.GetString("Settings", "newline", "?"), "\r\n");
  EXPECT_EQ(store.GetInt("Settings", "doctype", -5), 2);
  EXPECT_EQ(store.GetInt("Settings", "charcode", -5), 1);
  EXPECT_FALSE(store.Has("Settings", "charcase"));
}

TEST(SettingsDefaults, StoredValuesStayEvenWhenZeroOrCr) {
  CMemorySettingsStore store;
  store.WriteString("Settings", "newline", "\r");
  store.WriteInt("Settings", "doctype", 0);
  store.WriteInt("Settings", "charcode", 2);
  CompleteHtmlSettings(store);
  EXPECT_EQ(store.GetString("Settings", "newline", "?"), "\r");
  EXPECT_EQ(store.GetInt("Settings", "doctype", -5), 0);
  EXPECT_EQ(store.GetInt("Settings", "charcode", -5), 2);
  // A stored -1 means absent and is replaced.
  store.WriteInt("Settings", "doctype", -1);
  CompleteHtmlSettings(store);
  EXPECT_EQ(store.GetInt("Settings", "doctype", -5), 2);
}

TEST(MessageQueue, DeliversInOrderAcrossThreadsAndWakes) {
  CMessageQueue q;
  std::atomic<int> wakes{0};
  q.SetWakeCallback([&] { ++wakes; });
  std::thread t1([&] {
    for (int i = 0; i < 1000; ++i) q.PostMessage(0, UM_LOADNOTIFY, 1, i);
  });
  std::thread t2([&] {
    for (int i = 0; i < 1000; ++i) q.PostMessage(1, UM_APPLYPANEL, 2, i);
  });
  t1.join();
  t2.join();
  EXPECT_EQ(wakes.load(), 2000);
  intptr_t last0 = -1, last1 = -1;
  size_t n = q.Drain([&](const Message& m) {
    intptr_t& last = m.target == 0 ? last0 : last1;
    EXPECT_EQ(m.lParam, last + 1);
    last = m.lParam;
  });
  EXPECT_EQ(n, 2000u);
  EXPECT_EQ(q.Pending(), 0u);
  EXPECT_EQ(UM_LOADNOTIFY, 0x469u);
  EXPECT_EQ(UM_VIEWRECT, 0x465u);
}

TEST(MessageQueue, MessagesPostedWhileDrainingAreHandledInTheSameDrain) {
  CMessageQueue q;
  q.PostMessage(0, 1, 0, 0);
  int seen = 0;
  q.Drain([&](const Message& m) {
    ++seen;
    if (m.msg == 1) q.PostMessage(0, 2, 0, 0);
  });
  EXPECT_EQ(seen, 2);
}

TEST(FileSystem, ReplacingWriteKeepsOldFileWhenFolderIsMissing) {
  test::TempDir dir;
  std::string target = dir.File("page.html");
  ASSERT_TRUE(WriteFileReplacing(target, "first"));
  EXPECT_EQ(test::ReadFileBytes(target), "first");
  ASSERT_TRUE(WriteFileReplacing(target, "second"));
  EXPECT_EQ(test::ReadFileBytes(target), "second");
  int err = 0;
  EXPECT_FALSE(WriteFileReplacing(dir.File("no/such/x.html"), "x", &err));
  EXPECT_EQ(FileErrorStringId(err), 61858u);
  // No temporary files are left behind.
  int count = 0;
  for (auto& e : std::filesystem::directory_iterator(dir.path())) (void)e, ++count;
  EXPECT_EQ(count, 1);
  std::string data;
  EXPECT_FALSE(ReadWholeFile(dir.File("missing"), data, &err, 100));
  EXPECT_EQ(FileErrorStringId(err), 61858u);
  EXPECT_TRUE(ReadWholeFile(target, data, &err, 100));
  EXPECT_EQ(data, "second");
}
