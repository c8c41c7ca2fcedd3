#include "support/NaturalTextOrder.h"

#include "support/NaturalCompare.h"
#include "support/TextList.h"

#include <cstddef>

int NaturalTextOrder(const TextList& list, int i, int j, void* /*context*/) {
    return FastNaturalCompare(list.Text(i), std::size_t(list.Length(i)), list.Text(j),
                              std::size_t(list.Length(j)));
}
