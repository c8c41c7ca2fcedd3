#ifndef LUMETRIX_SUPPORT_NATURALTEXTORDER_H
#define LUMETRIX_SUPPORT_NATURALTEXTORDER_H

class TextList;

// A TextList comparator that orders elements i and j as NaturalCompare orders their texts.
// Needs no context.
int NaturalTextOrder(const TextList& list, int i, int j, void* context);

#endif
