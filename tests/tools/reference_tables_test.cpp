// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
// The element, constant and unit tables against tables typed apart in text files beside this
// test: every cell, every constant and every factor, so no single digit can change unseen.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "tools/constants_table.h"
#include "tools/conversion_registry.h"
#include "tools/element_table.h"
#include "tools/program_families.h"

namespace brisalto {
namespace {

// The file's lines without comments and blank lines.
std::vector<std::string> DataLines(const std::string& name) {
    std::ifstream in(std::string(BRISALTO_TOOLS_TEST_DATA) + "/" + name);
    EXPECT_TRUE(in) << name;
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line[0] != '#') lines.push_back(line);
    }
    return lines;
}

std::vector<std::string> Split(const std::string& line, char separator) {
    std::vector<std::string> fields;
    std::istringstream in(line);
    for (std::string field; std::getline(in, field, separator);) fields.push_back(field);
    return fields;
}

std::string PlaceOf(const ElementButton& b) {
    switch (b.row) {
        case ElementRow::kMainTable:
            return "g" + std::to_string(b.group) + ".p" + std::to_string(b.period);
        case ElementRow::kLanthanides:
            return "La" + std::to_string(b.place);
        case ElementRow::kActinides:
            return "Ac" + std::to_string(b.place);
    }
    return "?";
}

TEST(ReferenceTables, EveryElementCell) {
    const std::vector<std::string> lines = DataLines("elements.txt");
    ASSERT_EQ(ElementButtons().size(), lines.size());
    for (const std::string& line : lines) {
        std::istringstream in(line);
        int index = -1;
        int number = 0;
        std::string caption, weight, place, name;
        in >> index >> number >> caption >> weight >> place >> std::ws;
        std::getline(in, name);
        ASSERT_TRUE(index >= 0 && static_cast<std::size_t>(index) < lines.size()) << line;
        const ElementButton& b = ElementButtons()[static_cast<std::size_t>(index)];
        EXPECT_EQ(b.index, index) << line;
        EXPECT_EQ(b.atomic_number, number) << line;
        EXPECT_EQ(b.caption, caption) << line;
        EXPECT_EQ(b.weight, weight) << line;
        EXPECT_EQ(PlaceOf(b), place) << line;
        EXPECT_EQ(b.hint, name) << line;
        EXPECT_EQ(Label35Text(index), "Atomic Number: " + std::to_string(number)) << line;
    }
}

// "Shift+Ctrl+F5" and "Ctrl+Shift+F5" are one shortcut.
std::vector<std::string> Keys(const std::string& shortcut) {
    std::vector<std::string> keys = Split(shortcut, '+');
    std::sort(keys.begin(), keys.end());
    return keys;
}

TEST(ReferenceTables, EveryConstantAndPi) {
    const std::vector<std::string> lines = DataLines("constants.txt");
    ASSERT_EQ(lines.size(), kConstantCount + 1);
    for (const std::string& line : lines) {
        const std::vector<std::string> f = Split(line, '|');
        ASSERT_EQ(f.size(), 5u) << line;
        const ConstantAction& action =
            f[0] == "-" ? PiActionInfo() : PhysicalConstants()[std::stoul(f[0])];
        EXPECT_EQ(action.name, f[1]) << line;
        EXPECT_EQ(action.caption, f[2]) << line;
        EXPECT_EQ(Keys(std::string(action.shortcut)), Keys(f[3])) << line;
        EXPECT_EQ(action.inserted_text, f[4]) << line;
    }
}

TEST(ReferenceTables, EveryUnitInOrderWithItsFactor) {
    RegisterProgramFamilies();
    const ConversionRegistry& registry = ConversionRegistry::Instance();
    std::vector<std::vector<std::string>> rows;
    for (const std::string& line : DataLines("units.txt")) rows.push_back(Split(line, '|'));
    std::vector<std::string> families;
    for (const auto& row : rows) {
        ASSERT_EQ(row.size(), 3u);
        if (families.empty() || families.back() != row[0]) families.push_back(row[0]);
    }
    ASSERT_EQ(families.size(), 9u);
    for (std::size_t f = 0; f < families.size(); ++f) {
        const TConvFamily family = static_cast<TConvFamily>(f + 1);
        ASSERT_EQ(registry.FamilyDescription(family), families[f]);
        std::vector<std::string> listed, typed;
        for (TConvType unit : registry.UnitsOfFamily(family)) {
            listed.push_back(registry.UnitDescription(unit));
        }
        std::string base;
        for (const auto& row : rows) {
            if (row[0] != families[f]) continue;
            typed.push_back(row[1]);
            if (base.empty() && row[2] == "1") base = row[1];
        }
        EXPECT_EQ(listed, typed) << families[f];
        const TConvType to = registry.FindUnitByName(base).value_or(0);
        for (const auto& row : rows) {
            if (row[0] != families[f]) continue;
            const TConvType from = registry.FindUnitByName(row[1]).value_or(0);
            if (row[2].find('=') == std::string::npos) {
                // One unit in base units is the factor itself, as a double.
                EXPECT_EQ(registry.ConvertValue(1, from, to), std::strtod(row[2].c_str(), nullptr))
                    << row[1];
                continue;
            }
            for (const std::string& point : Split(row[2], ' ')) {
                const double v = std::strtod(point.c_str(), nullptr);
                const double b = std::strtod(point.substr(point.find('=') + 1).c_str(), nullptr);
                EXPECT_NEAR(registry.ConvertValue(v, from, to), b, 1e-9) << row[1] << " " << point;
                EXPECT_NEAR(registry.ConvertValue(b, to, from), v, 1e-9) << row[1] << " " << point;
            }
        }
    }
}

}  // namespace
}  // namespace brisalto
