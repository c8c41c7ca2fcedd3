#include "support/NaturalTextOrder.h"

#include "support/NaturalCompare.h"
#include "support/TextList.h"

int NaturalTextOrder(const TextList& list, int i, int j, void* /*context*/) {
    return NaturalCompare(list.Text(i), list.Text(j));
}
