#include "cli/tools_options.h"

#include <exception>
#include <ostream>

#include "tools/conversion_registry.h"
#include "tools/conversion_text.h"
#include "tools/program_families.h"

namespace brisalto {

namespace {

constexpr const char* kUnknownUnitText = "Unknown unit '%s'";
constexpr const char* kUnknownFamilyText = "Unknown unit family '%s'";
constexpr const char* kUnitIndent = "  ";

std::string WithName(std::string_view pattern, std::string_view name) {
    const std::size_t at = pattern.find("%s");
    std::string text(pattern.substr(0, at));
    text.append(name);
    text.append(pattern.substr(at + 2));
    return text;
}

// Prints the family as the dialog names it, then its units, one a line.
void PrintFamily(std::string_view family_name, std::ostream& out) {
    out << family_name << '\n';
    for (const std::string& unit :
         UnitNamesOfFamily(family_name).value_or(std::vector<std::string>{})) {
        out << kUnitIndent << unit << '\n';
    }
}

}  // namespace

int RunConvertOption(const std::string& value, const std::string& from, const std::string& to,
                     std::ostream& out, std::ostream& err) {
    try {
        RegisterProgramFamilies();
        const ConversionRegistry& registry = ConversionRegistry::Instance();
        const std::optional<TConvType> from_unit = registry.FindUnitByName(from);
        const std::optional<TConvType> to_unit = registry.FindUnitByName(to);
        if (!from_unit || !to_unit) {
            err << WithName(kUnknownUnitText, from_unit ? to : from) << '\n';
            return 1;
        }
        out << ConvValueText(value, *from_unit, *to_unit) << '\n';
        out.flush();
        return 0;
    } catch (const std::exception& error) {
        err << error.what() << '\n';
        return 1;
    }
}

int RunListUnitsOption(const std::optional<std::string>& family, std::ostream& out,
                       std::ostream& err) {
    try {
        RegisterProgramFamilies();
        for (std::string_view name : kConversionFamilyNames) {
            if (!family) {
                PrintFamily(name, out);
            } else if (SameDescription(name, *family)) {
                PrintFamily(name, out);
                return 0;
            }
        }
        if (!family) return 0;
        err << WithName(kUnknownFamilyText, *family) << '\n';
        return 1;
    } catch (const std::exception& error) {
        err << error.what() << '\n';
        return 1;
    }
}

}  // namespace brisalto
