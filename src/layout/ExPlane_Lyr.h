#pragma once

#include <string>
#include <vector>

#include "core/ExPtrArray.h"
#include "expedition_fwd.h"

// A plane layer with the plane nets on it.
class CExPlane_Lyr {
public:
    CExPlane_Lyr();
    CExPlane_Lyr(const CExPlane_Lyr&) = delete;
    CExPlane_Lyr& operator=(const CExPlane_Lyr&) = delete;
    virtual ~CExPlane_Lyr();

    // One level-3 group of a plane layer (keywords as written, upper case);
    // empties the group.
    static void SetPlaneLyrGroup(CExPlane_Lyr* pPlaneLyr, std::vector<std::string>& group, const std::string& context,
                                 int flag, CExTemporaryArray* ignoreLog, CExTemporaryArray* notUsedLog, double dScale);
    // A "..ACTUAL_PLANE_SHAPE" group: it belongs to the last plane net of the
    // layer, and is dropped when there is none. Empties the group.
    static void SetActualShapeGroup(CExPlane_Lyr* pPlaneLyr, std::vector<std::string>& group,
                                    const std::string& context, int flag, CExTemporaryArray* ignoreLog,
                                    CExTemporaryArray* notUsedLog, double dScale);

    std::string sPlaneLayer;
    std::string sPlaneType;
    CExPlane_NetArray* pPlaneNetArray;
};

EXLOAD_EXTERN_PTR_ARRAY(CExPlane_Lyr);

class CExPlane_LyrArray : public CExPtrArray<CExPlane_Lyr*, CExPlane_Lyr*> {
public:
    ~CExPlane_LyrArray() override;

    // A ".GENERATED_DATA" or ".UPG_APS_DATA" record without its first line:
    // appends its plane layers and empties the record.
    void SetPlaneLayerData(std::vector<std::string>& record, std::string context, int flag,
                           CExTemporaryArray* ignoreLog, CExTemporaryArray* notUsedLog, double dScale);
    // The plane layer of a level-2 group, not appended; null for an empty
    // group. Empties the group.
    CExPlane_Lyr* SetData(std::vector<std::string>& group, std::string context, int flag,
                          CExTemporaryArray* ignoreLog, CExTemporaryArray* notUsedLog, double dScale);
};
