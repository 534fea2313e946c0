#include "view/CommandIds.h"
#include "view/Tool.h"

#define ZORVA_TOOL(id, name) std::unique_ptr<CTool> Make##name(CZorvaView& view);
#include "view/ToolList.h"
#undef ZORVA_TOOL

std::unique_ptr<CTool> MakeTool(int id, CZorvaView& view) {
#define ZORVA_TOOL(toolId, name) \
  if (id == toolId) return Make##name(view);
#include "view/ToolList.h"
#undef ZORVA_TOOL
  return nullptr;
}
