#pragma once

// Every member table of the model: include this, not the tables one by one,
// before walking a design with ex::Describe, so that the walker sees them all.

#include "cell/CellMembers.h"
#include "core/CoreMembers.h"
#include "graphics/GraphicsMembers.h"
#include "jobprefs/JobPrefsMembers.h"
#include "layout/LayoutMembers.h"
#include "netclass/NetClassMembers.h"
#include "padstack/PadstackMembers.h"
#include "parts/PartsMembers.h"
#include "shapes/ShapeMembers.h"
