// SPDX-FileCopyrightText: Brisalto Calculator contributors
// SPDX-License-Identifier: MIT
// The reaction and solution dialogs, offscreen: the time from a key to the dialog repainted, for
// every key of a combustion with two amounts, of a 30-species reaction and of a solution, against
// the goal of one frame (16 ms); beside it, bc -l on the arithmetic of one update.
#include <time.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTest>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "bench/tools/reaction_maker.h"
#include "tools/gui/reaction_form.h"
#include "tools/gui/solution_form.h"

namespace {

constexpr double kFrameMs = 16;

// The thread's CPU time: the machine may be shared, and its other loads are not ours.
double CpuMs() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

// CPU milliseconds from each key to the repaint, every character of `text` typed into `edit`.
std::vector<double> Type(QWidget& form, QLineEdit* edit, const QString& text) {
    std::vector<double> times;
    for (const QChar c : text) {
        const double start = CpuMs();
        QTest::keyClicks(edit, QString(c));
        form.repaint();
        times.push_back(CpuMs() - start);
    }
    return times;
}

bool Report(const char* what, std::vector<double> times) {
    std::sort(times.begin(), times.end());
    const double median = times[times.size() / 2];
    const double worst = times.back();
    std::printf("%-34s %3zu keys  median %6.2f ms  worst %6.2f ms CPU\n", what, times.size(),
                median, worst);
    return worst < kFrameMs;
}

void ReportBc() {
    // One update's arithmetic: four molar masses, the moles, the extent, the grams.
    const char* program =
        "m1=12.011*8+1.00794*18; m2=15.9994*2; m3=12.011+15.9994*2; m4=1.00794*2+15.9994\n"
        "n1=10/m1; n2=30/m2; e=n1/2; if (n2/25<e) e=n2/25\n"
        "2*e*m1; 25*e*m2; 16*e*m3; 18*e*m4\n";
    const std::string command = std::string("printf '%s' '") + program + "' | bc -l > /dev/null";
    const auto start = std::chrono::steady_clock::now();
    const int status = std::system(command.c_str());
    const double ms =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() * 1e3;
    if (status != 0) {
        std::printf("bc -l: not available (status %d)\n", status);
        return;
    }
    std::printf("%-34s           %6.2f ms (one update's arithmetic, process included)\n", "bc -l",
                ms);
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    bool met = true;
    {
        brisalto::TReactionForm form;
        form.show();
        // The first paint (fonts, styles) belongs to opening the dialog, not to a key.
        if (!QTest::qWaitForWindowExposed(&form)) return 1;
        form.repaint();
        std::vector<double> times = Type(form, form.ReactionEdit, "C8H18 + O2 = CO2 + H2O");
        const std::vector<double> more = Type(form, form.GivenEdit, "C8H18=10 g; O2=30 g");
        times.insert(times.end(), more.begin(), more.end());
        met &= Report("reaction, combustion and amounts", times);
    }
    {
        brisalto::TReactionForm form;
        form.show();
        // The first paint (fonts, styles) belongs to opening the dialog, not to a key.
        if (!QTest::qWaitForWindowExposed(&form)) return 1;
        form.repaint();
        const QString big = QString::fromStdString(brisalto::bench::MakeReaction(30, 50).text);
        form.ReactionEdit->setText(big.left(big.size() - 1));
        form.repaint();
        met &=
            Report("reaction of 30 species, last key", Type(form, form.ReactionEdit, big.right(1)));
        double start = CpuMs();
        form.Update();
        const double update = CpuMs() - start;
        start = CpuMs();
        form.repaint();
        const double first = CpuMs() - start;
        start = CpuMs();
        form.repaint();
        std::printf("  of which the update %.2f ms, a repaint %.2f ms (again: %.2f ms)\n", update,
                    first, CpuMs() - start);
    }
    {
        brisalto::TSolutionForm form;
        form.show();
        // The first paint (fonts, styles) belongs to opening the dialog, not to a key.
        if (!QTest::qWaitForWindowExposed(&form)) return 1;
        form.repaint();
        std::vector<double> times = Type(form, form.FormulaEdit, "CuSO4·5H2O");
        for (auto [edit, text] :
             {std::pair{form.ConcentrationEdit, "0.1 M"}, std::pair{form.VolumeEdit, "250 mL"}}) {
            const std::vector<double> more = Type(form, edit, text);
            times.insert(times.end(), more.begin(), more.end());
        }
        met &= Report("solution, formula and amounts", times);
    }
    std::printf("goal: every key within one frame (%.0f ms): %s\n", kFrameMs,
                met ? "met" : "NOT MET");
    ReportBc();
    return 0;
}
