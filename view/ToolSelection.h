#pragma once
// The frame's current and chosen tool. A temporary tool (Ctrl, Space) changes
// only the current one; the chosen one comes back when it ends.
#include "view/CommandIds.h"

class CToolSelection {
 public:
  int GetCurrentTool() const { return m_nTool; }
  int GetBaseTool() const { return m_nBaseTool; }
  void SetCurrentTool(int code) { m_nTool = code != 0 ? code : m_nBaseTool; }
  void SelectTool(int code) {
    if (m_nTool == m_nBaseTool) m_nTool = code;
    m_nBaseTool = code;
  }
  // A tool box button: current and chosen alike.
  void ChooseTool(int code) { m_nTool = m_nBaseTool = code; }

 private:
  int m_nTool = ID_TOOL_ARROW;
  int m_nBaseTool = ID_TOOL_ARROW;
};
