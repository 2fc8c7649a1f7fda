#pragma once

// Silkscreen outlines and solder masks read the same child keywords.

#include "graphics/GraphicRecord.h"

namespace ex {

template <class E>
inline constexpr SubRecordRow<E> kSilkScreenRows[] = {
    {".DISPLAY_CONDITION", SubRecordField<E>::Value(&E::sDisplayCondition)},
    {".SIDE", SubRecordField<E>::Value(&E::sSide)},
    {".GFX_COMMON", SubRecordField<E>::Skip()},
    {".PID", SubRecordField<E>::Skip()},
    {".TEXT", SubRecordField<E>::Text(&E::pTextArray)},
};

template <class E>
inline constexpr SubRecordTable<E> kSilkScreenTable{kSilkScreenRows<E>, SubRecordField<E>::Shapes(&E::pDrawObjArray)};

} // namespace ex
