#include "model/FormulaNetwork.h"

#include "model/FormulaEvaluator.h"

// Columns: 0 beam diameter, 1 solid angle, 2 intensity, 3 lit area, 4 illuminance,
// 5 efficacy, 6 operating hours, 7 lamps needed, 8 operating cost.
const std::uint8_t FormulaMatrix[kQuantityCount][kFormulaCount] = {
    {0, 0, 8, 0, 0, 0, 0, 0, 0}, // kLuminousIntensity
    {0, 0, 9, 0, 9, 5, 0, 3, 0}, // kLuminousFlux
    {0, 0, 0, 0, 1, 0, 0, 0, 0}, // kIlluminance
    {5, 9, 0, 0, 0, 0, 0, 0, 0}, // kBeamAngle
    {0, 5, 5, 0, 0, 0, 0, 0, 0}, // kSolidAngle
    {0, 0, 0, 5, 5, 0, 0, 0, 0}, // kLitArea
    {9, 0, 0, 0, 0, 0, 0, 0, 0}, // kMountingHeight
    {1, 0, 0, 9, 0, 0, 0, 0, 0}, // kLitDiameter
    {0, 0, 0, 0, 0, 9, 0, 0, 6}, // kPower
    {0, 0, 0, 0, 0, 1, 0, 0, 0}, // kEfficacy
    {0, 0, 0, 0, 0, 0, 0, 7, 0}, // kRoomArea
    {0, 0, 0, 0, 0, 0, 9, 0, 0}, // kHoursPerDay
    {0, 0, 0, 0, 0, 0, 8, 0, 0}, // kDaysPerYear
    {0, 0, 0, 0, 0, 0, 7, 0, 2}, // kHoursPerYear
    {0, 0, 0, 0, 0, 0, 0, 6, 0}, // kRoomIlluminance
    {0, 0, 0, 0, 0, 0, 0, 1, 3}, // kLampsNeeded
    {0, 0, 0, 0, 0, 0, 0, 0, 9}, // kLampLife
    {0, 0, 0, 0, 0, 0, 0, 0, 7}, // kLampPrice
    {0, 0, 0, 0, 0, 0, 0, 0, 8}, // kElectricityPrice
    {0, 0, 0, 0, 0, 0, 0, 0, 1}, // kOperatingCost
    {0, 0, 0, 0, 0, 0, 0, 8, 0}, // kLampEfficiency
    {0, 0, 0, 0, 0, 0, 0, 9, 0}, // kRoomEfficiency
    {0, 0, 0, 0, 0, 0, 0, 5, 0}, // kMaintenanceFactor
};

const std::uint8_t FormulaRank[kFormulaCount] = {7, 5, 8, 6, 4, 7, 2, 3, 3};

namespace {

// Stable insertion sort of one row by descending weight; weightOf gives an entry's weight.
template <typename WeightOf>
void SortByDescendingWeight(std::uint8_t* row, std::uint32_t count, WeightOf weightOf) {
    for (std::uint32_t i = 1; i < count; ++i) {
        std::uint8_t entry = row[i];
        std::uint32_t j = i;
        for (; j > 0 && weightOf(row[j - 1]) < weightOf(entry); --j) {
            row[j] = row[j - 1];
        }
        row[j] = entry;
    }
}

// A formula of two members is solved once up front: for the second member when only the
// first has a value, otherwise for the member of lower weight.
void ApplyTwoMemberRule(ValueStore& store, int formula, int first, int second) {
    int a = first < second ? first : second;
    int b = first < second ? second : first;
    if (store.value[a] != 0 && store.value[b] == 0) {
        SolveFormula(store, formula, b);
    } else if (FormulaMatrix[a][formula] <= FormulaMatrix[b][formula]) {
        SolveFormula(store, formula, a);
    } else {
        SolveFormula(store, formula, b);
    }
}

void BuildMembers(FormulaNetwork& network, ValueStore& store) {
    for (int f = 0; f < kFormulaCount; ++f) {
        std::uint8_t* row = network.FormulaMembers[f];
        std::uint32_t& count = network.MemberCount[f];
        count = 0;
        for (int q = 0; q < kQuantityCount; ++q) {
            if (FormulaMatrix[q][f] != 0) {
                row[count++] = static_cast<std::uint8_t>(q);
            }
        }
        SortByDescendingWeight(row, count, [f](std::uint8_t q) { return FormulaMatrix[q][f]; });
        if (count == 2) {
            ApplyTwoMemberRule(store, f, row[0], row[1]);
        }
    }
}

void BuildFormulasOfQuantities(FormulaNetwork& network) {
    for (int q = 0; q < kQuantityCount; ++q) {
        std::uint8_t* row = network.QuantityFormulas[q];
        std::uint32_t& count = network.FormulaCount[q];
        count = 0;
        for (int f = 0; f < kFormulaCount; ++f) {
            if (FormulaMatrix[q][f] != 0) {
                row[count++] = static_cast<std::uint8_t>(f);
            }
        }
        SortByDescendingWeight(row, count, [q](std::uint8_t f) { return FormulaMatrix[q][f]; });
    }
}

} // namespace

void ClearFormulaNetwork(FormulaNetwork& network) {
    for (auto& row : network.FormulaMembers) {
        for (auto& slot : row) {
            slot = kEmptySlot;
        }
    }
    for (auto& row : network.QuantityFormulas) {
        for (auto& slot : row) {
            slot = kEmptySlot;
        }
    }
    for (auto& count : network.MemberCount) {
        count = 0;
    }
    for (auto& count : network.FormulaCount) {
        count = 0;
    }
}

void BuildFormulaNetwork(FormulaNetwork& network, ValueStore& store) {
    // Start from empty rows, so that every slot behind a count is kEmptySlot however the
    // tables were left before.
    ClearFormulaNetwork(network);
    BuildMembers(network, store);
    BuildFormulasOfQuantities(network);
}
