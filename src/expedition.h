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
