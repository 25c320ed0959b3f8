#include "command/banner.h"

#include <string>

#include "command/result_format.h"

namespace brisalto {

void WriteBanner(CalculatorView& view) {
    SeparatorLine(view);
    view.AppendLine(std::string(kBannerText));
    SeparatorLine(view);
}

}  // namespace brisalto
