#include "view/CommandIds.h"
#include "view/Tool.h"

#define ZORVA_TOOL(id, name) std::unique_ptr<CTool> Make##name(CViewCore& view);
#include "view/ToolList.h"
#undef ZORVA_TOOL

std::vector<std::pair<ToolId, std::unique_ptr<CTool>>> MakeTools(CViewCore& view) {
  std::vector<std::pair<ToolId, std::unique_ptr<CTool>>> tools;
#define ZORVA_TOOL(id, name) tools.emplace_back(id, Make##name(view));
#include "view/ToolList.h"
#undef ZORVA_TOOL
  return tools;
}
