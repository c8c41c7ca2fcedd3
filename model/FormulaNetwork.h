#ifndef LUMETRIX_MODEL_FORMULANETWORK_H
#define LUMETRIX_MODEL_FORMULANETWORK_H

#include "model/Quantity.h"
#include "model/ValueStore.h"

#include <cstdint>

// Weight of each quantity (row) in each formula (column): 0 for "not a member", else 1 to 9,
// distinct within a formula. A low weight marks the member a formula prefers to solve for.
extern const std::uint8_t FormulaMatrix[kQuantityCount][kFormulaCount];

// Preference among formulas when recalculation must pick one; the highest rank goes first.
extern const std::uint8_t FormulaRank[kFormulaCount];

// Marks the unused slots of the index tables.
constexpr std::uint8_t kEmptySlot = 255;

// Index tables derived from FormulaMatrix. Rows are sorted by descending weight; entries of
// equal weight stand in ascending index order; slots behind the count hold kEmptySlot.
struct FormulaNetwork {
    std::uint8_t FormulaMembers[kFormulaCount][kQuantityCount]; // quantities of each formula
    std::uint32_t MemberCount[kFormulaCount];
    std::uint8_t QuantityFormulas[kQuantityCount][kFormulaCount]; // formulas of each quantity
    std::uint32_t FormulaCount[kQuantityCount];
};

// Empties every row: all slots kEmptySlot, all counts 0.
void ClearFormulaNetwork(FormulaNetwork& network);

// Fills the index tables and settles the formulas with exactly two members in the store's
// current values (the two-member rule).
void BuildFormulaNetwork(FormulaNetwork& network, ValueStore& store);

#endif
