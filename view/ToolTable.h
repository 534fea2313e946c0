#pragma once
// One descriptor per tool (the lines of view/ToolList.h): whatever walks
// tools walks ToolTable(), so a tool is its class's file, one line in the
// list and its resources.
#include <memory>
#include <span>
#include <string_view>

#include "view/CommandIds.h"
#include "view/ViewHost.h"

class CTool;
class CViewCore;

struct CToolDescriptor {
  ToolId id;
  const char* replayName;  // zorva-cli's scripts and state lines
  char key;                // the digit that chooses it in the view; 0: none
  const char* icon;        // the tool box button's image; null: no button
  ViewCursor cursor;       // without a modifier, for a tool without a class
  unsigned text;           // string-table entry: status prompt "\n" short name
  unsigned helpCommand;    // the command whose help topic explains the tool
  // Makes its pointer tool; null for one that cannot be chosen.
  std::unique_ptr<CTool> (*make)(CViewCore& view);

  bool CanBeChosen() const { return make != nullptr; }
};

// In the tool box's order. Do not hold the span across an addition.
std::span<const CToolDescriptor> ToolTable();
const CToolDescriptor* FindTool(ToolId id);
const CToolDescriptor* FindToolByKey(unsigned vk);
const CToolDescriptor* FindToolByReplayName(std::string_view name);

// Puts a tool after the listed ones while it lives: a tool defined outside
// the list (a test's throw-away tool) goes everywhere a listed one goes.
// Windows and views made while it lives see it.
class CToolTableAddition {
 public:
  explicit CToolTableAddition(const CToolDescriptor& tool);
  ~CToolTableAddition();
  CToolTableAddition(const CToolTableAddition&) = delete;
  CToolTableAddition& operator=(const CToolTableAddition&) = delete;

 private:
  ToolId m_id;
};
