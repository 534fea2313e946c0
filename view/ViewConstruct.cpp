// The view's construction, and the pointer events it hands to its tool
// controller.
#include "model/ZorvaDoc.h"
#include "view/ToolController.h"
#include "view/ViewPanel.h"
#include "view/ZorvaView.h"

CZorvaView::CZorvaView(CZorvaDoc& doc, IViewHost& host, IViewFrame& frame, IPropertyPanel* panel)
    : m_doc(doc),
      m_host(host),
      m_frame(frame),
      m_pPropertyPanel(panel),
      m_coords(host),
      m_canvas(doc, host, m_coords),
      m_panel(std::make_unique<CViewPanel>(*this)),
      m_tools(std::make_unique<CToolController>(*this)) {}

CZorvaView::~CZorvaView() = default;

CTool* CZorvaView::Tool(int id) const { return m_tools->Tool(id); }
void CZorvaView::OnLButtonDown(unsigned flags, const CPoint& client) { m_tools->OnLButtonDown(flags, client); }
void CZorvaView::OnMouseMove(unsigned flags, const CPoint& client) { m_tools->OnMouseMove(flags, client); }
void CZorvaView::OnLButtonUp(unsigned flags, const CPoint& client) { m_tools->OnLButtonUp(flags, client); }
void CZorvaView::OnRButtonDown(unsigned flags, const CPoint& client) { m_tools->OnRButtonDown(flags, client); }
void CZorvaView::CancelGesture() { m_tools->CancelGesture(); }
