#include "cli/CliDocumentHost.h"

#include <cstdio>

#include "html/DialogTexts.h"
#include "platform/StringTable.h"

namespace zorva::cli {

void CCliDocumentHost::PrintLine(const std::string& text) {
  std::fprintf(stderr, "%s\n", text.c_str());
  std::fflush(stderr);
}

int CCliDocumentHost::MessageBox(unsigned, const std::string& text, unsigned type) {
  ++m_messages;
  PrintLine(text);
  // A plain notice is acknowledged; any question is declined.
  return (type & 0xF) == MB_OK ? IDOK : IDCANCEL;
}

int CCliDocumentHost::DoChoiceDialog(unsigned dialogId, size_t areaNumber) {
  const bool unclosed = dialogId == kDlgUnclosedArea;
  const int answer = unclosed ? unclosedAnswer : shapeAnswer;
  if (answer != 1 && answer != 5) {
    // No one is there to answer: the line names the area and the option
    // that decides, not the window's question.
    ++m_messages;
    PrintLine("area " + std::to_string(areaNumber) +
              (unclosed ? ": the outline is not closed (to write it: --unclosed close or --unclosed ignore)"
                        : ": HTML has no such shape (to write it: --shape convert or --shape ignore)"));
  }
  return answer;
}

int CCliDocumentHost::ChooseImage(const std::vector<ImageChoice>& images) {
  std::vector<std::string> lines;
  for (const ImageChoice& image : images) lines.push_back(image.line);
  if (imageChoice && *imageChoice >= 0 && size_t(*imageChoice) < lines.size()) return *imageChoice;
  ++m_messages;
  if (imageChoice)
    PrintLine("--image " + std::to_string(*imageChoice) + ": the page has " + std::to_string(lines.size()) +
              " images (0 to " + std::to_string(lines.size() - 1) + ")");
  else {
    m_imageChoiceMissing = true;
    PrintLine(LoadStringUtf8(DialogLabelId(kDlgImageSelect, 1)) + " (--image N)");
  }
  for (size_t i = 0; i < lines.size(); ++i) PrintLine(std::to_string(i) + ": " + lines[i]);
  return -1;
}

}  // namespace zorva::cli
