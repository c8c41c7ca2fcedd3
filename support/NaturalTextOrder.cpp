#include "support/NaturalTextOrder.h"

#include "support/NaturalCompare.h"
#include "support/TextList.h"

#include <cstddef>

int NaturalTextOrder(const TextList& list, int i, int j, void* /*context*/) {
    return FastNaturalCompare(list.Text(i), static_cast<std::size_t>(list.Length(i)), list.Text(j),
                              static_cast<std::size_t>(list.Length(j)));
}
