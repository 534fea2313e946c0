#include "cli/CliDocumentHost.h"

#include <cstdio>

namespace zorva::cli {

int CCliDocumentHost::MessageBox(unsigned, const std::string& text, unsigned type) {
  ++m_messages;
  std::fprintf(stderr, "%s\n", text.c_str());
  std::fflush(stderr);
  // A plain notice is acknowledged; any question is declined.
  return (type & 0xF) == MB_OK ? IDOK : IDCANCEL;
}

}  // namespace zorva::cli
