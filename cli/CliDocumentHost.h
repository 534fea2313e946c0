#pragma once
// The document host of zorva-cli: messages go to stderr as UTF-8 lines, every
// question is answered with Cancel, nothing is displayed.
#include "model/DocumentHost.h"

namespace zorva::cli {

class CCliDocumentHost : public CNullDocumentHost {
 public:
  int MessageBox(unsigned stringId, const std::string& text, unsigned type) override;

  // How many messages were shown (a failure with none still needs a word).
  int MessageCount() const { return m_messages; }

 private:
  int m_messages = 0;
};

}  // namespace zorva::cli
