// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
// Conversions with units whose family another thread is removing at that moment. Each must
// give its exact value or the "Incompatible conversion types" refusal; under ThreadSanitizer a
// registry that uses a unit record after its lock (and so after its removal) is reported.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include "tools/conversion_registry.h"

namespace brisalto {
namespace {

constexpr int kReaders = 3;
constexpr int kRounds = 150;
// Powers of two keep every conversion exact.
constexpr double kFactor = 8.0;
constexpr auto kPatience = std::chrono::seconds(60);

// Round r's units; 0 while none is published.
struct Published {
    std::atomic<int> round{-1};
    std::atomic<TConvType> factor_unit{0};
    std::atomic<TConvType> formula_unit{0};
    std::atomic<TConvFamily> family{0};
};

struct ReaderCounts {
    std::atomic<int> converted_round{-1};
    std::atomic<int> refused_round{-1};
};

bool Expired(std::chrono::steady_clock::time_point start) {
    return std::chrono::steady_clock::now() - start > kPatience;
}

TEST(RegistryRemovalThreads, ConversionsWhileTheirFamilyIsRemoved) {
    ConversionRegistry registry;
    Published published;
    std::vector<ReaderCounts> counts(kReaders);
    std::atomic<bool> done{false};
    std::atomic<int> wrong{0};
    std::atomic<long> conversions{0};
    std::atomic<long> refusals{0};
    const auto start = std::chrono::steady_clock::now();

    std::vector<std::thread> readers;
    for (int r = 0; r < kReaders; ++r) {
        readers.emplace_back([&, r] {
            while (!done.load()) {
                const int round = published.round.load();
                const TConvType from = published.formula_unit.load();
                const TConvType to = published.factor_unit.load();
                const TConvFamily family = published.family.load();
                if (round < 0 || published.round.load() != round) continue;
                const double value = round + 0.5;
                try {
                    // Formula unit: x4 to the base; factor unit: base / 8.
                    const double got = registry.ConvertValue(value, from, to);
                    if (got != value * 4.0 / kFactor) ++wrong;
                    ++conversions;
                    counts[r].converted_round.store(round);
                } catch (const EConversionError& error) {
                    if (std::string(error.what()).rfind("Incompatible conversion types [", 0) !=
                        0) {
                        ++wrong;
                    }
                    ++refusals;
                    counts[r].refused_round.store(round);
                }
                // Lookups of the same records race the removal too.
                const std::string name = registry.UnitDescription(to);
                if (name != "Race " + std::to_string(round) + " a" && name.rfind("[", 0) != 0)
                    ++wrong;
                const std::size_t units = registry.UnitsOfFamily(family).size();
                if (units != 2 && units != 0) ++wrong;
                // The registry's locks favour readers; leave the writer a gap.
                std::this_thread::yield();
            }
        });
    }

    for (int round = 0; round < kRounds && !Expired(start); ++round) {
        const std::string name = "Race " + std::to_string(round);
        const TConvFamily family = registry.AddFamily(name);
        const TConvType factor_unit = registry.AddFactorUnit(family, name + " a", kFactor);
        // The formula reads heap data owned by its record, so a freed record is noticed.
        const std::vector<long double> scale(64, 4.0L / 64);
        const TConvType formula_unit = registry.AddFormulaUnit(
            family, name + " b",
            [scale](double v) {
                long double sum = 0;
                for (const long double s : scale) sum += v * s;
                return sum;
            },
            [scale](double v) { return v / (scale[0] * 64); });
        published.round.store(-1);
        published.family.store(family);
        published.factor_unit.store(factor_unit);
        published.formula_unit.store(formula_unit);
        published.round.store(round);

        // Remove the family while every reader is converting with it ...
        for (auto& c : counts) {
            while (c.converted_round.load() != round && !Expired(start)) std::this_thread::yield();
        }
        registry.RemoveFamily(family);
        // ... and go on once every reader has been refused at least once.
        for (auto& c : counts) {
            while (c.refused_round.load() != round && !Expired(start)) std::this_thread::yield();
        }
    }
    done = true;
    for (std::thread& reader : readers) reader.join();

    ASSERT_FALSE(Expired(start)) << "the readers stopped making progress";
    EXPECT_EQ(wrong.load(), 0);
    EXPECT_GE(conversions.load(), kRounds * kReaders);
    EXPECT_GE(refusals.load(), kRounds * kReaders);
    EXPECT_EQ(registry.LastFamily(), kRounds);
}

}  // namespace
}  // namespace brisalto
