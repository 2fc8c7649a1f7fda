#pragma once

// Silkscreen outlines and solder masks read the same child keywords.

#include "graphics/GraphicRecord.h"

namespace ex {

template <class E>
inline constexpr auto kSilkScreenRows = MakeTable<E>({
    {".DISPLAY_CONDITION", StoreValue<&E::sDisplayCondition>},
    {".SIDE", StoreValue<&E::sSide>},
    {".GFX_COMMON", nullptr},
    {".PID", nullptr},
    {".TEXT", AddText<&E::pTextArray>},
});

template <class E>
inline constexpr SubRecordTable<E> kSilkScreenTable{kSilkScreenRows<E>, AddShapes<&E::pDrawObjArray, 1>};

} // namespace ex
