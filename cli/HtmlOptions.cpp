#include "cli/HtmlOptions.h"

#include <cstdio>
#include <cstdlib>

#include "cli/IniSettings.h"
#include "html/HtmlSettingsDefaults.h"

namespace zorva::cli {

namespace {

bool ParseInt(const std::string& text, int low, int high, int& out) {
  if (text.empty()) return false;
  char* end = nullptr;
  long v = std::strtol(text.c_str(), &end, 10);
  if (*end != '\0' || v < low || v > high) return false;
  out = int(v);
  return true;
}

bool ParseChoice(const std::string& text, const char* act, int& out) {
  if (text == act) out = 1;
  else if (text == "ignore") out = 5;
  else if (text == "cancel") out = 2;
  else return false;
  return true;
}

bool ParseOption(const std::string& name, const std::string& value, HtmlOptions& o) {
  int n = 0;
  if (name == "--image") {
    if (!ParseInt(value, 0, 1 << 30, n)) return false;
    o.image = n;
    return true;
  }
  if (name == "--unclosed") return ParseChoice(value, "close", o.unclosed);
  if (name == "--shape") return ParseChoice(value, "convert", o.shape);
  if (name == "--newline") {
    if (value == "crlf") o.newline = "\r\n";
    else if (value == "cr") o.newline = "\r";
    else if (value == "lf") o.newline = "\n";
    else return false;
    return true;
  }
  if (name == "--doctype") {
    if (!ParseInt(value, 0, 5, n) || n == 1) return false;
    o.doctype = n;
    return true;
  }
  if (name == "--charcode") {
    if (!ParseInt(value, 0, 3, n)) return false;
    o.charcode = n;
    return true;
  }
  if (name == "--map") {
    if (value == "classic") o.mapForm = 0;
    else if (value == "svg") o.mapForm = 1;
    else return false;
    return true;
  }
  if (name == "--hover") {
    if (value == "on") o.svgHover = 1;
    else if (value == "off") o.svgHover = 0;
    else return false;
    return true;
  }
  if (name == "--charcase") {
    if (!ParseInt(value, 0, 2, n)) return false;
    o.charcase = n;
    return true;
  }
  return false;
}

bool IsOptionName(const std::string& s) {
  for (const char* name : {"--image", "--unclosed", "--shape", "--newline", "--doctype", "--charcode",
                           "--charcase", "--map", "--hover"})
    if (s == name) return true;
  return false;
}

}  // namespace

bool TakeHtmlOptions(std::vector<std::string>& args, HtmlOptions& options, std::string& error) {
  std::vector<std::string> rest;
  for (size_t i = 0; i < args.size(); ++i) {
    std::string name = args[i], value;
    size_t eq = name.find('=');
    if (name.rfind("--", 0) == 0 && eq != std::string::npos) {
      value = name.substr(eq + 1);
      name.resize(eq);
    } else if (IsOptionName(name)) {
      if (i + 1 >= args.size()) {
        error = "option " + name + " needs a value";
        return false;
      }
      value = args[++i];
    } else if (name.rfind("--", 0) == 0) {
      error = "unknown option " + name;
      return false;
    } else {
      rest.push_back(name);
      continue;
    }
    if (!IsOptionName(name)) {
      error = "unknown option " + name;
      return false;
    }
    if (!ParseOption(name, value, options)) {
      error = "bad value '" + value + "' for " + name;
      return false;
    }
  }
  args = std::move(rest);
  return true;
}

bool BuildHtmlSettings(const HtmlOptions& o, CMemorySettingsStore& store) {
  std::string error;
  if (!LoadUserSettings(store, error)) {
    std::fprintf(stderr, "%s\n", error.c_str());
    return false;
  }
  CompleteHtmlSettings(store);
  if (o.newline) store.WriteString(kSettingsSection, kSettingNewline, *o.newline);
  if (o.doctype) store.WriteInt(kSettingsSection, kSettingDoctype, *o.doctype);
  if (o.charcode) store.WriteInt(kSettingsSection, kSettingCharcode, *o.charcode);
  if (o.charcase) store.WriteInt(kSettingsSection, kSettingCharcase, *o.charcase);
  if (o.mapForm) store.WriteInt(kSettingsSection, kSettingMapForm, *o.mapForm);
  if (o.svgHover) store.WriteInt(kSettingsSection, kSettingSvgHover, *o.svgHover);
  return true;
}

}  // namespace zorva::cli
