#include "model/ZorvaDoc.h"
#include "view/Tool.h"
#include "view/ZorvaView.h"

CZorvaView::CZorvaView(CZorvaDoc& doc, IViewHost& host, IViewFrame& frame, IPropertyPanel* panel)
    : m_doc(doc), m_host(host), m_frame(frame), m_pPropertyPanel(panel) {
  const CSize client = m_host.GetClientSize();
  m_dcBack.Resize(client.cx, client.cy, m_colorBack);
  m_rcPending = GetClientRect();
  for (auto& [id, tool] : MakeTools(*this)) m_tools.emplace(id, std::move(tool));
}

CZorvaView::~CZorvaView() { delete m_pWorkGuide; }

CTool* CZorvaView::Tool(int id) const {
  const auto it = m_tools.find(id);
  return it == m_tools.end() ? nullptr : it->second.get();
}
