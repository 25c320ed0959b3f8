// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "tools/conversion_registry.h"
#include "tools/program_families.h"

namespace brisalto {
namespace {

constexpr int kThreads = 4;
constexpr int kRounds = 200;

// Readers convert through the process-wide registry while writers register and remove families
// in it; every result must be exact and every number handed out once.
TEST(RegistryThreadsTest, LookupsConversionsAndRegistrationsAtOnce) {
    ConversionRegistry& registry = ConversionRegistry::Instance();
    std::atomic<bool> go{false};
    std::atomic<int> wrong{0};
    std::vector<std::vector<TConvFamily>> families(kThreads);
    std::vector<std::vector<TConvType>> units(kThreads);
    std::vector<std::thread> threads;

    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([&, t] {
            while (!go.load()) std::this_thread::yield();
            for (int round = 0; round < kRounds; ++round) {
                RegisterProgramFamilies();
                const auto km = registry.FindUnitByName("Kilometers");
                const auto m = registry.FindUnitByName("meters");
                const auto bar = registry.FindUnitByName("bar");
                const auto pa = registry.FindUnitByName("pascal");
                if (!km || !m || !bar || !pa) {
                    ++wrong;
                    continue;
                }
                if (registry.ConvertValue(round, *km, *m) != round * 1000.0) ++wrong;
                if (registry.ConvertValue(round, *bar, *pa) != round * 100000.0) ++wrong;
                if (registry.UnitsOfFamily(1).size() != 31) ++wrong;

                const std::string name = "T" + std::to_string(t) + "R" + std::to_string(round);
                const TConvFamily family = registry.AddFamily(name);
                families[t].push_back(family);
                units[t].push_back(registry.AddFactorUnit(family, name + "a", 2));
                units[t].push_back(registry.AddFormulaUnit(
                    family, name + "b", [](double v) { return v * 4.0L; },
                    [](double v) { return v / 4.0L; }));
                const auto a = registry.FindUnitByName(name + "a");
                const auto b = registry.FindUnitByName(name + "B");
                if (!a || !b || registry.ConvertValue(3, *b, *a) != 6) ++wrong;
                if (registry.FamilyDescription(family) != name) ++wrong;
                if (round % 2 == 0) registry.RemoveFamily(family);
            }
        });
    }
    go = true;
    for (std::thread& thread : threads) thread.join();

    EXPECT_EQ(wrong.load(), 0);
    std::vector<TConvFamily> all_families;
    std::vector<TConvType> all_units;
    for (int t = 0; t < kThreads; ++t) {
        all_families.insert(all_families.end(), families[t].begin(), families[t].end());
        all_units.insert(all_units.end(), units[t].begin(), units[t].end());
    }
    std::sort(all_families.begin(), all_families.end());
    std::sort(all_units.begin(), all_units.end());
    EXPECT_EQ(std::adjacent_find(all_families.begin(), all_families.end()), all_families.end());
    EXPECT_EQ(std::adjacent_find(all_units.begin(), all_units.end()), all_units.end());
    EXPECT_EQ(all_families.size(), static_cast<std::size_t>(kThreads * kRounds));
    // Families 7 to 9 are the program's; the threads' come after them, without gaps.
    EXPECT_EQ(all_families.front(), 10);
    EXPECT_EQ(all_families.back(), 9 + kThreads * kRounds);
    EXPECT_EQ(all_units.front(), 145);
    EXPECT_EQ(all_units.back(), 144 + 2 * kThreads * kRounds);
}

}  // namespace
}  // namespace brisalto
