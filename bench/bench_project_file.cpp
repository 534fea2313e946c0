// Writes and reads a project of 100,000 areas of 20 points each through the
// document's own save and open, and compares the time with writing the same
// number of bytes and waiting for the disk (write + fsync: a save reports
// success only once its bytes are there) and with reading them with plain
// buffered stdio, in this run.
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "model/DocumentFile.h"
#include "model/ZorvaDoc.h"
#include "platform/FileSystem.h"

namespace {

using Clock = std::chrono::steady_clock;

double Seconds(Clock::duration d) { return std::chrono::duration<double>(d).count(); }

template <typename F>
double Best(int runs, F f) {
  double best = 1e30;
  for (int i = 0; i < runs; ++i) {
    auto t0 = Clock::now();
    f();
    best = std::min(best, Seconds(Clock::now() - t0));
  }
  return best;
}

void Fill(CZorvaDoc& doc, const std::string& picture) {
  doc.m_strPicturePath = picture;
  doc.m_sizePicture = {4000, 3000};
  for (int i = 0; i < 100000; ++i) {
    auto* a = new CArea;
    a->m_nType = AREA_POLYGON;
    a->m_bClosed = true;
    for (int k = 0; k < 20; ++k) a->AddPoint(i % 4000 + k, i % 3000 + k * 2);
    a->SetBoundPoint(i % 4000, i % 3000);
    a->RecalcBound();
    a->m_strHref = "page" + std::to_string(i) + ".html";
    a->m_strAlt = "area";
    doc.m_listArea.push_back(std::unique_ptr<CArea>(a));
  }
}

// The same bytes written and flushed to the disk.
double SyncedWrite(const std::string& path, const std::string& bytes) {
  return Best(5, [&] {
    int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    for (size_t done = 0; done < bytes.size();) {
      ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
      if (n <= 0) break;
      done += size_t(n);
    }
    ::fsync(fd);
    ::close(fd);
  });
}

// Plain stdio: the same bytes back in.
double StdioRead(const std::string& path, size_t size) {
  std::string buf(size, '\0');
  return Best(5, [&] {
    FILE* f = std::fopen(path.c_str(), "rb");
    size_t n = std::fread(buf.data(), 1, size, f);
    std::fclose(f);
    if (n != size) std::fprintf(stderr, "short read\n");
  });
}

}  // namespace

int main() {
  std::filesystem::path dir = std::filesystem::temp_directory_path() /
                              ("zorva-bench-" + std::to_string(::getpid()));
  std::filesystem::create_directories(dir);
  const std::string zvf = (dir / "big.zvf").string();
  const std::string raw = (dir / "raw.bin").string();

  CZorvaDoc doc;
  Fill(doc, (dir / "img" / "picture.jpg").string());
  double save = Best(5, [&] {
    if (!doc.OnSaveDocument(zvf)) std::fprintf(stderr, "save failed\n");
  });
  std::string bytes(std::filesystem::file_size(zvf), 'x');
  // Opening includes freeing the areas again, as the next open does.
  double open = Best(5, [&] {
    CZorvaDoc back;
    if (!back.OnOpenDocument(zvf) || back.m_listArea.size() != 100000)
      std::fprintf(stderr, "open failed\n");
  });
  // The floor for opening: the same areas built and freed in memory, no file.
  double build = Best(5, [&] {
    CZorvaDoc mem;
    Fill(mem, "picture.jpg");
  });

  double write = SyncedWrite(raw, bytes);
  // Where a save's time goes: the stream built in memory, and written.
  std::string stream;
  double serialize = Best(5, [&] { stream = zorva::StoreProjectStream(doc); });
  double replace = Best(5, [&] {
    if (!zorva::WriteFileReplacing(zvf, stream)) std::fprintf(stderr, "write failed\n");
  });
  double read = StdioRead(raw, bytes.size());

  std::printf("project of 100000 areas x 20 points: %zu bytes (best of 5 runs each)\n", bytes.size());
  std::printf("save       %7.1f ms  vs write+fsync  %6.1f ms: ratio %5.2f  (goal 1.5)\n", save * 1e3,
              write * 1e3, save / write);
  std::printf("  the stream in memory %6.1f ms, its replacing write %6.1f ms\n", serialize * 1e3, replace * 1e3);
  std::printf("open       %7.1f ms  vs fread        %6.1f ms: ratio %5.2f\n", open * 1e3, read * 1e3,
              open / read);
  std::printf("building and freeing the same areas in memory: %.1f ms (open / build = %.2f)\n",
              build * 1e3, open / build);
  std::filesystem::remove_all(dir);
  return 0;
}
