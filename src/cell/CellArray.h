#pragma once

// What the five cell kinds share: the types of their members and the array
// operations that parse a cell record and look a cell up by name.

#include <string>
#include <vector>

#include "cell/ExPackage_Pin.h"
#include "cell/ExPlacement_Outline.h"
#include "cell/ExTooling_Hole.h"
#include "core/ExPt.h"
#include "core/ExPtrArray.h"
#include "core/ExTemporary.h"
#include "graphics/ExAssembly_Outline.h"
#include "graphics/ExDimension.h"
#include "graphics/ExDimension_Setting.h"
#include "graphics/ExFiducial.h"
#include "graphics/ExGraphic.h"
#include "graphics/ExMC_SolderMask.h"
#include "graphics/ExMounting_Hole.h"
#include "graphics/ExObstruct.h"
#include "graphics/ExPlacement_Keepout.h"
#include "graphics/ExSilkScreen_Outline.h"
#include "graphics/ExSolder_Paste.h"
#include "layout/ExRouteObj.h"
#include "layout/ExText.h"
#include "shapes/ExDrawObjArray.h"

namespace ex {

// Owns its cells, in file order; cells of the same name are all kept.
// Instantiated for the five cell classes only.
template <class Cell>
class CellArray : public CExPtrArray<Cell*, Cell*> {
public:
    ~CellArray() override { this->DeleteAll(); }

    // One new cell from a whole cell record, its keyword line first;
    // appended, and the record emptied. cellUnits is not read.
    void SetData(std::vector<std::string>& record, std::string cellUnits, CExTemporaryArray* ignoreLog,
                 CExTemporaryArray* notUsedLog, double dScale);
    // 1 when a cell has exactly this name, else 0.
    int IsExist(std::string name) const;

protected:
    Cell* FindCell(const std::string& name) const;
};

} // namespace ex
