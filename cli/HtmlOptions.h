#pragma once
// The options of zorva-cli's page commands: which image of a page to take,
// the answers to the writer's two questions, and the four output settings.
#include <optional>
#include <string>
#include <vector>

#include "platform/SettingsStore.h"

namespace zorva::cli {

struct HtmlOptions {
  std::optional<int> image;  // 0-based index of the image when a page has several
  int unclosed = 2;          // answer to the unclosed-area question: 1 close, 5 ignore, 2 cancel
  int shape = 2;             // answer to the shape question: 1 convert, 5 ignore, 2 cancel
  std::optional<std::string> newline;
  std::optional<int> doctype;
  std::optional<int> charcode;
  std::optional<int> charcase;
  std::optional<int> mapForm;   // --map classic|svg: 0, 1 as stored
  std::optional<int> svgHover;  // --hover on|off: 1, 0
};

// Takes the page options out of `args`, leaving the other arguments in order.
// On a wrong option returns false and sets `error`.
bool TakeHtmlOptions(std::vector<std::string>& args, HtmlOptions& options, std::string& error);

// The output settings for a write: the user's stored settings, completed with
// the start-up defaults, then the options given. False, with the message on
// stderr, when the settings file is there but cannot be read.
bool BuildHtmlSettings(const HtmlOptions& options, CMemorySettingsStore& store);

}  // namespace zorva::cli
