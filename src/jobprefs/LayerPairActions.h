#pragma once

// The row action of the tables whose ".LAYER_PAIR" lines name one layer each.

#include "core/GroupTable.h"
#include "jobprefs/ExLayerPair.h"

namespace ex {

// The first such line names the from layer, every later one the to layer of
// the owned pair M.
template <auto M>
void AddLayerPairValue(ClassOf<M>& object, Group& group, const ParseContext&)
{
    CExLayerPair& pair = *(object.*M);
    (pair.sFromLayer.empty() ? pair.sFromLayer : pair.sToLayer) = KeywordValue(TrimView(group[0]));
}

} // namespace ex
