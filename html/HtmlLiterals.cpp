#include "html/HtmlLiterals.h"

namespace zorva {

namespace {
// Elements upper case, attributes lower case.
const HtmlLiterals kMixed = {
    "<HTML>", "<HEAD>", "</HEAD>",
    "<META http-equiv=\"Content-Type\" content=\"text/html;charset=Shift_JIS\">",
    "<META http-equiv=\"Content-Type\" content=\"text/html;charset=euc-jp\">",
    "<META http-equiv=\"Content-Type\" content=\"text/html; charset=UTF-8\">",
    "<BODY>", "<IMG src=\"", "\" usemap=\"#", "\" border=\"0\">", "<MAP name=\"",
    "</MAP>", "</BODY>", "</HTML>",
    "<AREA shape=\"rect\" coords=\"", "<AREA shape=\"circle\" coords=\"",
    "<AREA shape=\"poly\" coords=\"", "<AREA shape=\"default\"",
    " href=\"", " nohref", " target=\"", " alt=\"", " usemap=\""};

const HtmlLiterals kUpper = {
    "<HTML>", "<HEAD>", "</HEAD>",
    "<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html;charset=Shift_JIS\">",
    "<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html;charset=EUC-JP\">",
    "<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=UTF-8\">",
    "<BODY>", "<IMG SRC=\"", "\" USEMAP=\"#", "\" BORDER=\"0\">", "<MAP NAME=\"",
    "</MAP>", "</BODY>", "</HTML>",
    "<AREA SHAPE=\"rect\" COORDS=\"", "<AREA SHAPE=\"circle\" COORDS=\"",
    "<AREA SHAPE=\"poly\" COORDS=\"", "<AREA SHAPE=\"default\"",
    " HREF=\"", " NOHREF", " TARGET=\"", " ALT=\"", " USEMAP=\""};

const HtmlLiterals kLower = {
    "<html>", "<head>", "</head>",
    "<meta http-equiv=\"content-type\" content=\"text/html;charset=shift_jis\">",
    "<meta http-equiv=\"content-type\" content=\"text/html;charset=euc-jp\">",
    "<meta http-equiv=\"content-type\" content=\"text/html; charset=utf-8\">",
    "<body>", "<img src=\"", "\" usemap=\"#", "\" border=\"0\">", "<map name=\"",
    "</map>", "</body>", "</html>",
    "<area shape=\"rect\" coords=\"", "<area shape=\"circle\" coords=\"",
    "<area shape=\"poly\" coords=\"", "<area shape=\"default\"",
    " href=\"", " nohref", " target=\"", " alt=\"", " usemap=\""};

// HTML5: elements and attributes in lower case whatever the letter-case
// setting; an area without a link is one without href, and the picture's
// tag is finished by the page writer (alt, width, height; no border).
const HtmlLiterals kHtml5 = {
    "<html lang=\"ja\">", "<head>", "</head>",
    "<meta charset=\"shift_jis\">", "<meta charset=\"euc-jp\">", "<meta charset=\"utf-8\">",
    "<body>", "<img src=\"", "\" usemap=\"#", "\">", "<map name=\"",
    "</map>", "</body>", "</html>",
    "<area shape=\"rect\" coords=\"", "<area shape=\"circle\" coords=\"",
    "<area shape=\"poly\" coords=\"", "<area shape=\"default\"",
    " href=\"", "", " target=\"", " alt=\"", " usemap=\"", true};
}  // namespace

const HtmlLiterals& LiteralsFor(int charcase) {
  switch (charcase) {
    case 1: return kUpper;
    case 2: return kLower;
    default: return kMixed;
  }
}

const HtmlLiterals& LiteralsFor(const HtmlOutputSettings& settings) {
  return settings.doctype == kDoctypeHtml5 ? kHtml5 : LiteralsFor(settings.charcase);
}

std::string_view MetaLine(const HtmlLiterals& L, int charcode) {
  switch (charcode) {
    case 1: return L.metaSjis;
    case 2: return L.metaEuc;
    case 3: return L.metaUtf8;
    default: return {};
  }
}

const char* DoctypeLine(int doctype) {
  switch (doctype) {
    case 2: return "<!DOCTYPE HTML PUBLIC \"-//IETF//DTD HTML i18n//EN\">";
    case 3: return "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 3.2 Final//EN\">";
    case 4: return "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\">";
    case kDoctypeHtml5: return "<!DOCTYPE html>";
    default: return nullptr;
  }
}

}  // namespace zorva
