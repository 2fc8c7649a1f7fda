#pragma once

// Member tables of the job preferences classes.

#include <tuple>

#include "core/MemberTable.h"
#include "jobprefs/ExJobPreferenceVia.h"
#include "jobprefs/ExJobPreferences.h"
#include "jobprefs/ExLayerPair.h"
#include "jobprefs/ExLayer_Stackup.h"

namespace ex {

template <>
struct ModelTable<CExLayerPair> : TableDefaults {
    EX_CLASS(CExLayerPair);
    static constexpr auto kMembers = std::tuple{EX_MEMBER(sFromLayer), EX_MEMBER(sToLayer)};
};

template <>
struct ModelTable<CExLayer_Stackup> : TableDefaults {
    EX_CLASS(CExLayer_Stackup);
    static constexpr auto kMembers = std::tuple{
        EX_MEMBER(saPlaneNets), EX_MEMBER(sPlaneType), EX_MEMBER(nLayerNumber), EX_MEMBER(pLayerPair),
        EX_MEMBER(nConductiveLayerNumber), EX_MEMBER(dLayerThickness), EX_MEMBER(sLayerTechnology),
        EX_MEMBER(sLayerDescription), EX_MEMBER(dDielectricConstant), EX_MEMBER(sLayerName), EX_MEMBER(sLayerType)};
};

template <>
struct ModelTable<CExJobPreferenceVia> : TableDefaults {
    EX_CLASS(CExJobPreferenceVia);
    static constexpr auto kMembers = std::tuple{
        EX_MEMBER(pLayerPair), EX_MEMBER(saSpanLines), EX_MEMBER(sPadstackName)};
};

template <>
struct ModelTable<CExJobPreferences> : TableDefaults {
    EX_CLASS(CExJobPreferences);
    static constexpr auto kMembers = std::tuple{
        EX_MEMBER(pLayerStackupArray), EX_MEMBER(sUnits), EX_MEMBER(sDesignUnits), EX_MEMBER(nPhysicalLayers),
        EX_MEMBER(pViaArray), EX_MEMBER(pIgnoreLog), EX_MEMBER(pNotUsedLog)};
};

} // namespace ex
