// Reading and writing back a large page with an image map. The reader is
// timed against one memchr pass for "<" over the same bytes, the writer
// against a plain write of the same bytes that also waits for the disk
// (write + fsync): a save reports success only once its bytes are there.
#include <fcntl.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "html/HtmlSettings.h"
#include "html/MapReader.h"
#include "html/PageCharset.h"
#include "html/MapWriter.h"
#include "model/ZorvaDoc.h"
#include "platform/FileSystem.h"

namespace {

using Clock = std::chrono::steady_clock;

double Seconds(Clock::time_point a, Clock::time_point b) {
  return std::chrono::duration<double>(b - a).count();
}

// A page of about `targetBytes` holding `areas` area tags of every shape,
// with comments, scripts and text around them.
std::string MakePage(size_t areas, size_t targetBytes) {
  std::string page;
  page.reserve(targetBytes + 4096);
  page += "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\">\r\n<html><head>\r\n";
  page += "<script type=\"text/javascript\">\r\n";
  for (int i = 0; i < 2000; ++i)
    page += "function handler" + std::to_string(i) + "(event, 'x') { return \"function\"; }\r\n";
  page += "</script></head>\r\n<body>\r\n<p>A big map.</p>\r\n";
  page += "<img src=\"images/world.jpg\" alt=\"the world\" usemap=\"#world\" border=0>\r\n";
  page += "<map name=\"world\">\r\n";
  const size_t perArea = targetBytes > page.size() ? (targetBytes - page.size()) / areas : 0;
  char line[512];
  for (size_t i = 0; i < areas; ++i) {
    int x = int(i % 4000), y = int(i / 4000);
    int n = 0;
    switch (i % 3) {
      case 0:
        n = std::snprintf(line, sizeof line, "<area shape=\"rect\" coords=\"%d,%d,%d,%d\"", x, y, x + 20, y + 15);
        break;
      case 1:
        n = std::snprintf(line, sizeof line, "<AREA SHAPE=circle COORDS=\"%d,%d,%d\"", x + 10, y + 10, 7);
        break;
      default:
        n = std::snprintf(line, sizeof line, "<area shape=\"poly\" coords=\"%d,%d,%d,%d,%d,%d,%d,%d,%d,%d\"", x, y,
                          x + 9, y + 1, x + 12, y + 8, x + 4, y + 12, x - 2, y + 6);
    }
    page.append(line, size_t(n));
    n = std::snprintf(line, sizeof line,
                      " href=\"http://www.example.com/regions/area%zu.html\" target=\"_blank\" "
                      "alt=\"Region %zu\" onMouseOver=\"show(%zu)\"><!-- region %zu -->\r\n",
                      i, i, i, i);
    page.append(line, size_t(n));
    // Text between the tags brings the page to its size.
    size_t want = perArea * (i + 1) + 0;
    if (page.size() < want) {
      page += "<!-- ";
      while (page.size() + 5 < want) page += "lorem ipsum dolor sit amet ";
      page += " -->\r\n";
    }
  }
  page += "<area shape=\"default\" href=\"index.html\">\r\n</map>\r\n</body></html>\r\n";
  return page;
}

// What an area read from the page holds, kept apart from any area.
struct AreaContents {
  int32_t type;
  std::vector<CPoint> points;
  std::string href, target, alt, onClick, onMouseOver, onMouseOut, comment;
};

std::vector<AreaContents> ContentsOf(const CZorvaDoc& doc) {
  std::vector<AreaContents> all;
  for (const CArea* a : doc.m_listArea)
    all.push_back({a->m_nType, std::vector<CPoint>(a->m_listPoint.begin(), a->m_listPoint.end()), a->m_strHref,
                   a->m_strTarget, a->m_strAlt, a->m_strOnClick, a->m_strOnMouseOver, a->m_strOnMouseOut,
                   a->m_strComment});
  return all;
}

// Builds the same areas in a document the way the reader does, without
// reading anything: what the document's own structures cost.
void BuildAreas(CZorvaDoc& doc, const std::vector<AreaContents>& all) {
  for (const AreaContents& c : all) {
    CArea* a = new CArea;
    a->m_nType = c.type;
    for (const CPoint& p : c.points) a->AddPoint(p.x, p.y);
    a->m_strHref = c.href;
    a->m_strTarget = c.target;
    a->m_strAlt = c.alt;
    a->m_strOnClick = c.onClick;
    a->m_strOnMouseOver = c.onMouseOver;
    a->m_strOnMouseOut = c.onMouseOut;
    a->m_strComment = c.comment;
    a->m_bJavaScript = !c.onMouseOver.empty();
    a->m_bClosed = true;
    a->UpdateHtmlShape(true);
    a->SetBoundPoint(c.points.front().x, c.points.front().y);
    a->RecalcBound();
    doc.m_listArea.push_back(std::unique_ptr<CArea>(a));
  }
}

size_t MemchrPass(const std::string& text) {
  size_t count = 0;
  const char* p = text.data();
  const char* end = p + text.size();
  while ((p = static_cast<const char*>(std::memchr(p, '<', size_t(end - p))))) {
    ++count;
    ++p;
  }
  return count;
}

}  // namespace

int main(int argc, char** argv) {
  const size_t areas = argc > 1 ? std::strtoul(argv[1], nullptr, 10) : 200000;
  const size_t bytes = argc > 2 ? std::strtoul(argv[2], nullptr, 10) : 50u << 20;
  const int rounds = 5;
  const std::string page = MakePage(areas, bytes);
  const std::filesystem::path dir =
      std::filesystem::temp_directory_path() / ("zorva-bench-" + std::to_string(::getpid()));
  std::filesystem::create_directories(dir);
  const std::string pagePath = (dir / "page.html").string();
  const std::string outPath = (dir / "out.html").string();
  const std::string refPath = (dir / "ref.html").string();

  // The same page with the image's map renamed: both scans run over every
  // byte but no area is built, which shows what building the areas costs.
  std::string unmapped = page;
  unmapped.replace(unmapped.find("usemap=\"#world\""), 15, "usemap=\"#wxrld\"");

  double bestScan = 1e9, bestRead = 1e9, bestBuild = 1e9, bestWrite = 1e9, bestRef = 1e9;
  double bestScanOnly = 1e9, bestReplace = 1e9, bestRefSync = 1e9, bestAreas = 1e9, bestCharset = 1e9;
  size_t marks = 0, readAreas = 0, written = 0;
  for (int round = 0; round < rounds; ++round) {
    auto t0 = Clock::now();
    marks = MemchrPass(page);
    auto t1 = Clock::now();
    bestScan = std::min(bestScan, Seconds(t0, t1));

    CNullDocumentHost host;
    CZorvaDoc doc(&host);
    std::string copy = page;
    auto t2 = Clock::now();
    if (!zorva::html::ReadPageText(doc, pagePath, std::move(copy))) {
      std::fprintf(stderr, "the page was not read\n");
      return 1;
    }
    auto t3 = Clock::now();
    bestRead = std::min(bestRead, Seconds(t2, t3));
    readAreas = doc.m_listArea.size();

    {
      // Part of the read: the page has no declaration, so every byte is looked at.
      auto c0 = Clock::now();
      const zorva::html::PageCharset found = zorva::html::DetectPageCharset(page);
      bestCharset = std::min(bestCharset, Seconds(c0, Clock::now()));
      if (found.charset != zorva::ECharset::ShiftJis) return 1;
    }

    {
      const std::vector<AreaContents> contents = ContentsOf(doc);
      CZorvaDoc built(&host);
      auto a = Clock::now();
      BuildAreas(built, contents);
      bestAreas = std::min(bestAreas, Seconds(a, Clock::now()));
    }

    {
      CZorvaDoc bare(&host);
      std::string copy2 = unmapped;
      auto a = Clock::now();
      zorva::html::ReadPageText(bare, pagePath, std::move(copy2));
      bestScanOnly = std::min(bestScanOnly, Seconds(a, Clock::now()));
    }

    zorva::HtmlOutputSettings settings;
    std::string out;
    {
      zorva::html::CPageBytes bytes;
      auto t4 = Clock::now();
      zorva::html::BuildPage(doc, outPath, settings, bytes);
      auto t5 = Clock::now();
      bestBuild = std::min(bestBuild, Seconds(t4, t5));
      out.assign(bytes.View());
    }
    written = out.size();

    auto t6 = Clock::now();
    if (!zorva::html::WriteMap(doc, outPath, settings)) {
      std::fprintf(stderr, "the page was not written\n");
      return 1;
    }
    auto t7 = Clock::now();
    bestWrite = std::min(bestWrite, Seconds(t6, t7));

    auto t8 = Clock::now();
    FILE* f = std::fopen(refPath.c_str(), "wb");
    std::fwrite(out.data(), 1, out.size(), f);
    std::fclose(f);
    auto t9 = Clock::now();
    bestRef = std::min(bestRef, Seconds(t8, t9));

    // The reference: the same bytes written and flushed to the disk.
    auto s0 = Clock::now();
    int fd = ::open(refPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    for (size_t done = 0; done < out.size();) {
      ssize_t n = ::write(fd, out.data() + done, out.size() - done);
      if (n <= 0) break;
      done += size_t(n);
    }
    ::fsync(fd);
    ::close(fd);
    bestRefSync = std::min(bestRefSync, Seconds(s0, Clock::now()));

    auto t10 = Clock::now();
    zorva::WriteFileReplacing(refPath, out);
    bestReplace = std::min(bestReplace, Seconds(t10, Clock::now()));
  }
  std::filesystem::remove_all(dir);

  std::printf("page: %zu bytes, %zu area tags read, %zu \"<\" found, %zu bytes written\n", page.size(),
              readAreas, marks, written);
  std::printf("memchr pass for \"<\":        %8.2f ms\n", bestScan * 1e3);
  std::printf("reader (text in memory):     %8.2f ms  ratio %.2f (goal <= 4)\n", bestRead * 1e3,
              bestRead / bestScan);
  std::printf("  both scans, no areas built: %8.2f ms  ratio %.2f\n", bestScanOnly * 1e3,
              bestScanOnly / bestScan);
  std::printf("  finding the page's charset:  %7.2f ms  ratio %.2f\n", bestCharset * 1e3, bestCharset / bestScan);
  std::printf("  the same areas built without reading: %.2f ms  ratio %.2f\n", bestAreas * 1e3,
              bestAreas / bestScan);
  std::printf("plain write + fsync:         %8.2f ms\n", bestRefSync * 1e3);
  std::printf("writer (build + replace):    %8.2f ms  ratio %.2f (goal <= 1.5)\n", bestWrite * 1e3,
              bestWrite / bestRefSync);
  std::printf("  building the bytes in memory:%7.2f ms  ratio %.2f\n", bestBuild * 1e3, bestBuild / bestRefSync);
  std::printf("  replacing write of the bytes:%7.2f ms  ratio %.2f\n", bestReplace * 1e3,
              bestReplace / bestRefSync);
  std::printf("  (plain buffered write without waiting for the disk: %.2f ms)\n", bestRef * 1e3);
  return 0;
}
