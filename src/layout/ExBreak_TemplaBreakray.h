#pragma once

#include "core/ExPtrArray.h"

// Breakout templates are not read: the layout drops their records. The type
// of their array exists for hosts that name it; nothing creates one.
class CExBreak_Template;

using CExBreak_TemplaBreakray = CExPtrArray<CExBreak_Template*, CExBreak_Template*>;
