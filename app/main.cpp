#include "app/startup.h"

int main(int argc, char** argv) {
    brisalto::CalculatorApplication app(argc, argv);
    return brisalto::RunGuarded([&app] { return brisalto::RunCalculator(app); });
}
