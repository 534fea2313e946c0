#include "html/PageBytes.h"

#include <algorithm>

namespace zorva::html {

void CPageBytes::HandOver() {
  const size_t used = Size();
  if (!m_file || used == 0) return;
  m_buf.Resize(used);
  m_file->Write(std::move(m_buf));
  m_buf = m_file->TakeSpare();
  m_cur = m_buf.Data();
  m_end = m_cur ? m_cur + m_buf.Capacity() : nullptr;
}

void CPageBytes::Grow(size_t n) {
  if (m_file) {
    HandOver();
    if (size_t(m_end - m_cur) >= n) return;
  }
  const size_t used = Size();
  m_buf.Resize(used);  // what Reserve keeps
  const size_t wanted = m_file ? kPiece : std::max(m_buf.Capacity() * 2, size_t(1) << 16);
  m_buf.Reserve(std::max(used + n, wanted));
  m_cur = m_buf.Data() + used;
  m_end = m_buf.Data() + m_buf.Capacity();
}

void CPageBytes::AppendLasting(std::string_view s) {
  if (!m_file) {
    Append(s);
    return;
  }
  HandOver();
  m_file->WriteBorrowed(s);
}

void CPageBytes::Finish() { HandOver(); }

}  // namespace zorva::html
