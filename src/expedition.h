#pragma once

// Umbrella header of the library: a host includes this and links `expedition`.

#include "core/Array.h"
#include "core/Event.h"
#include "core/ExExpedition.h"
#include "core/ExPt.h"
#include "core/ExPtrArray.h"
#include "core/ExTemporary.h"
#include "core/HostInterface.h"
#include "core/Tokenizer.h"
#include "core/Window.h"

#include "shapes/ExChamfered_Rect.h"
#include "shapes/ExCircle_Path.h"
#include "shapes/ExCircle_Shape.h"
#include "shapes/ExDimension_Data.h"
#include "shapes/ExDrawObj.h"
#include "shapes/ExDrawObjArray.h"
#include "shapes/ExF4_web_round_thermal_45.h"
#include "shapes/ExOblong.h"
#include "shapes/ExOctagon.h"
#include "shapes/ExOctagonal_Finger.h"
#include "shapes/ExPolyarc_Path.h"
#include "shapes/ExPolyarc_Shape.h"
#include "shapes/ExPolyline_Path.h"
#include "shapes/ExPolyline_Shape.h"
#include "shapes/ExRadius_Corner_Rectangle.h"
#include "shapes/ExRect_Path.h"
#include "shapes/ExRect_Shape.h"
#include "shapes/ExRectangle.h"
#include "shapes/ExRound.h"
#include "shapes/ExRoundDonut.h"
#include "shapes/ExRound_Finger.h"
#include "shapes/ExSlot.h"
#include "shapes/ExSquare.h"
#include "shapes/ExSquare_Dount.h"
#include "shapes/ShapeKeywords.h"

#include "jobprefs/ExJobPreferenceVia.h"
#include "jobprefs/ExJobPreferences.h"
#include "jobprefs/ExLayerPair.h"
#include "jobprefs/ExLayer_Stackup.h"

#include "padstack/ExPadstack_Library.h"

#include "cell/ExCell_Library.h"

#include "layout/ExLayout.h"
#include "layout/ExTearDrop_Data.h"
#include "layout/ExTearDrop_Template.h"
#include "layout/ExText.h"

#include "netclass/ExNetClass.h"
#include "netclass/ExNetConnection.h"
#include "netclass/ExNetProp.h"

#include "parts/ExLibPart.h"

#include "loader/PC_Corvane_Get.h"
