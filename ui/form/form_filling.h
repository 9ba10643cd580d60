#pragma once
// Putting entries into the birth-data form as the person could have typed and picked them:
// each text goes through its box's own keystroke filter and length limit, each pick must be
// one of its list's entries. Nothing is touched until everything has been checked.

#include <QString>
#include <optional>

#include "core/birth_details.h"
#include "core/form_entries.h"

namespace ui {

class FrmMain;

struct TypedEntries {
  core::FormEntries entries;  // as the form would hold them (a name in capitals)
  QString problem;            // the first value the form cannot hold; empty when none
};

// Checks every value against the form's widgets without changing any of them.
TypedEntries AsTyped(const FrmMain& form, const core::FormEntries& entries);

// Sets every widget; pass only entries that AsTyped accepted. `saved` is the zone the atlas gave
// the place, as a file keeps it: the form then shows the clock as it did when it was saved.
void FillForm(FrmMain& form, const core::FormEntries& entries,
              const std::optional<core::AtlasPlace>& saved = std::nullopt);

}  // namespace ui
