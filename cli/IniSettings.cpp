#include "cli/IniSettings.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "platform/FileSystem.h"
#include "platform/StringTable.h"

namespace zorva::cli {

namespace {

std::string Trim(const std::string& s) {
  size_t a = s.find_first_not_of(" \t");
  if (a == std::string::npos) return std::string();
  size_t b = s.find_last_not_of(" \t\r");
  return s.substr(a, b - a + 1);
}

void AppendUtf8(std::string& out, unsigned long cp) {
  if (cp < 0x80) {
    out += char(cp);
  } else if (cp < 0x800) {
    out += char(0xC0 | (cp >> 6));
    out += char(0x80 | (cp & 0x3F));
  } else {
    out += char(0xE0 | ((cp >> 12) & 0x0F));
    out += char(0x80 | ((cp >> 6) & 0x3F));
    out += char(0x80 | (cp & 0x3F));
  }
}

// A value as the store writes it: backslash escapes, and quotation marks
// around values that hold separators or outer blanks.
std::string Unescape(const std::string& raw) {
  std::string out;
  for (size_t i = 0; i < raw.size(); ++i) {
    char c = raw[i];
    if (c == '"') continue;
    if (c != '\\' || i + 1 >= raw.size()) {
      out += c;
      continue;
    }
    char e = raw[++i];
    switch (e) {
      case 'r': out += '\r'; break;
      case 'n': out += '\n'; break;
      case 't': out += '\t'; break;
      case '0': out += '\0'; break;
      case 'a': out += '\a'; break;
      case 'b': out += '\b'; break;
      case 'f': out += '\f'; break;
      case 'v': out += '\v'; break;
      case 'x': {
        size_t j = i + 1;
        unsigned long cp = 0;
        for (; j < raw.size() && j < i + 5; ++j) {
          char h = raw[j];
          int d = h >= '0' && h <= '9' ? h - '0' : h >= 'a' && h <= 'f' ? h - 'a' + 10
                : h >= 'A' && h <= 'F' ? h - 'A' + 10 : -1;
          if (d < 0) break;
          cp = cp * 16 + unsigned(d);
        }
        AppendUtf8(out, cp);
        i = j - 1;
        break;
      }
      default: out += e;
    }
  }
  return out;
}

}  // namespace

std::string UserSettingsPath() {
  const char* xdg = std::getenv("XDG_CONFIG_HOME");
  std::string base;
  if (xdg && *xdg) {
    base = xdg;
  } else if (const char* home = std::getenv("HOME")) {
    base = std::string(home) + "/.config";
  }
  return base + "/Ulmora/ZORVA.conf";
}

void ParseIniSettings(const std::string& text, CMemorySettingsStore& store) {
  std::string section = "General";
  size_t pos = 0;
  while (pos < text.size()) {
    size_t end = text.find('\n', pos);
    if (end == std::string::npos) end = text.size();
    std::string line = Trim(text.substr(pos, end - pos));
    pos = end + 1;
    if (line.empty() || line[0] == ';' || line[0] == '#') continue;
    if (line.front() == '[' && line.back() == ']') {
      section = line.substr(1, line.size() - 2);
      continue;
    }
    size_t eq = line.find('=');
    if (eq == std::string::npos) continue;
    store.WriteString(section, Trim(line.substr(0, eq)), Unescape(Trim(line.substr(eq + 1))));
  }
}

bool LoadUserSettings(CMemorySettingsStore& store, std::string& error) {
  // The settings path is a file-system path already, not a model path.
  const std::string path = UserSettingsPath();
  std::string text;
  int err = 0;
  if (!ReadWholeFsFile(path, text, &err, kMaxSettingsFileBytes)) {
    if (err == ENOENT) return true;
    error = err == ENOMEM ? std::strerror(ENOMEM) : FormatString(FileErrorStringId(err), {path});
    return false;
  }
  ParseIniSettings(text, store);
  return true;
}

}  // namespace zorva::cli
