#include "cli/ReplayScript.h"

#include <cerrno>
#include <charconv>
#include <cstring>
#include <limits>

#include "model/DocumentHost.h"
#include "platform/Charset.h"
#include "platform/PathSplit.h"
#include "view/Accelerators.h"
#include "view/CommandIds.h"
#include "view/ToolTable.h"
#include "view/ViewHost.h"

namespace zorva::cli {

namespace {

// Mouse messages carry 16-bit signed window coordinates.
constexpr int64_t kCoordMin = -32768, kCoordMax = 32767;
// A window larger than any screen would only cost memory for its back buffer.
constexpr int64_t kClientMax = 8192;
// The largest picture side; point rows beyond it mean nothing.
constexpr int64_t kPointMax = 65535;
constexpr int64_t kInt32Max = std::numeric_limits<int32_t>::max();
constexpr int64_t kInt32Min = std::numeric_limits<int32_t>::min();

struct Named {
  const char* name;
  unsigned id;
};

const Named kCommands[] = {
    {"undo", ID_EDIT_UNDO},           {"redo", ID_EDIT_REDO},
    {"cut", ID_EDIT_CUT},             {"copy", ID_EDIT_COPY},
    {"paste", ID_EDIT_PASTE},         {"delete", ID_EDIT_CLEAR},
    {"duplicate", ID_EDIT_DUPLICATE}, {"zoom50", ID_VIEW_ZOOM50},
    {"zoom100", ID_VIEW_ZOOM100},     {"zoom200", ID_VIEW_ZOOM200},
    {"guides", ID_VIEW_GUIDE},        {"rulers", ID_VIEW_RULER},
    {"image-show", ID_IMAGE_SHOW},    {"image-light", ID_IMAGE_LIGHT},
    {"image-hide", ID_IMAGE_HIDE},    {"clear-all", ID_EDIT_CLEAR_ALL},
};

const Named kKeys[] = {
    {"tab", VK_TAB},         {"shift", VK_SHIFT},         {"ctrl", VK_CONTROL},
    {"alt", VK_MENU},        {"space", VK_SPACE},         {"delete", VK_DELETE},
    {"backspace", VK_BACK},  {"insert", VK_INSERT},      {"escape", VK_ESCAPE},
};

const Named kModifiers[] = {{"shift", kModShift}, {"ctrl", kModCtrl}, {"alt", kModAlt}};

// Besides the area's texts, which their list names.
const Named kPanelFields[] = {
    {"javascript", unsigned(PanelField::JavaScript)},
    {"type", unsigned(PanelField::Type)},
    {"closed", unsigned(PanelField::Closed)},
    {"point", unsigned(PanelField::Point)},
    {"rows", unsigned(PanelField::Rows)},
};

const Named kAnswers[] = {{"ok", IDOK}, {"cancel", IDCANCEL}, {"yes", IDYES}, {"no", IDNO}};

template <size_t N>
const Named* Find(const Named (&table)[N], std::string_view name) {
  for (const Named& n : table)
    if (name == n.name) return &n;
  return nullptr;
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// A word of the line and where it ends, so a panel value can take the rest.
struct Word {
  std::string_view text;
  size_t end;
};

// The words up to a word that starts with '#'.
std::vector<Word> Split(std::string_view line) {
  std::vector<Word> words;
  size_t i = 0;
  while (i < line.size()) {
    while (i < line.size() && IsBlank(line[i])) ++i;
    if (i >= line.size() || line[i] == '#') break;
    size_t start = i;
    while (i < line.size() && !IsBlank(line[i])) ++i;
    words.push_back({line.substr(start, i - start), i});
  }
  return words;
}

std::string Quoted(std::string_view word) { return "'" + PrintableLine(word, 40) + "'"; }

bool ParseInt(std::string_view word, int64_t low, int64_t high, int32_t& out, std::string& reason,
              const char* what) {
  int64_t v = 0;
  const char* first = word.data();
  const char* last = word.data() + word.size();
  // from_chars takes a minus sign but no plus; either way digits must follow.
  auto [end, ec] = std::from_chars(first, last, v);
  if (word.empty() || ec != std::errc() || end != last) {
    reason = std::string(what) + " is not a whole number: " + Quoted(word);
    return false;
  }
  if (v < low || v > high) {
    reason = std::string(what) + " " + std::string(word) + " is out of range (" + std::to_string(low) +
             " to " + std::to_string(high) + ")";
    return false;
  }
  out = int32_t(v);
  return true;
}

bool ParsePoint(const std::vector<Word>& w, size_t at, int64_t low, int64_t high, CPoint& out,
                std::string& reason) {
  if (w.size() < at + 2) {
    reason = "expected X and Y";
    return false;
  }
  return ParseInt(w[at].text, low, high, out.x, reason, "X") &&
         ParseInt(w[at + 1].text, low, high, out.y, reason, "Y");
}

bool ParseModifiers(const std::vector<Word>& w, size_t from, unsigned& mods, std::string& reason) {
  mods = 0;
  for (size_t i = from; i < w.size(); ++i) {
    const Named* m = Find(kModifiers, w[i].text);
    if (!m) {
      reason = "unexpected " + Quoted(w[i].text) + " (modifiers are shift, ctrl, alt)";
      return false;
    }
    if (mods & m->id) {
      reason = "modifier " + std::string(m->name) + " given twice";
      return false;
    }
    mods |= m->id;
  }
  return true;
}

// "tool" and the names of the tools a script can choose.
std::string ToolUsage() {
  std::string usage = "tool ";
  for (const CToolDescriptor& t : ToolTable())
    if (t.CanBeChosen()) usage.append(usage.size() > 5 ? "|" : "").append(t.replayName);
  return usage;
}

bool ExpectCount(const std::vector<Word>& w, size_t count, const char* usage, std::string& reason) {
  if (w.size() == count) return true;
  reason = std::string(w.size() < count ? "missing arguments" : "too many arguments") + ", expected: " + usage;
  return false;
}

bool ParseKeyName(std::string_view name, unsigned& vk, std::string& reason) {
  if (name.size() == 1) {
    const char c = name[0];
    if (c >= '0' && c <= '9') return vk = unsigned(c), true;
    if (c >= 'a' && c <= 'z') return vk = unsigned(c - 'a' + 'A'), true;
    if (c >= 'A' && c <= 'Z') return vk = unsigned(c), true;
  }
  if (const Named* k = Find(kKeys, ToLowerAscii(name))) return vk = k->id, true;
  reason = "unknown key " + Quoted(name);
  return false;
}

// Panel texts reach the model; a NUL or a broken sequence would be cut or
// garbled there, so they are refused here.
bool CheckText(std::string_view text, std::string& reason) {
  for (size_t i = 0; i < text.size();) {
    const size_t n = text[i] == '\0' ? 0 : zorva::Utf8SequenceAt(text, i);
    if (n == 0) {
      reason = "the value is not UTF-8 text";
      return false;
    }
    i += n;
  }
  return true;
}

bool ParseOnOff(std::string_view word, bool& on, std::string& reason) {
  if (word == "on" || word == "1") return on = true, true;
  if (word == "off" || word == "0") return on = false, true;
  reason = "expected on or off, not " + Quoted(word);
  return false;
}

bool ParsePanel(std::string_view line, const std::vector<Word>& w, ReplayCommand& c, std::string& reason) {
  if (w.size() < 2) {
    reason = "missing arguments, expected: panel FIELD VALUE";
    return false;
  }
  if (const CAreaText* t = FindAreaTextByReplayWord(w[1].text)) {
    c.field = PanelField::Text;
    c.textId = t->id;
  } else if (const Named* f = Find(kPanelFields, w[1].text)) {
    c.field = PanelField(f->id);
  } else {
    reason = "unknown panel field " + Quoted(w[1].text);
    return false;
  }
  // Texts are the rest of the line as written, '#' and blanks included (a
  // URL may well end in "#top"); one blank separates them from the field.
  std::string_view rest = w[1].end < line.size() ? line.substr(w[1].end + 1) : std::string_view();
  const std::vector<Word> v(w.begin() + 2, w.end());
  switch (c.field) {
    case PanelField::JavaScript:
    case PanelField::Closed:
      return ExpectCount(w, 3, "panel javascript|closed on|off", reason) && ParseOnOff(v[0].text, c.on, reason);
    case PanelField::Type: {
      if (!ExpectCount(w, 3, "panel type rect|circle|poly|bezier", reason)) return false;
      static const char* const kTypes[] = {"rect", "circle", "poly", "bezier"};
      for (int i = 0; i < 4; ++i)
        if (v[0].text == kTypes[i]) return c.number = i, true;
      return ParseInt(v[0].text, 0, 3, c.number, reason, "type");
    }
    case PanelField::Point: {
      if (!ExpectCount(w, 4, "panel point ROW X,Y", reason)) return false;
      if (!ParseInt(v[0].text, 0, kInt32Max, c.number, reason, "row")) return false;
      const size_t comma = v[1].text.find(',');
      if (comma == std::string_view::npos) {
        reason = "expected X,Y, not " + Quoted(v[1].text);
        return false;
      }
      return ParseInt(v[1].text.substr(0, comma), -kPointMax, kPointMax, c.point.x, reason, "X") &&
             ParseInt(v[1].text.substr(comma + 1), -kPointMax, kPointMax, c.point.y, reason, "Y");
    }
    case PanelField::Rows: {
      // Blanks may follow the commas; no rows at all selects none.
      std::string joined;
      for (const Word& word : v) joined += word.text;
      size_t start = 0;
      while (start < joined.size()) {
        size_t comma = joined.find(',', start);
        if (comma == std::string::npos) comma = joined.size();
        int32_t row = 0;
        if (!ParseInt(std::string_view(joined).substr(start, comma - start), 0, kInt32Max, row, reason, "row"))
          return false;
        c.rows.push_back(row);
        start = comma + 1;
      }
      return true;
    }
    default:
      c.text = std::string(rest);
      return CheckText(rest, reason);
  }
}

}  // namespace

const char* ToolName(ToolId toolId) {
  const CToolDescriptor* tool = FindTool(toolId);
  return tool ? tool->replayName : "unknown";
}

bool ParseReplayLine(std::string_view line, ReplayCommand& c, bool& empty, std::string& reason) {
  const std::vector<Word> w = Split(line);
  empty = w.empty();
  if (empty) return true;
  const std::string_view name = w[0].text;
  c.source = std::string(line);

  if (name == "size") {
    c.op = ReplayOp::Size;
    return ExpectCount(w, 3, "size W H", reason) && ParsePoint(w, 1, 0, kClientMax, c.point, reason);
  }
  if (name == "scroll") {
    c.op = ReplayOp::Scroll;
    return ExpectCount(w, 3, "scroll X Y", reason) && ParsePoint(w, 1, kInt32Min, kInt32Max, c.point, reason);
  }
  if (name == "tool") {
    c.op = ReplayOp::Tool;
    if (!ExpectCount(w, 2, ToolUsage().c_str(), reason)) return false;
    const CToolDescriptor* t = FindToolByReplayName(w[1].text);
    if (!t || !t->CanBeChosen()) reason = "unknown tool " + Quoted(w[1].text);
    return t && t->CanBeChosen() && (c.id = unsigned(t->id), true);
  }
  if (name == "press" || name == "move" || name == "release" || name == "rpress") {
    c.op = name == "press" ? ReplayOp::Press
         : name == "move"  ? ReplayOp::Move
         : name == "release" ? ReplayOp::Release
                             : ReplayOp::RightPress;
    return ParsePoint(w, 1, kCoordMin, kCoordMax, c.point, reason) && ParseModifiers(w, 3, c.mods, reason);
  }
  if (name == "key" || name == "keypress") {
    const bool press = name == "keypress";
    c.op = press ? ReplayOp::KeyPress : ReplayOp::Key;
    const size_t minimum = press ? 2 : 3;
    if (w.size() < minimum) {
      reason = press ? "missing arguments, expected: keypress NAME [shift] [ctrl] [alt]"
                     : "missing arguments, expected: key NAME down|up [shift] [ctrl] [alt]";
      return false;
    }
    if (!ParseKeyName(w[1].text, c.id, reason)) return false;
    if (!press) {
      if (w[2].text != "down" && w[2].text != "up") {
        reason = "expected down or up, not " + Quoted(w[2].text);
        return false;
      }
      c.on = w[2].text == "down";
    }
    return ParseModifiers(w, minimum, c.mods, reason);
  }
  if (name == "ruler") {
    c.op = ReplayOp::Ruler;
    if (!ExpectCount(w, 4, "ruler top|left X Y", reason)) return false;
    if (w[1].text != "top" && w[1].text != "left") {
      reason = "expected top or left, not " + Quoted(w[1].text);
      return false;
    }
    c.on = w[1].text == "left";
    return ParsePoint(w, 2, kCoordMin, kCoordMax, c.point, reason);
  }
  if (name == "command") {
    c.op = ReplayOp::Command;
    if (!ExpectCount(w, 2, "command NAME", reason)) return false;
    const Named* k = Find(kCommands, w[1].text);
    if (!k) reason = "unknown command name " + Quoted(w[1].text);
    return k && (c.id = k->id, true);
  }
  if (name == "panel") {
    c.op = ReplayOp::Panel;
    return ParsePanel(line, w, c, reason);
  }
  if (name == "apply") {
    c.op = ReplayOp::Apply;
    if (w.size() > 2) return ExpectCount(w, 2, "apply [N]", reason);
    return w.size() == 1 || ParseInt(w[1].text, 0, kInt32Max, c.number, reason, "N");
  }
  if (name == "row") {
    c.op = ReplayOp::Row;
    return ExpectCount(w, 2, "row N", reason) && ParseInt(w[1].text, 0, kInt32Max, c.number, reason, "row");
  }
  if (name == "answer") {
    c.op = ReplayOp::Answer;
    if (!ExpectCount(w, 2, "answer ok|cancel|yes|no|NUMBER", reason)) return false;
    if (const Named* a = Find(kAnswers, w[1].text)) return c.number = int32_t(a->id), true;
    return ParseInt(w[1].text, 0, kInt32Max, c.number, reason, "answer");
  }
  if (name == "state") {
    c.op = ReplayOp::State;
    return ExpectCount(w, 1, "state", reason);
  }
  reason = "unknown command " + Quoted(name);
  return false;
}

ScriptRead ReadReplayScript(std::FILE* file, std::vector<ReplayCommand>& out, ReplayError& error) {
  std::string line;
  bool overlong = false;
  int64_t number = 0;
  char buffer[65536];

  // Returns false at a bad line.
  auto finish = [&]() {
    ++number;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (overlong || line.size() > kMaxReplayLine) {
      error = {number, line, "the line is longer than " + std::to_string(kMaxReplayLine) + " bytes"};
      return false;
    }
    // A byte-order mark, as some editors write one.
    if (number == 1 && line.compare(0, 3, "\xEF\xBB\xBF") == 0) line.erase(0, 3);
    ReplayCommand c;
    bool empty = false;
    std::string reason;
    if (!ParseReplayLine(line, c, empty, reason)) {
      error = {number, line, reason};
      return false;
    }
    if (!empty) {
      c.line = number;
      out.push_back(std::move(c));
    }
    line.clear();
    return true;
  };

  bool pending = false;  // a line has begun
  while (true) {
    const size_t got = std::fread(buffer, 1, sizeof buffer, file);
    for (size_t i = 0; i < got;) {
      const char* nl = static_cast<const char*>(std::memchr(buffer + i, '\n', got - i));
      const size_t end = nl ? size_t(nl - buffer) : got;
      // Only the start of an overlong line is kept, for its message.
      if (!overlong) {
        const size_t room = kMaxReplayLine + 1 - line.size();  // + 1 for a CR before the LF
        line.append(buffer + i, std::min(end - i, room));
        if (end - i > room) overlong = true;
      }
      pending = true;
      if (!nl) break;
      if (!finish()) return ScriptRead::BadLine;
      pending = false;
      i = end + 1;
    }
    if (got < sizeof buffer) break;
  }
  if (std::ferror(file)) {
    error = {number + 1, "", std::strerror(errno)};
    return ScriptRead::ReadFailed;
  }
  if (pending && !finish()) return ScriptRead::BadLine;
  return ScriptRead::Ok;
}

std::string PrintableLine(std::string_view line, size_t shown) {
  static const char kHex[] = "0123456789ABCDEF";
  std::string out;
  size_t i = 0;
  while (i < line.size() && out.size() < shown) {
    const unsigned char c = static_cast<unsigned char>(line[i]);
    const size_t n = (c < 0x20 && c != '\t') || c == 0x7F ? 0 : zorva::Utf8SequenceAt(line, i);
    if (n == 0) {
      out += "\\x";
      out += kHex[c >> 4];
      out += kHex[c & 0xF];
      ++i;
    } else {
      out.append(line.substr(i, n));
      i += n;
    }
  }
  if (i < line.size()) out += "...";
  return out;
}

}  // namespace zorva::cli
