#include "html/MapReader.h"

#include <cerrno>
#include <climits>
#include <cstring>
#include <new>
#include <algorithm>
#include <utility>
#include <unordered_set>

#include "html/AreaTagReader.h"
#include "html/ByteScanner.h"
#include "html/PageCharset.h"
#include "html/PageUrl.h"
#include "html/PicturePath.h"
#include "model/AreaTexts.h"
#include "model/ZorvaDoc.h"
#include "platform/ByteScan.h"
#include "platform/CodePage.h"
#include "platform/FileSystem.h"
#include "platform/PathSplit.h"
#include "platform/StringTable.h"

namespace zorva::html {

namespace {

// The two passes over the page: the image scan and the map scan. Both meet
// scripts and collect their function names.
//
// The two scans step alike from tag to tag; they differ only at images, maps,
// areas and map ends. The image scan notes where it met each of those and
// where its step over it ended, so the map scan goes from one to the next
// without reading the page in between again. It does so while it stands
// where the image scan stood: when its own step over such a tag leads to
// another next tag than the image scan's did (a "<" inside an area tag's
// quoted value, say), it reads on byte by byte from there.
class CPageScanner {
 public:
  CPageScanner(CZorvaDoc& doc, std::string_view text) : m_doc(doc), m_text(text) {
    for (const CString& name : doc.m_listScriptName) m_scriptNames.insert(name);
  }

  std::vector<ImageRecord> ScanImages() {
    std::vector<ImageRecord> images;
    m_marks.clear();
    m_contentTags.clear();
    CByteScanner s(m_text);
    while (s.SeekTagOpen()) {
      if (s.SkipComment()) continue;
      const size_t at = s.Pos();
      if (s.MatchesTag("<img")) {
        images.push_back(ReadImageTag(s));
        Note(TagKind::Image, at, s.Pos());
        m_contentTags.push_back(at);
      } else if (s.MatchesTag("<script")) {
        m_contentTags.push_back(at);
        ScanScript(s);
      } else {
        const TagKind kind = MapScanKind(s);
        s.SkipTag();
        if (kind != TagKind::Other)
          Note(kind, at, s.Pos());
        else
          m_contentTags.push_back(at);
      }
    }
    return images;
  }

  void ScanMap() {
    MapScan scan;
    size_t pos = 0;
    if (NotesTaken()) {
      size_t i = 0;
      for (; i < m_marks.size(); ++i) {
        const size_t end = MapScanStep(scan, m_marks[i].kind, m_marks[i].at);
        if (scan.closed) break;
        if (!SameNextTag(end, m_marks[i].end)) {
          pos = end;
          break;
        }
      }
      // In step to the end: nothing is left that the map scan acts on.
      if (scan.closed || i == m_marks.size()) return Finish(scan);
    }
    CByteScanner s(m_text, pos);
    while (s.SeekTagOpen()) {
      if (s.SkipComment()) continue;
      const size_t at = s.Pos();
      const TagKind kind = MapScanKind(s);
      if (kind != TagKind::Other) {
        s.SetPos(MapScanStep(scan, kind, at));
        if (scan.closed) break;
      } else if (s.MatchesTag("<script")) {
        ScanScript(s);
      } else {
        s.SkipTag();
      }
    }
    Finish(scan);
  }

 private:
  enum class TagKind : uint8_t { Other, Image, Map, Area, MapEnd };
  struct TagMark {
    TagKind kind;
    uint32_t at, end;  // the tag's "<", and where the image scan's step ended
  };
  struct MapScan {
    bool wanted = false;
    bool closed = false;
    size_t wantedEnd = 0;  // past the last tag that belonged to the wanted map
    size_t tagEnd = 0;     // past the wanted map's start tag
    std::vector<std::pair<size_t, size_t>> areas;  // the wanted map's area tags, with their comments
  };

  // Offsets are noted in 32 bits; a longer text is scanned twice in full.
  bool NotesTaken() const { return m_text.size() <= UINT32_MAX; }
  void Note(TagKind kind, size_t at, size_t end) {
    if (NotesTaken()) m_marks.push_back({kind, uint32_t(at), uint32_t(end)});
  }

  // What the map scan makes of the tag at the position.
  static TagKind MapScanKind(const CByteScanner& s) {
    if (s.MatchesTag("<map")) return TagKind::Map;
    if (s.MatchesTag("<area")) return TagKind::Area;
    if (s.Matches("</map>")) return TagKind::MapEnd;
    return TagKind::Other;
  }

  // The map scan's step over a map, area or map end tag (or, as any other
  // tag, an image) at `at`; returns where the step ends.
  size_t MapScanStep(MapScan& scan, TagKind kind, size_t at) {
    CByteScanner s(m_text, at);
    switch (kind) {
      case TagKind::Map:
        scan.wanted = ReadMapTag(s);
        if (scan.wanted) {
          m_doc.m_nMapStartPos = int32_t(at);
          scan.wantedEnd = scan.tagEnd = s.Pos();
          scan.areas.clear();
        }
        break;
      case TagKind::Area:
        if (!scan.wanted) return at + 1;
        if (std::unique_ptr<CArea> area = ReadAreaTag(s, m_doc)) AddArea(std::move(area));
        scan.wantedEnd = s.Pos();
        scan.areas.emplace_back(at, s.Pos());
        break;
      case TagKind::MapEnd:
        s.Advance(6);
        m_doc.m_nMapEndPos = int32_t(s.Pos());
        scan.closed = scan.wanted;
        if (scan.wanted) KeepMapContent(scan, at);
        break;
      default:
        s.SkipTag();
        break;
    }
    return s.Pos();
  }

  // Whether the map scan, its step ending at `mine`, comes to the same next
  // tag as the image scan, whose step over the same tag ended at `theirs`.
  // The image scan may have passed over comments on the way (the comment
  // after an area tag belongs to the map scan's step).
  bool SameNextTag(size_t mine, size_t theirs) const {
    CByteScanner s(m_text, theirs);
    while (s.Pos() < mine) {
      if (!s.SeekTagOpen() || s.Pos() >= mine) return true;
      if (!s.SkipComment()) return false;
    }
    return !std::memchr(m_text.data() + mine, '<', s.Pos() - mine);
  }

  // A wanted map that is never closed ends after its last area, so that a
  // later write replaces only what was read.
  void Finish(const MapScan& scan) {
    // Added in page order; the page's first area goes on top.
    m_doc.m_listArea.Reverse();
    if (!scan.closed && m_doc.m_nMapStartPos >= 0) {
      m_doc.m_nMapEndPos = int32_t(scan.wantedEnd);
      KeepMapContent(scan, scan.wantedEnd);
    }
  }

  // What the wanted map holds besides its areas (the picture itself, links,
  // other elements) is written back with the new map; blanks, comments and
  // bare text between the areas go, as they always have. Only a stretch that
  // holds a tag the image scan met is looked at again: the comments between
  // areas may be most of a big page.
  void KeepMapContent(const MapScan& scan, size_t contentEnd) {
    m_doc.m_listMapKept.clear();
    size_t from = scan.tagEnd;
    auto keepGap = [&](size_t to) {
      const auto tag = std::lower_bound(m_contentTags.begin(), m_contentTags.end(), from);
      if (tag == m_contentTags.end() || *tag >= to) return;
      CByteScanner g(m_text.substr(0, to), from);
      for (;;) {
        g.SkipSpace();
        if (!g.SkipComment()) break;
      }
      if (g.AtEnd()) return;
      size_t end = to;
      while (end > g.Pos() && IsHtmlSpace(m_text[end - 1])) --end;
      m_doc.m_listMapKept.emplace_back(int32_t(g.Pos()), int32_t(end));
    };
    for (const auto& [start, end] : scan.areas) {
      if (start > from) keepGap(start);
      from = std::max(from, end);
    }
    if (contentEnd > from) keepGap(contentEnd);
  }


  void Report(const char* tag, const char* attribute) {
    m_doc.ReportMessage(61218, {tag, attribute});
  }

  // Walks the attributes of the tag whose name (with its "<") is `skip` bytes
  // long, up to and past its ">". `read` is given each attribute's whole
  // name, the position after it, and returns whether it took the attribute;
  // the text of every other attribute goes to `keep`.
  template <typename Read, typename Keep>
  static void WalkAttributes(CByteScanner& s, size_t skip, Read read, Keep keep) {
    s.Advance(skip);
    while (!s.AtEnd()) {
      s.SkipBlanks();
      if (s.SkipComment() || s.AtEnd()) continue;
      const char c = s.Peek();
      if (c == '>') {
        s.Advance();
        break;
      }
      if (c == '=') {
        s.SkipUnreadValue();
        continue;
      }
      if (CByteScanner::IsAttributeNameEnd(c)) {
        s.Advance();
        continue;
      }
      const size_t start = s.Pos();
      if (!read(s.ReadAttributeName())) keep(ReadOtherAttribute(s, start));
    }
  }

  ImageRecord ReadImageTag(CByteScanner& s) {
    ImageRecord image;
    image.offset = s.Pos();
    std::string value;
    WalkAttributes(
        s, 4,
        [&](std::string_view name) {
          const bool src = IsWordIgnoringCase(name, "src");
          if (!src && !IsWordIgnoringCase(name, "usemap")) return false;
          if (s.ReadValue(value))
            (src ? image.source : image.usemap) = value;
          else
            Report("<img>", src ? "src" : "usemap");
          return true;
        },
        [](std::string_view) {});
    return image;
  }

  // Whether the map whose "<map" is at the position is the one the chosen
  // image uses. The wanted map's other attributes are kept for the writer.
  bool ReadMapTag(CByteScanner& s) {
    std::optional<std::string> name;
    std::string value;
    CString others;
    WalkAttributes(
        s, 4,
        [&](std::string_view attribute) {
          if (!IsWordIgnoringCase(attribute, "name")) return false;
          if (s.ReadValue(value)) {
            // A name ends at a blank or ">" even inside quotation marks.
            name = value.substr(0, value.find_first_of(" \t>"));
          } else {
            Report("<MAP>", "name");
            name.reset();
          }
          return true;
        },
        [&](std::string_view raw) { KeepAttribute(others, raw); });
    const std::string_view wanted = MapNameOfUseMap(m_doc.m_strUseMap);
    const bool isWanted = name && *name == wanted;
    if (isWanted) m_doc.m_strMapOtherAttrs = std::move(others);
    return isWanted;
  }

  void ScanScript(CByteScanner& s) {
    s.Advance(7);
    while (!s.AtEnd()) {
      s.SkipBlanks();
      if (s.AtEnd()) break;
      const char c = s.Peek();
      if (c == '"' || c == '\'') {
        s.SkipQuoted(true);
      } else if (c == '<' && s.Matches("</script>")) {
        s.Advance(9);
        return;
      } else if ((c == 'f' || c == 'F') && s.Matches("function")) {
        s.Advance(8);
        s.SkipBlanks();
        size_t close = m_text.find(')', s.Pos());
        if (close == std::string_view::npos) {
          s.SetPos(m_text.size());
          return;
        }
        AddScriptName(m_text.substr(s.Pos(), close + 1 - s.Pos()));
        s.SetPos(close + 1);
      } else {
        s.Advance();
      }
    }
  }

  void AddScriptName(std::string_view signature) {
    CString entry(signature);
    // Cut to fit, never inside a two-byte character.
    if (entry.size() + 1 > kMaxScriptEntry)
      entry.resize(CharsetPrefixLength(m_doc.m_nCharset, entry, kMaxScriptEntry - 1));
    entry += ';';
    if (m_scriptNames.insert(entry).second) m_doc.m_listScriptName.push_back(entry);
  }

  // A page's first area is the one a browser gives a shared pixel to: it
  // goes on top of the editor's stack, so the list ends up in the page's
  // order reversed (once the scan is done).
  void AddArea(std::unique_ptr<CArea> area) {
    if (area->m_nType == AREA_DEFAULT) {
      CArea& d = m_doc.m_areaDefault;
      // Its comment stays its name in the area list.
      for (const CAreaText& t : kAreaTexts)
        if (!t.IsComment()) d.*t.member = std::move(*area.*t.member);
      d.m_bJavaScript = area->m_bJavaScript;
      return;
    }
    m_doc.m_listArea.push_back(std::move(area));
  }

  CZorvaDoc& m_doc;
  std::string_view m_text;
  std::unordered_set<CString> m_scriptNames;
  std::vector<TagMark> m_marks;
  // Where the image scan met a tag the map scan passes over (in page order).
  std::vector<size_t> m_contentTags;
};

bool StartPictureLoading(CZorvaDoc& doc) {
  const std::optional<PictureFormat> format = PictureFormatOfEnding(doc.m_strPicturePath);
  if (format == PictureFormat::Gif) {
    doc.ReportMessage(61211);
    return false;
  }
  if (format) doc.LoadPicture(*format);
  return true;
}

}  // namespace

std::string ImageChoiceLine(const ImageRecord& image, ECharset charset) {
  std::string line = image.usemap ? " Yes" : "  No";
  line.append(10, ' ');
  std::string_view source = image.source ? std::string_view(*image.source) : std::string_view();
  line += CharsetToUtf8(charset, source.substr(0, CharsetPrefixLength(charset, source, 30)));
  return line;
}

namespace {

constexpr unsigned kUnsupportedCharsetMessage = 65011;
constexpr size_t kMaxLabelShown = 40;

// The page's texts stay bytes in its own charset. A charset the editor does
// not know is told about only when the page has texts it could garble.
void TakePageCharset(CZorvaDoc& doc, std::string_view page) {
  const PageCharset detected = DetectPageCharset(page);
  doc.SetTextCharset(detected.charset);
  if (detected.unsupported.empty() || IsAscii(page)) return;
  std::string_view label = detected.unsupported;
  label = label.substr(0, Cp932PrefixLength(label, kMaxLabelShown));
  doc.ReportMessage(kUnsupportedCharsetMessage, {Cp932ToUtf8(label)});
}

// An image source is page text and a URL. The file it names, as UTF-8, when
// the URL needed decoding and its bytes decode to UTF-8.
std::optional<std::string> DecodedSource(const CZorvaDoc& doc, const CString& source) {
  std::string path;
  if (!SourceNeedsDecoding(source) || !PathOfSourceValue(CharsetToUtf8(doc.m_nCharset, source), path))
    return std::nullopt;
  return path;
}

// The document keeps paths as Shift_JIS file names.
CString SourcePath(const CZorvaDoc& doc, const CString& source, const std::optional<std::string>& decoded) {
  if (decoded)
    if (auto sjis = Utf8ToCharset(ECharset::ShiftJis, *decoded)) return *sjis;
  return ConvertCharset(doc.m_nCharset, ECharset::ShiftJis, source).value_or(source);
}

// The map name an image without a usemap gets: its file's name, in the
// page's charset, without what would break the reference.
CString MapNameOfSource(const CZorvaDoc& doc, const CString& source, const std::optional<std::string>& decoded) {
  if (decoded)
    if (auto held = Utf8ToCharset(doc.m_nCharset, SplitPath(*decoded).name)) return MapNameOfFileName(*held);
  return MapNameOfFileName(SplitPath(source).name);
}

// The chosen image's index, or -1 when the user cancelled.
int ChooseImage(CZorvaDoc& doc, const CString& pagePath, const std::vector<ImageRecord>& images) {
  if (images.size() == 1) return 0;
  std::vector<ImageChoice> rows;
  rows.reserve(images.size());
  for (const ImageRecord& image : images) {
    ImageChoice& row = rows.emplace_back();
    row.line = ImageChoiceLine(image, doc.m_nCharset);
    const CString source = image.source.value_or(CString());
    row.source = CharsetToUtf8(doc.m_nCharset, source);
    row.hasUsemap = image.usemap.has_value();
    if (image.usemap) row.usemap = CharsetToUtf8(doc.m_nCharset, *image.usemap);
    if (!source.empty())
      row.file = Cp932ToUtf8(AbsolutePicturePath(pagePath, SourcePath(doc, source, DecodedSource(doc, source))));
  }
  int chosen = doc.Host().ChooseImage(rows);
  return chosen >= 0 && size_t(chosen) < images.size() ? chosen : -1;
}

}  // namespace

bool ReadPageText(CZorvaDoc& doc, const CString& path, std::string text) {
  doc.m_pszPageText = std::move(text);
  const std::string_view page = *doc.m_pszPageText;
  TakePageCharset(doc, page);
  CPageScanner scanner(doc, page);

  std::vector<ImageRecord> images = scanner.ScanImages();
  if (images.empty()) {
    doc.ReportMessage(61219);
    return false;
  }
  int chosen = ChooseImage(doc, path, images);
  if (chosen < 0) {
    doc.DeleteContents();
    return false;
  }
  const ImageRecord& image = images[size_t(chosen)];
  const CString source = image.source.value_or(CString());
  const std::optional<std::string> decoded = DecodedSource(doc, source);
  doc.m_strPicturePath = AbsolutePicturePath(path, SourcePath(doc, source, decoded));
  doc.m_nImgTagPos = int32_t(image.offset);
  doc.m_bPageHasUseMap = image.usemap.has_value();
  if (image.usemap) {
    doc.m_strUseMap = *image.usemap;
    scanner.ScanMap();
  } else {
    doc.m_strUseMap = "#" + MapNameOfSource(doc, source, decoded);
  }

  if (!StartPictureLoading(doc)) {
    doc.DeleteContents();
    return false;
  }
  doc.m_bFromPage = true;
  doc.SetTitle(path);
  // The new-document step before the read placed the preview by the previous
  // picture; the patched page's relative sources resolve only beside the page.
  doc.SetPreviewPathFrom(path);
  return true;
}

bool ReadPageFile(CZorvaDoc& doc, const CString& path) {
  std::string text;
  int err = 0;
  if (!ReadWholeFile(path, text, &err, kMaxPageBytes)) {
    if (err == ENOMEM) doc.ReportMessage(61697);
    else doc.ReportMessage(FileErrorStringId(err), {Cp932ToUtf8(path)});
    return false;
  }
  try {
    return ReadPageText(doc, path, std::move(text));
  } catch (const std::bad_alloc&) {
    // Nothing of a page read halfway stays.
    doc.DeleteContents();
    doc.ReportMessage(61697);
    return false;
  }
}

}  // namespace zorva::html
