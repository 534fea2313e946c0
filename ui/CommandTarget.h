#pragma once
// One handler of command ids in the frame's routing order: the view, the
// targets added to the frame (the document's file commands, the
// application's), then the frame's own. The first target that knows an id
// handles it; its update handler gives the id's state.
#include <string>

#include "view/ZorvaView.h"  // CCmdState

class ICommandTarget {
 public:
  virtual ~ICommandTarget() = default;
  // Runs `id` when this target handles it; false when the id is not its own.
  // The frame calls it only for an enabled id, having ended any gesture.
  virtual bool OnCommand(unsigned id) = 0;
  // Fills the state of `id`; false when the id is not its own.
  virtual bool OnUpdateCommand(unsigned id, CCmdState& state) = 0;
  // The menu text of a command whose text changes (the recent files), UTF-8;
  // false when `id` has no such text here (an empty text hides the item).
  virtual bool GetCommandText(unsigned /*id*/, std::string& /*text*/) { return false; }
};
