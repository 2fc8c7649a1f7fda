#pragma once

#include <string>
#include <vector>

#include "core/ExPtrArray.h"
#include "expedition_fwd.h"

// A net of the layout with the copper routed on it.
class CExNet {
public:
    CExNet();
    CExNet(const CExNet&) = delete;
    CExNet& operator=(const CExNet&) = delete;
    virtual ~CExNet();

    // One level-2 group of the net record; context is the net's first line.
    // Groups other than routing and markers (pins among them) are dropped.
    // Empties the group.
    void SetNetData(std::vector<std::string>& group, std::string context, int flag, CExTemporaryArray* ignoreLog,
                    CExTemporaryArray* notUsedLog, double dScale);

    std::string sNetName;                   // as written, without quotes
    CExRouteObjArray* pRouteObjArray;       // traces, vias, conductive areas, test points in file order
    std::vector<std::string> saMarkerPids;
};

EXLOAD_EXTERN_PTR_ARRAY(CExNet);

class CExNetArray : public CExPtrArray<CExNet*, CExNet*> {
public:
    ~CExNetArray() override;

    // A whole ".NET" record, its first line included: appends one net and
    // empties the record. context (the layout's units) is not used.
    void SetData(std::vector<std::string>& record, std::string context, CExTemporaryArray* ignoreLog,
                 CExTemporaryArray* notUsedLog, double dScale);
};
