// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
#include "command/line_outcome.h"

namespace brisalto {

void LineOutcome::Reset() {
    clear_window = false;
    lines.clear();
    standard_output.clear();
    kind = OutcomeKind::kNothing;
    variable_index = -1;
    value = 0;
    error.clear();
    error_place.reset();
    action = ShellAction::kNone;
    modes_changed = false;
    refresh_indicators = false;
}

}  // namespace brisalto
