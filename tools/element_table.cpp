// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
#include "tools/element_table.h"

#include <algorithm>
#include <array>
#include <stdexcept>

#include "engine/translate_noop.h"

namespace brisalto {

namespace {

constexpr const char* kAtomicWeightText = "  Atomic Weight: ";
constexpr const char* kGramsPerMoleText = " g/mol";
constexpr const char* kAtomicNumberText = "Atomic Number: ";

// The names are marked for the window, which shows them translated (context "Elements").
// Indices 0 to 114 keep the order of the original list, whose last three skipped 113, 115 and
// 117; those came later and follow at 115 to 117. Weights of unstable elements are the mass
// numbers of their longest-lived isotopes.
constexpr std::array<ElementButton, kElementCount> kElements = {{
    {0, 1, "H", QT_TRANSLATE_NOOP("Elements", "Hydrogen"), ElementRow::kMainTable, 1, 1, 0,
     "1.00794"},
    {1, 2, "He", QT_TRANSLATE_NOOP("Elements", "Helium"), ElementRow::kMainTable, 18, 1, 0,
     "4.002602"},
    {2, 3, "Li", QT_TRANSLATE_NOOP("Elements", "Lithium"), ElementRow::kMainTable, 1, 2, 0,
     "6.941"},
    {3, 4, "Be", QT_TRANSLATE_NOOP("Elements", "Beryllium"), ElementRow::kMainTable, 2, 2, 0,
     "9.012182"},
    {4, 5, "B", QT_TRANSLATE_NOOP("Elements", "Boron"), ElementRow::kMainTable, 13, 2, 0, "10.811"},
    {5, 6, "C", QT_TRANSLATE_NOOP("Elements", "Carbon"), ElementRow::kMainTable, 14, 2, 0,
     "12.011"},
    {6, 7, "N", QT_TRANSLATE_NOOP("Elements", "Nitrogen"), ElementRow::kMainTable, 15, 2, 0,
     "14.00674"},
    {7, 8, "O", QT_TRANSLATE_NOOP("Elements", "Oxygen"), ElementRow::kMainTable, 16, 2, 0,
     "15.9994"},
    {8, 9, "F", QT_TRANSLATE_NOOP("Elements", "Fluorine"), ElementRow::kMainTable, 17, 2, 0,
     "18.9984032"},
    {9, 10, "Ne", QT_TRANSLATE_NOOP("Elements", "Neon"), ElementRow::kMainTable, 18, 2, 0,
     "20.1797"},
    {10, 11, "Na", QT_TRANSLATE_NOOP("Elements", "Sodium (Natrium)"), ElementRow::kMainTable, 1, 3,
     0, "22.989768"},
    {11, 12, "Mg", QT_TRANSLATE_NOOP("Elements", "Magnesium"), ElementRow::kMainTable, 2, 3, 0,
     "24.3050"},
    {12, 13, "Al", QT_TRANSLATE_NOOP("Elements", "Aluminum"), ElementRow::kMainTable, 13, 3, 0,
     "26.981539"},
    {13, 14, "Si", QT_TRANSLATE_NOOP("Elements", "Silicon"), ElementRow::kMainTable, 14, 3, 0,
     "28.0855"},
    {14, 15, "P", QT_TRANSLATE_NOOP("Elements", "Phosphorus"), ElementRow::kMainTable, 15, 3, 0,
     "30.973762"},
    {15, 16, "S", QT_TRANSLATE_NOOP("Elements", "Sulfur"), ElementRow::kMainTable, 16, 3, 0,
     "32.066"},
    {16, 17, "Cl", QT_TRANSLATE_NOOP("Elements", "Chlorine"), ElementRow::kMainTable, 17, 3, 0,
     "35.4527"},
    {17, 18, "Ar", QT_TRANSLATE_NOOP("Elements", "Argon"), ElementRow::kMainTable, 18, 3, 0,
     "39.948"},
    {18, 19, "K", QT_TRANSLATE_NOOP("Elements", "Potassium (Kalium)"), ElementRow::kMainTable, 1, 4,
     0, "39.0983"},
    {19, 20, "Ca", QT_TRANSLATE_NOOP("Elements", "Calcium"), ElementRow::kMainTable, 2, 4, 0,
     "40.078"},
    {20, 21, "Sc", QT_TRANSLATE_NOOP("Elements", "Scandium"), ElementRow::kMainTable, 3, 4, 0,
     "44.955910"},
    {21, 22, "Ti", QT_TRANSLATE_NOOP("Elements", "Titanium"), ElementRow::kMainTable, 4, 4, 0,
     "47.88"},
    {22, 23, "V", QT_TRANSLATE_NOOP("Elements", "Vanadium"), ElementRow::kMainTable, 5, 4, 0,
     "50.9415"},
    {23, 24, "Cr", QT_TRANSLATE_NOOP("Elements", "Chromium"), ElementRow::kMainTable, 6, 4, 0,
     "51.9961"},
    {24, 25, "Mn", QT_TRANSLATE_NOOP("Elements", "Manganese"), ElementRow::kMainTable, 7, 4, 0,
     "54.93805"},
    {25, 26, "Fe", QT_TRANSLATE_NOOP("Elements", "Iron"), ElementRow::kMainTable, 8, 4, 0,
     "55.847"},
    {26, 27, "Co", QT_TRANSLATE_NOOP("Elements", "Cobalt"), ElementRow::kMainTable, 9, 4, 0,
     "58.93320"},
    {27, 28, "Ni", QT_TRANSLATE_NOOP("Elements", "Nickel"), ElementRow::kMainTable, 10, 4, 0,
     "58.6934"},
    {28, 29, "Cu", QT_TRANSLATE_NOOP("Elements", "Copper"), ElementRow::kMainTable, 11, 4, 0,
     "63.546"},
    {29, 30, "Zn", QT_TRANSLATE_NOOP("Elements", "Zinc"), ElementRow::kMainTable, 12, 4, 0,
     "65.39"},
    {30, 31, "Ga", QT_TRANSLATE_NOOP("Elements", "Gallium"), ElementRow::kMainTable, 13, 4, 0,
     "69.732"},
    {31, 32, "Ge", QT_TRANSLATE_NOOP("Elements", "Germanium"), ElementRow::kMainTable, 14, 4, 0,
     "72.61"},
    {32, 33, "As", QT_TRANSLATE_NOOP("Elements", "Arsenic"), ElementRow::kMainTable, 15, 4, 0,
     "74.92159"},
    {33, 34, "Se", QT_TRANSLATE_NOOP("Elements", "Selenium"), ElementRow::kMainTable, 16, 4, 0,
     "78.96"},
    {34, 35, "Br", QT_TRANSLATE_NOOP("Elements", "Bromine"), ElementRow::kMainTable, 17, 4, 0,
     "79.904"},
    {35, 36, "Kr", QT_TRANSLATE_NOOP("Elements", "Krypton"), ElementRow::kMainTable, 18, 4, 0,
     "83.80"},
    {36, 37, "Rb", QT_TRANSLATE_NOOP("Elements", "Rubidium"), ElementRow::kMainTable, 1, 5, 0,
     "85.4678"},
    {37, 38, "Sr", QT_TRANSLATE_NOOP("Elements", "Strontium"), ElementRow::kMainTable, 2, 5, 0,
     "87.62"},
    {38, 39, "Y", QT_TRANSLATE_NOOP("Elements", "Yittrium"), ElementRow::kMainTable, 3, 5, 0,
     "88.90585"},
    {39, 40, "Zr", QT_TRANSLATE_NOOP("Elements", "Zirconium"), ElementRow::kMainTable, 4, 5, 0,
     "91.224"},
    {40, 41, "Nb", QT_TRANSLATE_NOOP("Elements", "Niobium"), ElementRow::kMainTable, 5, 5, 0,
     "92.20638"},
    {41, 42, "Mo", QT_TRANSLATE_NOOP("Elements", "Molybdenum"), ElementRow::kMainTable, 6, 5, 0,
     "95.94"},
    {42, 43, "Tc", QT_TRANSLATE_NOOP("Elements", "Technetium"), ElementRow::kMainTable, 7, 5, 0,
     "98"},
    {43, 44, "Ru", QT_TRANSLATE_NOOP("Elements", "Ruthenium"), ElementRow::kMainTable, 8, 5, 0,
     "101.07"},
    {44, 45, "Rh", QT_TRANSLATE_NOOP("Elements", "Rhodium"), ElementRow::kMainTable, 9, 5, 0,
     "102.90550"},
    {45, 46, "Pd", QT_TRANSLATE_NOOP("Elements", "Palladium"), ElementRow::kMainTable, 10, 5, 0,
     "106.42"},
    {46, 47, "Ag", QT_TRANSLATE_NOOP("Elements", "Silver"), ElementRow::kMainTable, 11, 5, 0,
     "107.8682"},
    {47, 48, "Cd", QT_TRANSLATE_NOOP("Elements", "Cadmium"), ElementRow::kMainTable, 12, 5, 0,
     "112.411"},
    {48, 49, "In", QT_TRANSLATE_NOOP("Elements", "Indium"), ElementRow::kMainTable, 13, 5, 0,
     "114.82"},
    {49, 50, "Sn", QT_TRANSLATE_NOOP("Elements", "Tin"), ElementRow::kMainTable, 14, 5, 0,
     "118.710"},
    {50, 51, "Sb", QT_TRANSLATE_NOOP("Elements", "Antimony (Stibium)"), ElementRow::kMainTable, 15,
     5, 0, "121.757"},
    {51, 52, "Te", QT_TRANSLATE_NOOP("Elements", "Tellurium"), ElementRow::kMainTable, 16, 5, 0,
     "127.60"},
    {52, 53, "I", QT_TRANSLATE_NOOP("Elements", "Iodine"), ElementRow::kMainTable, 17, 5, 0,
     "126.90447"},
    {53, 54, "Xe", QT_TRANSLATE_NOOP("Elements", "Xenon"), ElementRow::kMainTable, 18, 5, 0,
     "131.29"},
    {54, 55, "Cs", QT_TRANSLATE_NOOP("Elements", "Cesium"), ElementRow::kMainTable, 1, 6, 0,
     "132.90543"},
    {55, 56, "Ba", QT_TRANSLATE_NOOP("Elements", "Barium"), ElementRow::kMainTable, 2, 6, 0,
     "137.327"},
    {56, 57, "La*", QT_TRANSLATE_NOOP("Elements", "Lanthanum"), ElementRow::kMainTable, 3, 6, 0,
     "138.9055"},
    {57, 58, "Ce", QT_TRANSLATE_NOOP("Elements", "Cerium"), ElementRow::kLanthanides, 0, 0, 1,
     "140.115"},
    {58, 59, "Pr", QT_TRANSLATE_NOOP("Elements", "Praseodymium"), ElementRow::kLanthanides, 0, 0, 2,
     "140.90765"},
    {59, 60, "Nd", QT_TRANSLATE_NOOP("Elements", "Neodymium"), ElementRow::kLanthanides, 0, 0, 3,
     "144.24"},
    {60, 61, "Pm", QT_TRANSLATE_NOOP("Elements", "Promethium"), ElementRow::kLanthanides, 0, 0, 4,
     "145"},
    {61, 62, "Sm", QT_TRANSLATE_NOOP("Elements", "Samarium"), ElementRow::kLanthanides, 0, 0, 5,
     "150.36"},
    {62, 63, "Eu", QT_TRANSLATE_NOOP("Elements", "Europium"), ElementRow::kLanthanides, 0, 0, 6,
     "151.965"},
    {63, 64, "Gd", QT_TRANSLATE_NOOP("Elements", "Gadolinium"), ElementRow::kLanthanides, 0, 0, 7,
     "157.25"},
    {64, 65, "Tb", QT_TRANSLATE_NOOP("Elements", "Terbium"), ElementRow::kLanthanides, 0, 0, 8,
     "158.92534"},
    {65, 66, "Dy", QT_TRANSLATE_NOOP("Elements", "Dysprosium"), ElementRow::kLanthanides, 0, 0, 9,
     "162.50"},
    {66, 67, "Ho", QT_TRANSLATE_NOOP("Elements", "Holmium"), ElementRow::kLanthanides, 0, 0, 10,
     "164.93032"},
    {67, 68, "Er", QT_TRANSLATE_NOOP("Elements", "Erbium"), ElementRow::kLanthanides, 0, 0, 11,
     "167.26"},
    {68, 69, "Tm", QT_TRANSLATE_NOOP("Elements", "Thulium"), ElementRow::kLanthanides, 0, 0, 12,
     "168.9321"},
    {69, 70, "Yb", QT_TRANSLATE_NOOP("Elements", "Ytterbium"), ElementRow::kLanthanides, 0, 0, 13,
     "173.04"},
    {70, 71, "Lu", QT_TRANSLATE_NOOP("Elements", "Lutetium"), ElementRow::kLanthanides, 0, 0, 14,
     "174.967"},
    {71, 72, "Hf", QT_TRANSLATE_NOOP("Elements", "Hafnium"), ElementRow::kMainTable, 4, 6, 0,
     "178.49"},
    {72, 73, "Ta", QT_TRANSLATE_NOOP("Elements", "Tantalum"), ElementRow::kMainTable, 5, 6, 0,
     "180.9479"},
    {73, 74, "W", QT_TRANSLATE_NOOP("Elements", "Tungsten (Wolfram)"), ElementRow::kMainTable, 6, 6,
     0, "183.85"},
    {74, 75, "Re", QT_TRANSLATE_NOOP("Elements", "Rhenium"), ElementRow::kMainTable, 7, 6, 0,
     "186.207"},
    {75, 76, "Os", QT_TRANSLATE_NOOP("Elements", "Osmium"), ElementRow::kMainTable, 8, 6, 0,
     "190.2"},
    {76, 77, "Ir", QT_TRANSLATE_NOOP("Elements", "Iridium"), ElementRow::kMainTable, 9, 6, 0,
     "192.22"},
    {77, 78, "Pt", QT_TRANSLATE_NOOP("Elements", "Platinum"), ElementRow::kMainTable, 10, 6, 0,
     "195.08"},
    {78, 79, "Au", QT_TRANSLATE_NOOP("Elements", "Gold"), ElementRow::kMainTable, 11, 6, 0,
     "196.96654"},
    {79, 80, "Hg", QT_TRANSLATE_NOOP("Elements", "Mercury"), ElementRow::kMainTable, 12, 6, 0,
     "200.59"},
    {80, 81, "Tl", QT_TRANSLATE_NOOP("Elements", "Thallium"), ElementRow::kMainTable, 13, 6, 0,
     "204.3833"},
    {81, 82, "Pb", QT_TRANSLATE_NOOP("Elements", "Lead"), ElementRow::kMainTable, 14, 6, 0,
     "207.2"},
    {82, 83, "Bi", QT_TRANSLATE_NOOP("Elements", "Bismuth"), ElementRow::kMainTable, 15, 6, 0,
     "208.98037"},
    {83, 84, "Po", QT_TRANSLATE_NOOP("Elements", "Polnium"), ElementRow::kMainTable, 16, 6, 0,
     "209"},
    {84, 85, "At", QT_TRANSLATE_NOOP("Elements", "Astatine"), ElementRow::kMainTable, 17, 6, 0,
     "210"},
    {85, 86, "Rn", QT_TRANSLATE_NOOP("Elements", "Radon"), ElementRow::kMainTable, 18, 6, 0, "222"},
    {86, 87, "Fr", QT_TRANSLATE_NOOP("Elements", "Francium"), ElementRow::kMainTable, 1, 7, 0,
     "223"},
    {87, 88, "Ra", QT_TRANSLATE_NOOP("Elements", "Radium"), ElementRow::kMainTable, 2, 7, 0, "226"},
    {88, 89, "Ac**", QT_TRANSLATE_NOOP("Elements", "Actinium"), ElementRow::kMainTable, 3, 7, 0,
     "227"},
    {89, 90, "Th", QT_TRANSLATE_NOOP("Elements", "Thorium"), ElementRow::kActinides, 0, 0, 1,
     "232.0381"},
    {90, 91, "Pa", QT_TRANSLATE_NOOP("Elements", "Protactinium"), ElementRow::kActinides, 0, 0, 2,
     "231"},
    {91, 92, "U", QT_TRANSLATE_NOOP("Elements", "Uranium"), ElementRow::kActinides, 0, 0, 3,
     "238.0289"},
    {92, 93, "Np", QT_TRANSLATE_NOOP("Elements", "Neptunium"), ElementRow::kActinides, 0, 0, 4,
     "237"},
    {93, 94, "Pu", QT_TRANSLATE_NOOP("Elements", "Plutonium"), ElementRow::kActinides, 0, 0, 5,
     "244"},
    {94, 95, "Am", QT_TRANSLATE_NOOP("Elements", "Americium"), ElementRow::kActinides, 0, 0, 6,
     "243"},
    {95, 96, "Cm", QT_TRANSLATE_NOOP("Elements", "Curium"), ElementRow::kActinides, 0, 0, 7, "247"},
    {96, 97, "Bk", QT_TRANSLATE_NOOP("Elements", "Berkelium"), ElementRow::kActinides, 0, 0, 8,
     "247"},
    {97, 98, "Cf", QT_TRANSLATE_NOOP("Elements", "Californium"), ElementRow::kActinides, 0, 0, 9,
     "251"},
    {98, 99, "Es", QT_TRANSLATE_NOOP("Elements", "Einsteinium"), ElementRow::kActinides, 0, 0, 10,
     "252"},
    {99, 100, "Fm", QT_TRANSLATE_NOOP("Elements", "Fermium"), ElementRow::kActinides, 0, 0, 11,
     "257"},
    {100, 101, "Md", QT_TRANSLATE_NOOP("Elements", "Mendelevium"), ElementRow::kActinides, 0, 0, 12,
     "258"},
    {101, 102, "No", QT_TRANSLATE_NOOP("Elements", "Nobelium"), ElementRow::kActinides, 0, 0, 13,
     "259"},
    {102, 103, "Lr", QT_TRANSLATE_NOOP("Elements", "Lawrencium"), ElementRow::kActinides, 0, 0, 14,
     "262"},
    {103, 104, "Rf", QT_TRANSLATE_NOOP("Elements", "Rutherfordium"), ElementRow::kMainTable, 4, 7,
     0, "261"},
    {104, 105, "Db", QT_TRANSLATE_NOOP("Elements", "Dubnium"), ElementRow::kMainTable, 5, 7, 0,
     "262"},
    {105, 106, "Sg", QT_TRANSLATE_NOOP("Elements", "Seaborgium"), ElementRow::kMainTable, 6, 7, 0,
     "263"},
    {106, 107, "Bh", QT_TRANSLATE_NOOP("Elements", "Bohrium"), ElementRow::kMainTable, 7, 7, 0,
     "262"},
    {107, 108, "Hs", QT_TRANSLATE_NOOP("Elements", "Hassium"), ElementRow::kMainTable, 8, 7, 0,
     "265"},
    {108, 109, "Mt", QT_TRANSLATE_NOOP("Elements", "Meitnerium"), ElementRow::kMainTable, 9, 7, 0,
     "267"},
    {109, 110, "Ds", QT_TRANSLATE_NOOP("Elements", "Darmstadtium"), ElementRow::kMainTable, 10, 7,
     0, "269"},
    {110, 111, "Rg", QT_TRANSLATE_NOOP("Elements", "Roentgenium"), ElementRow::kMainTable, 11, 7, 0,
     "272"},
    {111, 112, "Cn", QT_TRANSLATE_NOOP("Elements", "Copernicium"), ElementRow::kMainTable, 12, 7, 0,
     "277"},
    {112, 114, "Fl", QT_TRANSLATE_NOOP("Elements", "Flerovium"), ElementRow::kMainTable, 14, 7, 0,
     "285"},
    {113, 116, "Lv", QT_TRANSLATE_NOOP("Elements", "Livermorium"), ElementRow::kMainTable, 16, 7, 0,
     "289"},
    {114, 118, "Og", QT_TRANSLATE_NOOP("Elements", "Oganesson"), ElementRow::kMainTable, 18, 7, 0,
     "293"},
    {115, 113, "Nh", QT_TRANSLATE_NOOP("Elements", "Nihonium"), ElementRow::kMainTable, 13, 7, 0,
     "286"},
    {116, 115, "Mc", QT_TRANSLATE_NOOP("Elements", "Moscovium"), ElementRow::kMainTable, 15, 7, 0,
     "290"},
    {117, 117, "Ts", QT_TRANSLATE_NOOP("Elements", "Tennessine"), ElementRow::kMainTable, 17, 7, 0,
     "294"},
}};

const ElementButton& ButtonAt(int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= kElements.size()) {
        throw std::out_of_range("element index out of range");
    }
    return kElements[static_cast<std::size_t>(index)];
}

// Main table by period then group, then each f-block row by place.
int ReadingRank(const ElementButton& button) {
    switch (button.row) {
        case ElementRow::kMainTable:
            return button.period * 100 + button.group;
        case ElementRow::kLanthanides:
            return 1000 + button.place;
        case ElementRow::kActinides:
            return 2000 + button.place;
    }
    return 0;
}

}  // namespace

std::span<const ElementButton> ElementButtons() { return kElements; }

std::vector<int> ElementTabOrder() {
    std::vector<int> order;
    order.reserve(kElements.size());
    for (const ElementButton& button : kElements) order.push_back(button.index);
    std::sort(order.begin(), order.end(), [](int a, int b) {
        return ReadingRank(kElements[static_cast<std::size_t>(a)]) <
               ReadingRank(kElements[static_cast<std::size_t>(b)]);
    });
    return order;
}

std::vector<std::string> MakeAtomicWeights() {
    std::vector<std::string> weights;
    weights.reserve(kElements.size());
    for (const ElementButton& button : kElements) weights.emplace_back(button.weight);
    return weights;
}

std::string HintLabelText(int index) {
    const ElementButton& button = ButtonAt(index);
    std::string text(button.hint);
    text += kAtomicWeightText;
    text += button.weight;
    text += kGramsPerMoleText;
    return text;
}

std::string Label35Text(int index) {
    return kAtomicNumberText + std::to_string(ButtonAt(index).atomic_number);
}

}  // namespace brisalto
