// Writing the 10,000-area document (rectangles, ellipses and 20-point
// polygons over a 4000 x 3000 picture, as bench_view draws it) as the
// responsive SVG page against writing it as a classic map, in the same run.
// The classic map turns the ellipses into polygons (the writer's question
// answered "convert"), as the editor's user must for them to be written.
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>

#include "BenchAreas.h"
#include "html/HtmlSettings.h"
#include "html/MapWriter.h"
#include "html/SvgMapWriter.h"
#include "model/ZorvaDoc.h"

namespace {

using Clock = std::chrono::steady_clock;

class ConvertingHost : public CNullDocumentHost {
 public:
  int DoChoiceDialog(unsigned, size_t) override { return 1; }
};

template <typename F>
double Best(F f) {
  double best = 1e30;
  for (int round = 0; round < 7; ++round) {
    auto t0 = Clock::now();
    if (!f()) {
      std::fprintf(stderr, "a write failed\n");
      std::exit(1);
    }
    best = std::min(best, std::chrono::duration<double>(Clock::now() - t0).count());
  }
  return best;
}

}  // namespace

int main() {
  ConvertingHost host;
  CZorvaDoc doc(&host);
  doc.m_sizePicture = {4000, 3000};
  AddBenchAreas(doc, 3900, 2900, true);
  const std::filesystem::path dir =
      std::filesystem::temp_directory_path() / ("zorva-bench-svg-" + std::to_string(::getpid()));
  std::filesystem::create_directories(dir);
  doc.m_strPicturePath = (dir / "world.jpg").string();
  const std::string classicPath = (dir / "classic.html").string();
  const std::string svgPath = (dir / "svg.html").string();
  const zorva::HtmlOutputSettings settings;

  std::string classicBytes, svgBytes;
  zorva::html::BuildPage(doc, classicPath, settings, classicBytes);
  zorva::html::BuildSvgPage(doc, svgPath, settings, svgBytes);
  // Alternated, so that neither form profits from the other's warm caches.
  double buildClassic = 1e30, buildSvg = 1e30;
  for (int i = 0; i < 3; ++i) {
    buildClassic = std::min(buildClassic, Best([&] {
      zorva::html::CPageBytes bytes;
      return zorva::html::BuildPage(doc, classicPath, settings, bytes);
    }));
    buildSvg = std::min(buildSvg, Best([&] {
      zorva::html::CPageBytes bytes;
      return zorva::html::BuildSvgPage(doc, svgPath, settings, bytes);
    }));
  }
  double writeClassic = 1e30, writeSvg = 1e30;
  for (int i = 0; i < 3; ++i) {
    writeClassic = std::min(writeClassic, Best([&] { return zorva::html::WriteMap(doc, classicPath, settings); }));
    writeSvg = std::min(writeSvg, Best([&] { return zorva::html::WriteSvgMap(doc, svgPath, settings); }));
  }
  std::filesystem::remove_all(dir);

  std::printf("10,000 areas: classic page %zu bytes, responsive page %zu bytes\n", classicBytes.size(),
              svgBytes.size());
  std::printf("building the page in memory: classic %7.2f ms, responsive %7.2f ms  ratio %.2f\n",
              buildClassic * 1e3, buildSvg * 1e3, buildSvg / buildClassic);
  std::printf("writing the file (replacing, flushed): classic %7.2f ms, responsive %7.2f ms  ratio %.2f (goal <= 1.5)\n",
              writeClassic * 1e3, writeSvg * 1e3, writeSvg / writeClassic);
  return 0;
}
