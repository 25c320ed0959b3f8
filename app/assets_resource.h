// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
// The compiled-in pictures (assets/assets.qrc). They sit in the static app library, whose
// resource object the linker drops unless something calls InitAssets.
#pragma once

namespace brisalto {

// Registers the pictures; call once before the first window loads one (repeats are harmless).
void InitAssets();

}  // namespace brisalto
