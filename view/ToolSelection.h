#pragma once
// The frame's current and chosen tool. A temporary tool (Ctrl, Space) changes
// only the current one; the chosen one comes back when it ends.
#include "view/CommandIds.h"

class CToolSelection {
 public:
  ToolId GetCurrentTool() const { return m_nTool; }
  ToolId GetBaseTool() const { return m_nBaseTool; }
  void SetCurrentTool(ToolId code) { m_nTool = code != ID_TOOL_NONE ? code : m_nBaseTool; }
  void SelectTool(ToolId code) {
    if (m_nTool == m_nBaseTool) m_nTool = code;
    m_nBaseTool = code;
  }
  // A tool box button: current and chosen alike.
  void ChooseTool(ToolId code) { m_nTool = m_nBaseTool = code; }

 private:
  ToolId m_nTool = ID_TOOL_ARROW;
  ToolId m_nBaseTool = ID_TOOL_ARROW;
};
