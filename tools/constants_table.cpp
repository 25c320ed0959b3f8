// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
#include "tools/constants_table.h"

#include <array>

#include "engine/translate_noop.h"

namespace brisalto {

namespace {

// Shortcuts in Qt's canonical order (Ctrl, Alt, Shift) so they read back unchanged.
constexpr std::array<ConstantAction, kConstantCount> kConstants = {{
    {0, "SpeedOfLight", QT_TRANSLATE_NOOP("Constants", "Speed Of Light (m/s)"), "Ctrl+Shift+F12",
     "2.998e8"},
    {1, "ChargOfanElectron", QT_TRANSLATE_NOOP("Constants", "Charg of an electron (C)"), "Shift+F6",
     "1.60218e-19"},
    {2, "AvogadroConstant", QT_TRANSLATE_NOOP("Constants", "Avogadro Constant (1/mol)"), "Shift+F3",
     "6.02214e23"},
    {3, "GasConstant1", QT_TRANSLATE_NOOP("Constants", "Gas Constant (J/K.mol)"), "Shift+F10",
     "8.31451"},
    {4, "GasConstant2", QT_TRANSLATE_NOOP("Constants", "Gas Constant (bar.dm^3/K.mol)"),
     "Shift+F11", "0.08315"},
    {5, "GasConstant3", QT_TRANSLATE_NOOP("Constants", "Gas Constant (atm.dm^3/K.mol)"),
     "Shift+F12", "0.08206"},
    {6, "MolarVolumeAtSTP", QT_TRANSLATE_NOOP("Constants", "Molar Volume At STP atm  (dm^3/mol)"),
     "Ctrl+Shift+F1", "22.41"},
    {7, "MolarVolumeAtNSTP", QT_TRANSLATE_NOOP("Constants", "Molar VolumeAt NSTP bar (dm^3/mol)"),
     "Ctrl+Shift+F2", "24.79"},
    {8, "BoltzmannConstant", QT_TRANSLATE_NOOP("Constants", "Boltzmann Constant (J/K)"), "Shift+F5",
     "1.38066e-23"},
    {9, "PlanckConstant", QT_TRANSLATE_NOOP("Constants", "Planck constant (J.s)"), "Ctrl+Shift+F6",
     "6.626e-34"},
    {10, "FaradayConstant", QT_TRANSLATE_NOOP("Constants", "Faraday Constant (C/mol)"), "Shift+F9",
     "96485"},
    {11, "ElectronRestMass", QT_TRANSLATE_NOOP("Constants", "Electron Rest Mass (kg)"), "Shift+F8",
     "9.109e-31"},
    {12, "ProtonRestMass", QT_TRANSLATE_NOOP("Constants", "Proton Rest Mass (kg)"), "Ctrl+Shift+F7",
     "1.673e-27"},
    {13, "RydbergConstant", QT_TRANSLATE_NOOP("Constants", "Rydberg Constant (1/m)"),
     "Ctrl+Shift+F11", "1.097e7"},
    {14, "PermittivityOfVacuum1",
     QT_TRANSLATE_NOOP("Constants", "Permittivity Of Vacuum (C^2/N.m^-2) or (F/m)"),
     "Ctrl+Shift+F9", "8.854e-12"},
    // 1/(4 pi e0): it stays beside e0 in the menu, under its old action name.
    {15, "PermittivityOfVacuum2", QT_TRANSLATE_NOOP("Constants", "Coulomb Constant (N.m^2/C^2)"),
     "Ctrl+Shift+F10", "8.988e9"},
    {16, "StandardAccelerationOfGravity",
     QT_TRANSLATE_NOOP("Constants", "Standard acceleration of Gravity (m/s^2)"), "Alt+Shift+F1",
     "9.807"},
    {17, "AtomicMassUnit", QT_TRANSLATE_NOOP("Constants", "Atomic Mass Unit (kg)"), "Shift+F1",
     "1.66054e-27"},
    {18, "BohrRadius", QT_TRANSLATE_NOOP("Constants", "Bohr Radius (m)"), "Shift+F4", "5.292e-11"},
    {19, "ProtonRestMass2", QT_TRANSLATE_NOOP("Constants", "Proton Rest Mass (amu)"),
     "Ctrl+Shift+F8", "1.00728"},
    {20, "NeutronRestMass", QT_TRANSLATE_NOOP("Constants", "Neutron Rest Mass (kg)"),
     "Ctrl+Shift+F3", "1.67493e-27"},
    {21, "NeutronRestMass2", QT_TRANSLATE_NOOP("Constants", "Neutron Rest Mass (amu)"),
     "Ctrl+Shift+F4", "1.00866"},
    {22, "ElectronRestMass2", QT_TRANSLATE_NOOP("Constants", "Electron Rest Mass (amu)"),
     "Shift+F7", "5.48580e-4"},
}};

// Pi inserts the read-only variable that holds it, so its digits are never written out.
constexpr ConstantAction kPiAction = {-1, "PiAction", QT_TRANSLATE_NOOP("Constants", "Pi"),
                                      "Ctrl+Shift+F5", "P"};
constexpr ConstantAction kAtmWtAction = {
    -1, "AtmWtAction", QT_TRANSLATE_NOOP("Constants", "Atomic Weight..."), "Shift+F2", ""};

constexpr std::array<std::string_view, kConstantCount + 2> kMenuOrder = {
    "AtomicMassUnit",
    "AtmWtAction",
    "AvogadroConstant",
    "BohrRadius",
    "BoltzmannConstant",
    "ChargOfanElectron",
    "ElectronRestMass2",
    "ElectronRestMass",
    "FaradayConstant",
    "GasConstant1",
    "GasConstant2",
    "GasConstant3",
    "MolarVolumeAtSTP",
    "MolarVolumeAtNSTP",
    "NeutronRestMass",
    "NeutronRestMass2",
    "PiAction",
    "PlanckConstant",
    "ProtonRestMass",
    "ProtonRestMass2",
    "PermittivityOfVacuum1",
    "PermittivityOfVacuum2",
    "RydbergConstant",
    "SpeedOfLight",
    "StandardAccelerationOfGravity",
};

}  // namespace

std::span<const ConstantAction> PhysicalConstants() { return kConstants; }

const ConstantAction& PiActionInfo() { return kPiAction; }

const ConstantAction& AtmWtActionInfo() { return kAtmWtAction; }

std::span<const std::string_view> ConstantsMenuOrder() { return kMenuOrder; }

const ConstantAction* FindConstantAction(std::string_view name) {
    if (name == kPiAction.name) return &kPiAction;
    if (name == kAtmWtAction.name) return &kAtmWtAction;
    for (const ConstantAction& action : kConstants) {
        if (action.name == name) return &action;
    }
    return nullptr;
}

std::vector<std::string> MakeConstantValues() {
    std::vector<std::string> values;
    values.reserve(kConstants.size());
    for (const ConstantAction& action : kConstants) values.emplace_back(action.inserted_text);
    return values;
}

}  // namespace brisalto
