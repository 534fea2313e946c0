#pragma once
// The script of zorva-cli replay: one command a line; a word starting with
// "#" starts a comment, blank lines are ignored. The whole script is read and
// checked before anything runs, so a wrong line never leaves a half-replayed
// document behind.
//
//   size W H | scroll X Y | tool arrow|rect|ellipse|polygon|line|freehand|zoom (the tool table's)
//   press|move|release|rpress X Y [shift] [ctrl] [alt]   (client pixels)
//   key NAME down|up [mods] | keypress NAME [mods]
//       NAME: a letter, a digit, Tab, Shift, Ctrl, Alt, Space, Delete,
//       Backspace, Insert, Escape (any letter case)
//   ruler top|left X Y | row N | answer ok|cancel|yes|no|N | state
//   command undo|redo|cut|copy|paste|delete|duplicate|zoom50|zoom100|zoom200|
//           guides|rulers|image-show|image-light|image-hide|clear-all
//   panel url|target|alt|comment|onclick|onmouseover|onmouseout|other TEXT (the area texts' words)
//       (the rest of the line after one blank, "#" included; "other" is the
//       field of the other attributes, title="..." class=... and the like)
//   panel javascript|closed on|off | panel type rect|circle|poly|bezier|0-3
//   panel point ROW X,Y | panel rows R1,R2,... | apply [N]
//       (N 1: only the point rows' selection changed; otherwise an edit)
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "model/AreaTexts.h"
#include "platform/Types.h"
#include "view/CommandIds.h"

namespace zorva::cli {

enum class ReplayOp {
  Size, Scroll, Tool, Press, Move, Release, RightPress, Key, KeyPress, Ruler, Command,
  Panel, Apply, Row, Answer, State,
};

// Text: one of the area's texts (model/AreaTextList.h), `text` says which.
enum class PanelField { Text, JavaScript, Type, Closed, Point, Rows };

struct ReplayCommand {
  ReplayOp op = ReplayOp::State;
  int64_t line = 0;        // 1-based line number in the script
  std::string source;      // the line as written, for messages
  CPoint point;            // size, scroll, pointer position; X,Y of a point row
  unsigned mods = 0;       // kModShift | kModCtrl | kModAlt held for this event
  unsigned id = 0;         // tool id, virtual key or command id
  bool on = false;         // key down, vertical ruler, check box state
  int32_t number = 0;      // row, point row, apply's N, answer button, type item
  PanelField field = PanelField::Text;
  AreaTextId textId = AreaTextId::Href;
  std::string text;        // a panel text (UTF-8)
  std::vector<int32_t> rows;  // the point rows to select
};

// One line that cannot be replayed.
struct ReplayError {
  int64_t line = 0;
  std::string source;
  std::string reason;
};

// Parses one line without its line end. Returns false with `reason` set for
// a bad line; a blank or comment line gives true and `empty`.
bool ParseReplayLine(std::string_view line, ReplayCommand& out, bool& empty, std::string& reason);

// Reads and parses every line of `file` up to the first bad one. Lines
// longer than kMaxReplayLine bytes are refused without being held in memory.
constexpr size_t kMaxReplayLine = 65536;
enum class ScriptRead { Ok, BadLine, ReadFailed };
ScriptRead ReadReplayScript(std::FILE* file, std::vector<ReplayCommand>& out, ReplayError& error);

// `line` fit for a message: bytes that are not printable UTF-8 become \xNN
// and a line longer than `shown` bytes is cut.
std::string PrintableLine(std::string_view line, size_t shown = 200);

// The names the script and the state line use.
const char* ToolName(ToolId toolId);

}  // namespace zorva::cli
