#include "view/ToolTable.h"

#include <algorithm>
#include <vector>

#include "view/Tool.h"

#define ZORVA_TOOL(NAME, number, replay, key, icon, cursor, cls) std::unique_ptr<CTool> Make##cls(CViewCore& view);
#define ZORVA_TOOL_WITHOUT_CLASS(...)
#include "view/ToolList.h"
#undef ZORVA_TOOL
#undef ZORVA_TOOL_WITHOUT_CLASS

namespace {

// "" in the list: no button.
constexpr const char* Icon(const char* name, const char* path) { return *name ? path : nullptr; }

std::vector<CToolDescriptor>& Table() {
#define ZORVA_TOOL(NAME, number, replay, key, icon, cursor, cls) \
  {ID_TOOL_##NAME, replay, key, Icon(icon, ":/tools/" icon ".png"), ViewCursor::cursor, number, number, Make##cls},
#define ZORVA_TOOL_WITHOUT_CLASS(NAME, number, replay, icon, cursor) \
  {ID_TOOL_##NAME, replay, 0, Icon(icon, ":/tools/" icon ".png"), ViewCursor::cursor, number, number, nullptr},
  static std::vector<CToolDescriptor> table = {
#include "view/ToolList.h"
  };
#undef ZORVA_TOOL
#undef ZORVA_TOOL_WITHOUT_CLASS
  return table;
}

template <typename Match>
const CToolDescriptor* FindIf(Match match) {
  for (const CToolDescriptor& d : Table())
    if (match(d)) return &d;
  return nullptr;
}

}  // namespace

std::span<const CToolDescriptor> ToolTable() { return Table(); }

const CToolDescriptor* FindTool(ToolId id) {
  return FindIf([id](const CToolDescriptor& d) { return d.id == id; });
}

const CToolDescriptor* FindToolByKey(unsigned vk) {
  return vk == 0 ? nullptr : FindIf([vk](const CToolDescriptor& d) { return unsigned(d.key) == vk; });
}

const CToolDescriptor* FindToolByReplayName(std::string_view name) {
  return FindIf([name](const CToolDescriptor& d) { return name == d.replayName; });
}

std::vector<std::pair<ToolId, std::unique_ptr<CTool>>> MakeTools(CViewCore& view) {
  std::vector<std::pair<ToolId, std::unique_ptr<CTool>>> tools;
  for (const CToolDescriptor& d : Table())
    if (d.make) tools.emplace_back(d.id, d.make(view));
  return tools;
}

CToolTableAddition::CToolTableAddition(const CToolDescriptor& tool) : m_id(tool.id) { Table().push_back(tool); }

CToolTableAddition::~CToolTableAddition() {
  std::erase_if(Table(), [this](const CToolDescriptor& d) { return d.id == m_id; });
}
