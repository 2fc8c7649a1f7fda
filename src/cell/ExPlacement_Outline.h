#pragma once

#include <string>
#include <vector>

#include "core/ExPtrArray.h"
#include "expedition_fwd.h"

// The area a placed cell occupies: height, side, display settings, shapes
// and texts.
class CExPlacement_Outline {
public:
    CExPlacement_Outline();
    CExPlacement_Outline(const CExPlacement_Outline&) = delete;
    CExPlacement_Outline& operator=(const CExPlacement_Outline&) = delete;
    virtual ~CExPlacement_Outline();

    double dHeight = 0.0;  // scaled
    CExDrawObjArray* pDrawObjArray;
    std::string sDisplayCondition;
    std::string sSide;
    CExTextArray* pTextArray;

    // Reads a "..PLACEMENT_OUTLINE" group into this outline: its first line is
    // dropped, each level-3 group goes to the property routine. Shapes and
    // texts add to what the outline holds. Empties the group.
    void SetPlaceOutData(std::vector<std::string>& group, const ex::ParseContext& ctx);
};

EXLOAD_EXTERN_PTR_ARRAY(CExPlacement_Outline);

class CExPlacement_OutlineArray : public CExPtrArray<CExPlacement_Outline*, CExPlacement_Outline*> {
public:
    ~CExPlacement_OutlineArray() override;

    // One outline from a "..PLACEMENT_OUTLINE" group, appended; empties the group.
    void SetPlaceOutData_InCell(std::vector<std::string>& group, std::string context, int flag,
                                CExTemporaryArray* ignoreLog, CExTemporaryArray* notUsedLog, double dScale);
    // The same outline, handed to the caller (who owns it) instead of being
    // appended; null for an empty group.
    static CExPlacement_Outline* NewPlaceOutData_InCell(std::vector<std::string>& group, const ex::ParseContext& ctx);
};
