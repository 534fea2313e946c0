#pragma once
// Writing a JPEG file with libjpeg: test pictures and the load benchmark's
// picture. Needs nothing of the test framework.
#include <cstdint>
#include <string>
#include <vector>

namespace zorva::test {

// `samples` holds width x height x components bytes (1 grey, 3 RGB, 4 CMYK).
// Throws std::runtime_error when the file cannot be created.
void WriteJpeg(const std::string& path, int width, int height, int components, const std::vector<uint8_t>& samples,
               int quality = 90);

}  // namespace zorva::test
