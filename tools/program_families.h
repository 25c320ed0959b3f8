// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
// The conversion families the program adds to the standard ones: pressure, energy and
// trigonometric, registered once per process.
#pragma once

namespace brisalto {

// Registers the three families in the process-wide registry on the first call (they get the
// numbers 7 to 9); later calls do nothing.
void RegisterProgramFamilies();

}  // namespace brisalto
