// The loader thread's frame: what the view and the status bar hear, which
// load wins when loads overlap, closing while a load runs, and pictures too
// large to hold.
#include <gtest/gtest.h>
#include <png.h>
#include <zlib.h>

#include <thread>

#include "ImageTestSupport.h"
#include "platform/MessageQueue.h"
#include "platform/StringTable.h"

using namespace zorva::test;
using zorva::UM_LOADNOTIFY;

namespace {

// Holds the first worker that begins its progress display until the test
// opens the gate, so a test knows where that worker stands.
class GateHost : public WaitingHost {
 public:
  void BeginProgress(const std::string& text) override {
    WaitingHost::BeginProgress(text);
    std::unique_lock<std::mutex> lock(m_gateMutex);
    if (m_held++ > 0) return;
    m_cv.notify_all();
    m_cv.wait(lock, [&] { return m_open; });
  }
  bool WaitUntilHeld() {
    std::unique_lock<std::mutex> lock(m_gateMutex);
    return m_cv.wait_for(lock, std::chrono::seconds(60), [&] { return m_held > 0; });
  }
  void Open() {
    std::lock_guard<std::mutex> lock(m_gateMutex);
    m_open = true;
    m_cv.notify_all();
  }

 private:
  std::mutex m_gateMutex;
  std::condition_variable m_cv;
  int m_held = 0;
  bool m_open = false;
};

std::string MakePng(const TempDir& dir, const std::string& name, int w, int h, uint16_t level) {
  PngRecipe s;
  s.width = w;
  s.height = h;
  s.colourType = PNG_COLOR_TYPE_GRAY;
  s.samples.assign(size_t(w) * h, level);
  std::string path = dir.File(name);
  WritePng(path, s);
  return path;
}

int Count(const std::vector<FakeDocumentHost::Posted>& posted, uintptr_t w, intptr_t l) {
  int n = 0;
  for (const auto& p : posted) n += p.msg == UM_LOADNOTIFY && p.wParam == w && p.lParam == l;
  return n;
}

}  // namespace

TEST(PictureLoader, EachFormatReportsStartProgressAndEndInOrder) {
  TempDir dir;
  std::string jpg = dir.File("photo.jpg");
  WriteJpeg(jpg, 30, 200, 3, TestSamples(30, 200, 3));
  std::string png = MakePng(dir, "map.png", 7, 200, 9);
  GifRecipe g;
  g.width = 5;
  g.height = 200;
  g.globalTable = {RGB(1, 2, 3), RGB(4, 5, 6)};
  g.minCodeSize = 2;
  g.indices.assign(1000, 1);
  std::string gif = dir.File("anim.gif");
  WriteFileBytes(gif, MakeGif(g));

  struct Case {
    std::string path;
    PictureFormat format;
    std::string text;
  } cases[] = {
      {jpg, PictureFormat::Jpeg, "JPEGファイル\"photo.jpg\"を読み込み中です"},
      {png, PictureFormat::Png, "PNGﾌｧｲﾙ\"map.png\"を読み込み中です"},
      {gif, PictureFormat::Gif, "GIFファイル\"anim.gif\"を読み込み中です"},
  };
  for (const Case& c : cases) {
    LoadFixture f;
    ASSERT_TRUE(f.Load(c.path, c.format));
    auto posted = f.host.PostedCopy();
    ASSERT_EQ(posted.size(), 2u) << c.text;
    EXPECT_EQ(posted[0].wParam, 1u);
    EXPECT_EQ(posted[0].lParam, 1);
    EXPECT_EQ(posted[1].wParam, 1u);
    EXPECT_EQ(posted[1].lParam, 0);
    EXPECT_EQ(f.host.progressTexts, std::vector<std::string>{c.text});
    EXPECT_EQ(f.host.progressEnds, 1);
    // Every fifth percent once, in order, from 0 to 95.
    std::vector<int> steps;
    for (int p = 0; p < 100; p += 5) steps.push_back(p);
    EXPECT_EQ(f.host.progressValues, steps) << c.text;
    EXPECT_EQ(f.doc.m_sizePicture.cy, 200);
    EXPECT_TRUE(f.doc.m_bPictureLoaded);
    EXPECT_TRUE(f.doc.m_mutexPicture.try_lock());
    f.doc.m_mutexPicture.unlock();
  }
}

TEST(PictureLoader, FilesThatCannotBeOpenedSayWhichKind) {
  TempDir dir;
  LoadFixture f;
  // JPEG and PNG name the file they could not open.
  const std::pair<PictureFormat, unsigned> named[] = {{PictureFormat::Jpeg, 65017}, {PictureFormat::Png, 65018}};
  for (auto [format, id] : named) {
    ASSERT_TRUE(f.Load(dir.File("none"), format));
    EXPECT_EQ(f.host.Messages().back().id, id);
    EXPECT_NE(f.host.Messages().back().text.find("「none」"), std::string::npos);
    EXPECT_FALSE(f.doc.m_bPictureLoaded);
    ASSERT_TRUE(f.Load(dir.path().string(), format));  // a folder is no picture either
    EXPECT_EQ(f.host.Messages().back().id, id);
  }
  ASSERT_TRUE(f.Load(dir.File("none"), PictureFormat::Gif));
  EXPECT_EQ(f.host.PostedCopy().back().lParam, 61223);
  EXPECT_TRUE(f.host.progressTexts.empty());
  EXPECT_FALSE(zorva::LoadStringUtf8(61223).empty());
}

TEST(PictureLoader, AGifWithoutAnImageGivesAnEmptyPicture) {
  TempDir dir;
  std::string gif = dir.File("empty.gif");
  WriteFileBytes(gif, std::string("GIF89a\x01\x00\x01\x00\x00\x00\x00;", 14));
  LoadFixture f;
  ASSERT_TRUE(f.Load(MakePng(dir, "a.png", 3, 3, 1), PictureFormat::Png));
  ASSERT_TRUE(f.Load(gif, PictureFormat::Gif));
  EXPECT_FALSE(f.doc.m_pBitmap);
  EXPECT_EQ(f.doc.m_sizePicture, (CSize{0, 0}));
  EXPECT_EQ(Count(f.host.PostedCopy(), 1, 0), 2);
}

TEST(PictureLoader, PicturesLargerThanTheLimitAreRefusedWithAMessage) {
  TempDir dir;
  // Each file states 20000 x 20000 pixels in its header and holds almost nothing.
  std::string jpg = dir.File("big.jpg");
  WriteJpeg(jpg, 8, 8, 3, TestSamples(8, 8, 3));
  std::string j = ReadFileBytes(jpg);
  size_t sof = j.find("\xFF\xC0");
  ASSERT_NE(sof, std::string::npos);
  j[sof + 5] = j[sof + 7] = char(0x4E);  // height and width 0x4E20
  j[sof + 6] = j[sof + 8] = char(0x20);
  WriteFileBytes(jpg, j);

  std::string png = MakePng(dir, "big.png", 8, 8, 3);
  std::string p = ReadFileBytes(png);
  for (int i : {16, 20}) {  // IHDR width and height
    p[i] = 0;
    p[i + 1] = 0;
    p[i + 2] = char(0x4E);
    p[i + 3] = char(0x20);
  }
  uLong crc = crc32(0, reinterpret_cast<const Bytef*>(p.data() + 12), 17);
  for (int k = 0; k < 4; ++k) p[29 + k] = char(crc >> (24 - 8 * k) & 0xFF);
  WriteFileBytes(png, p);

  GifRecipe g;
  g.width = 20000;
  g.height = 20000;
  g.globalTable = {0, 0};
  g.minCodeSize = 2;
  std::string gif = dir.File("big.gif");
  WriteFileBytes(gif, MakeGif(g));

  LoadFixture f;
  ASSERT_TRUE(f.Load(MakePng(dir, "small.png", 4, 4, 200), PictureFormat::Png));
  const CBitmap* before = f.doc.m_pBitmap.get();
  for (auto [path, format] : {std::pair{jpg, PictureFormat::Jpeg}, {png, PictureFormat::Png}, {gif, PictureFormat::Gif}}) {
    ASSERT_TRUE(f.Load(path, format)) << path;
    EXPECT_EQ(f.host.PostedCopy().back().lParam, 61224) << path;
    EXPECT_FALSE(f.doc.m_bPictureLoaded);
    EXPECT_EQ(f.doc.m_pBitmap.get(), before);
    EXPECT_EQ(f.doc.m_sizePicture, (CSize{4, 4}));
  }
  EXPECT_EQ(f.host.progressEnds, int(f.host.progressTexts.size()));  // no progress display left behind
}

TEST(PictureLoader, ALaterLoadWinsOverOneStillRunning) {
  TempDir dir;
  std::string first = MakePng(dir, "first.png", 50, 400, 10);
  std::string second = MakePng(dir, "second.png", 3, 2, 20);
  GateHost host;
  CPictureLoader loader;
  CZorvaDoc doc(&host);
  doc.SetPictureLoader(&loader);
  doc.m_strPicturePath = first;
  doc.LoadPicture(PictureFormat::Png);
  ASSERT_TRUE(host.WaitUntilHeld());  // the first worker holds the picture mutex, decoding
  doc.m_strPicturePath = second;
  doc.LoadPicture(PictureFormat::Png);
  host.Open();
  ASSERT_TRUE(host.WaitForEnds(1));
  loader.WaitIdle();

  ASSERT_TRUE(doc.m_pBitmap);
  EXPECT_EQ(doc.m_pBitmap->Width(), 3);
  EXPECT_EQ(doc.m_pBitmap->GetPixel(0, 0), RGB(20, 20, 20));
  EXPECT_EQ(doc.m_sizePicture, (CSize{3, 2}));
  EXPECT_TRUE(doc.m_bPictureLoaded);
  auto posted = host.PostedCopy();
  EXPECT_EQ(Count(posted, 1, 0), 1);  // only the second load finished
  EXPECT_EQ(host.Ends(), 1u);
  EXPECT_EQ(host.progressEnds, 2);  // the first load took its progress display down
}

TEST(PictureLoader, ClosingWhileALoadRunsStopsItWithoutReports) {
  TempDir dir;
  std::string path = MakePng(dir, "slow.png", 40, 300, 10);
  GateHost host;
  CPictureLoader loader;
  std::thread opener;
  {
    CZorvaDoc doc(&host);
    doc.SetPictureLoader(&loader);
    doc.m_strPicturePath = path;
    doc.LoadPicture(PictureFormat::Png);
    ASSERT_TRUE(host.WaitUntilHeld());
    opener = std::thread([&] {
      // Let the worker go on only once closing has begun.
      while (!loader.IsShuttingDown()) std::this_thread::yield();
      host.Open();
    });
  }  // the document's destructor shuts the loader down
  opener.join();
  auto posted = host.PostedCopy();
  EXPECT_EQ(Count(posted, 1, 0), 0);
  EXPECT_TRUE(host.Messages().empty());
  // The loader takes new work afterwards.
  CZorvaDoc doc(&host);
  doc.SetPictureLoader(&loader);
  doc.m_strPicturePath = path;
  doc.LoadPicture(PictureFormat::Png);
  ASSERT_TRUE(host.WaitForEnds(1));
  loader.WaitIdle();
  EXPECT_TRUE(doc.m_pBitmap);
}
