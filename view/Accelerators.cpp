#include "view/Accelerators.h"

#include "view/CommandIds.h"
#include "view/ViewHost.h"

namespace {

const Accelerator kTable[] = {
    {'N', kModCtrl, ID_FILE_NEW},
    {'O', kModCtrl, ID_FILE_OPEN},
    {'S', kModCtrl, ID_FILE_SAVE},
    {'S', kModCtrl | kModShift, ID_FILE_SAVE_AS},
    {'Q', kModCtrl, ID_APP_EXIT},
    {'Z', kModCtrl, ID_EDIT_UNDO},
    {VK_BACK, kModAlt, ID_EDIT_UNDO},
    {'Y', kModCtrl, ID_EDIT_REDO},
    {'Z', kModCtrl | kModShift, ID_EDIT_REDO},
    {'X', kModCtrl, ID_EDIT_CUT},
    {VK_DELETE, kModShift, ID_EDIT_CUT},
    {'C', kModCtrl, ID_EDIT_COPY},
    {VK_INSERT, kModCtrl, ID_EDIT_COPY},
    {'V', kModCtrl, ID_EDIT_PASTE},
    {VK_INSERT, kModShift, ID_EDIT_PASTE},
    {VK_DELETE, 0, ID_EDIT_CLEAR},
    {VK_BACK, 0, ID_EDIT_CLEAR},
    {'D', kModCtrl, ID_EDIT_DUPLICATE},
    {VK_OEM_6, kModCtrl | kModShift, ID_AREA_TO_FRONT},
    {VK_OEM_6, kModCtrl, ID_AREA_FORWARD},
    {VK_OEM_4, kModCtrl, ID_AREA_BACKWARD},
    {VK_OEM_4, kModCtrl | kModShift, ID_AREA_TO_BACK},
    {'5', kModCtrl, ID_VIEW_ZOOM50},
    {'1', kModCtrl, ID_VIEW_ZOOM100},
    {'2', kModCtrl, ID_VIEW_ZOOM200},
    {'P', kModCtrl | kModShift, ID_PALETTE_CHART},
    {VK_F6, 0, ID_NEXT_PANE},
    {VK_F6, kModShift, ID_PREV_PANE},
};

}  // namespace

const Accelerator* AcceleratorTable(int* count) {
  *count = int(sizeof kTable / sizeof kTable[0]);
  return kTable;
}

unsigned FindAccelerator(unsigned vk, unsigned mods) {
  for (const Accelerator& a : kTable)
    if (a.vk == vk && a.mods == mods) return a.command;
  return 0;
}
