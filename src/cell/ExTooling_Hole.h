#pragma once

#include <string>
#include <vector>

#include "core/ExPt.h"
#include "core/ExPtrArray.h"
#include "expedition_fwd.h"

// A hole of a panel or board: padstack, position and rotation.
class CExTooling_Hole {
public:
    CExTooling_Hole() = default;
    CExTooling_Hole(const CExTooling_Hole&) = delete;
    CExTooling_Hole& operator=(const CExTooling_Hole&) = delete;
    virtual ~CExTooling_Hole();

    std::string sPadstackName;
    double dRotation = 0.0;  // as written
    CExPtArray aXY;          // scaled
    std::string sToolingHoleOptions;
};

EXLOAD_EXTERN_PTR_ARRAY(CExTooling_Hole);

class CExTooling_HoleArray : public CExPtrArray<CExTooling_Hole*, CExTooling_Hole*> {
public:
    ~CExTooling_HoleArray() override;

    // A "..TOOLING_HOLE" group of a panel cell (level-3 properties).
    void SetTooling_HoleData_InCell(std::vector<std::string>& group, std::string context, int flag,
                                    CExTemporaryArray* ignoreLog, CExTemporaryArray* notUsedLog, double dScale);
    // A ".TOOLING_HOLE" record of the layout file (level-2 properties).
    void SetTooling_HoleData_InLayout(std::vector<std::string>& record, std::string context, int flag,
                                      CExTemporaryArray* ignoreLog, CExTemporaryArray* notUsedLog, double dScale);
};
