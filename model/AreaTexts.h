#pragma once
// The descriptors of an area's texts (the lines of model/AreaTextList.h).
#include <span>
#include <string_view>

#include "model/Area.h"

// How the writers, the charset and the panel treat a text.
enum class AreaTextRole {
  // The link (href, target, ALT): the writers write them by the link's own
  // rules (no target without a link, HTML5's ALT only on a link).
  Link,
  // A script, written and shown as editable only while the area's scripts
  // are on (m_bJavaScript); the project file holds that flag before them.
  Script,
  // An attribute written whenever it is not empty.
  Plain,
  // The comment after the area's tag: it has no reference form, so a
  // character its charset lacks is refused, not referenced.
  Comment,
  // The attributes of the page's tag the editor does not read, written after
  // the writer's own.
  Kept,
};

enum class AreaTextId {
#define ZORVA_AREA_TEXT(Id, ...) Id,
#include "model/AreaTextList.h"
#undef ZORVA_AREA_TEXT
};

struct CAreaText {
  AreaTextId id;
  CString CArea::*member;
  const char* key;             // zorva-cli's dump
  std::string_view attribute;  // as the reader reads it, lower case; empty: none
  std::string_view mapPrefix;  // " onClick=\"": the map writer's start of it
  std::string_view svgPrefix;  // " onclick=\"": the responsive page's
  AreaTextRole role;
  bool stored;  // in the project file
  std::string_view replayWord;  // zorva-cli's "panel WORD TEXT"

  // A character the document's charset lacks: a reference in an attribute;
  // a comment cannot hold one.
  bool IsComment() const { return role == AreaTextRole::Comment; }
  // The bit of its attribute among those an area's own fields write
  // (html/AttributeText: AreaOwnedAttribute); 0 without one.
  unsigned OwnedBit() const { return attribute.empty() ? 0 : 8u << unsigned(id); }
};

inline constexpr CAreaText kAreaTexts[] = {
#define ZORVA_AREA_TEXT(Id, member, key, attribute, spelling, role, stored, panel, word)                    \
  {AreaTextId::Id, &CArea::member, key, attribute, " " spelling "=\"", " " attribute "=\"", AreaTextRole::role, \
   stored, word},
#include "model/AreaTextList.h"
#undef ZORVA_AREA_TEXT
};

constexpr const CAreaText& AreaText(AreaTextId id) { return kAreaTexts[unsigned(id)]; }

constexpr const CAreaText* FindAreaTextByReplayWord(std::string_view word) {
  for (const CAreaText& t : kAreaTexts)
    if (t.replayWord == word) return &t;
  return nullptr;
}
