// The document's HTML members; the work is done by the html module.
#include "html/HtmlSettings.h"
#include "html/MapReader.h"
#include "html/MapWriter.h"
#include "model/ZorvaDoc.h"

bool CZorvaDoc::WriteHtml(const CString& path) {
  // Read afresh at every write, so a change of the settings applies at once.
  zorva::HtmlOutputSettings settings;
  if (m_pSettingsStore) settings = zorva::ReadHtmlOutputSettings(*m_pSettingsStore);
  return zorva::html::WriteMap(*this, path, settings);
}

bool CZorvaDoc::ReadHtml(const CString& path) { return zorva::html::ReadPageFile(*this, path); }
