#include "core/calc/calculation.h"
#include "core/operations/holes/holemakingcalculation.h"
#include "core/operations/milling/millingcalculations.h"
#include "core/operations/threads/threadcuttingcalculation.h"
#include "core/operations/turning/turningcalculation.h"

#include <stdexcept>

// Every operation, by its window's number: the windows and the command line find them here.
const Calculation& calculation(int number) {
    static const std::array<Calculation, 7> calculations{
        faceMillingCalculation(),   cylindricalMillingCalculation(),
        endMillingCalculation(),    discMillingCalculation(),
        turningCalculation(),       holeMakingCalculation(),
        threadCuttingCalculation(),
    };
    if (number < 1 || number > static_cast<int>(calculations.size())) {
        throw std::out_of_range("no calculation window");
    }
    return calculations[static_cast<std::size_t>(number - 1)];
}
