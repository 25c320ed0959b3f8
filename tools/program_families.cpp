// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
#include "tools/program_families.h"

#include <span>

#include "engine/angle_factors.h"
#include "engine/translate_noop.h"
#include "tools/conversion_registry.h"

namespace brisalto {

namespace {

struct FactorUnit {
    const char* description;
    double factor;
};

constexpr FactorUnit kPressureUnits[] = {
    {QT_TRANSLATE_NOOP("Units", "pascal"), 1},
    {QT_TRANSLATE_NOOP("Units", "atmosphere"), 101325},
    {QT_TRANSLATE_NOOP("Units", "kilopascal"), 1000},
    {QT_TRANSLATE_NOOP("Units", "torr(mmHg)"), 133.3223684210526},
    {QT_TRANSLATE_NOOP("Units", "pounds per square inch"), 6892.857142857138},
    {QT_TRANSLATE_NOOP("Units", "bar"), 100000},
};

constexpr FactorUnit kEnergyUnits[] = {
    {QT_TRANSLATE_NOOP("Units", "joule"), 1},
    {QT_TRANSLATE_NOOP("Units", "calorie"), 4.184},
    {QT_TRANSLATE_NOOP("Units", "British thermal unit (btu)"), 1055.06},
};

void AddFamilyWithUnits(ConversionRegistry& registry, const char* description,
                        std::span<const FactorUnit> units) {
    const TConvFamily family = registry.AddFamily(description);
    for (const FactorUnit& unit : units) {
        registry.AddFactorUnit(family, unit.description, unit.factor);
    }
}

void AddProgramFamilies(ConversionRegistry& registry) {
    AddFamilyWithUnits(registry, "pressure", kPressureUnits);
    AddFamilyWithUnits(registry, "energy", kEnergyUnits);
    const TConvFamily trigonometric = registry.AddFamily("trigonometric");
    registry.AddFactorUnit(trigonometric, QT_TRANSLATE_NOOP("Units", "radian"), 1);
    registry.AddFormulaUnit(
        trigonometric, QT_TRANSLATE_NOOP("Units", "degrees"),
        [](double v) { return v * kRadiansPerDegree; },
        [](double v) { return v * kDegreesPerRadian; });
    registry.AddFormulaUnit(
        trigonometric, QT_TRANSLATE_NOOP("Units", "grad"),
        [](double v) { return v * kRadiansPerGrad; }, [](double v) { return v * kGradsPerRadian; });
    registry.AddFormulaUnit(
        trigonometric, QT_TRANSLATE_NOOP("Units", "cycle"),
        [](double v) { return v * kRadiansPerCycle; },
        [](double v) { return v / kRadiansPerCycle; });
}

}  // namespace

void RegisterProgramFamilies() {
    // A second registration would be refused as "already registered"; once is all it takes.
    static const bool registered = [] {
        AddProgramFamilies(ConversionRegistry::Instance());
        return true;
    }();
    (void)registered;
}

}  // namespace brisalto
