#pragma once
// Keys in a bar with fields of its own (the area list, the property panel):
// while one of its widgets has the focus, the editing keys stay with that
// widget instead of firing the frame's shortcuts on the areas, and the keys
// the view needs whatever has the focus (Ctrl for the temporary arrow tool,
// Ctrl+T for the picture display) are handed to the view.
#include <QObject>
#include <functional>

class CEditKeyFilter : public QObject {
  Q_OBJECT
 public:
  // `toView` gets a virtual key going down (`down`) or up, and whether it repeats.
  CEditKeyFilter(std::function<void(unsigned vk, bool down, bool repeat)> toView, QObject* parent);

  // Installs the filter on `widget` and every widget inside it.
  void Watch(QWidget* widget);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::function<void(unsigned, bool, bool)> m_toView;
};

// Delete, Backspace and Ctrl+C/V/X/Z: the keys a field keeps from the frame.
bool IsFieldEditKey(int key, Qt::KeyboardModifiers mods);
