#pragma once
// The document host of zorva-cli: messages go to stderr as UTF-8 lines,
// nothing is displayed. Questions are declined unless the command line gave
// their answers (the image of a page, the writer's two questions); a declined
// question leaves its text on stderr.
#include <optional>

#include "model/DocumentHost.h"

namespace zorva::cli {

class CCliDocumentHost : public CNullDocumentHost {
 public:
  int MessageBox(unsigned stringId, const std::string& text, unsigned type) override;
  int DoChoiceDialog(unsigned dialogId, size_t areaNumber) override;
  int ChooseImage(const std::vector<ImageChoice>& images) override;

  // How many messages were shown (a failure with none still needs a word).
  int MessageCount() const { return m_messages; }

  // The image to take when a page has several; without one the images are
  // listed and the read fails.
  std::optional<int> imageChoice;
  // Button answers to the unclosed-area (180) and shape (181) questions.
  int unclosedAnswer = IDCANCEL;
  int shapeAnswer = IDCANCEL;
  // A page had several images and the command line named none: the images
  // were listed, and the command line, not the file, is what was wrong.
  bool ImageChoiceMissing() const { return m_imageChoiceMissing; }

 private:
  void PrintLine(const std::string& text);
  int m_messages = 0;
  bool m_imageChoiceMissing = false;
};

}  // namespace zorva::cli
