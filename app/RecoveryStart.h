#pragma once
// At start, before the greeting: work left unsaved by editors that are no
// longer running is offered, and a recovery file that cannot be used is
// named to the user and moved aside, never deleted.
#include <functional>
#include <optional>
#include <vector>

#include "ui/RecoveryDlg.h"

class CAutosaver;
class CZorvaDoc;
class QWidget;
namespace zorva {
class ISettingsStore;
}

// The offer's dialog: the row to restore, or none; `discard` throws a row's
// file away (asked first).
using RecoveryChooser = std::function<std::optional<size_t>(
    const std::vector<RecoveryOfferRow>& rows, const std::function<bool(size_t)>& discard)>;

// True when a document was restored into `doc` (titled, marked modified,
// its picture loading); the caller then shows it instead of greeting.
bool OfferLeftWork(CZorvaDoc& doc, CAutosaver& autosaver, zorva::ISettingsStore* settings,
                   const QString& folder, const RecoveryChooser& choose);
