// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
#include "app/assets_resource.h"

#include <QtGlobal>

// Q_INIT_RESOURCE names a global function, so it has to be called from outside any namespace.
static void InitAssetsResource() { Q_INIT_RESOURCE(assets); }

namespace brisalto {

void InitAssets() {
    static const bool registered = (InitAssetsResource(), true);
    (void)registered;
}

}  // namespace brisalto
