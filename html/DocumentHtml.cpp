// The document's HTML members; the work is done by the html module.
#include "html/HtmlSettings.h"
#include "html/MapReader.h"
#include "html/MapWriter.h"
#include "html/PageOnDisk.h"
#include "html/SvgMapWriter.h"
#include "model/ZorvaDoc.h"

namespace {
// Read afresh at every write, so a change of the settings applies at once.
zorva::HtmlOutputSettings CurrentSettings(zorva::ISettingsStore* store) {
  return store ? zorva::ReadHtmlOutputSettings(*store) : zorva::HtmlOutputSettings{};
}
}  // namespace

bool CZorvaDoc::WriteHtml(const CString& path) {
  const zorva::HtmlOutputSettings settings = CurrentSettings(m_pSettingsStore);
  // A page that was read is patched in its own form; the responsive form is
  // for new pages.
  if (settings.mapForm == zorva::MapForm::Svg && !m_bFromPage)
    return zorva::html::WriteSvgMap(*this, path, settings);
  // Another program may have changed the page since it was read or saved.
  if (!zorva::html::PreparePageWrite(*this, path)) return false;
  if (!zorva::html::WriteMap(*this, path, settings)) return false;
  // The preview is a copy beside the page, not the page.
  if (m_bFromPage && path != m_strPreviewPath) zorva::html::NotePageWritten(*this, path);
  return true;
}

bool CZorvaDoc::WriteResponsiveHtml(const CString& path) {
  return zorva::html::WriteSvgMap(*this, path, CurrentSettings(m_pSettingsStore));
}

bool CZorvaDoc::ReadHtml(const CString& path) { return zorva::html::ReadPageFile(*this, path); }
