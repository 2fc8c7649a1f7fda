#pragma once

#include <string>
#include <vector>

#include "core/ExPtrArray.h"
#include "core/ExTemporary.h"
#include "core/ObjectPool.h"

namespace ex {

// The four route object types, as written in sType and passed to
// SetRoutingData.
inline constexpr const char* kTraceType = "TRACE";
inline constexpr const char* kViaType = "VIA";
inline constexpr const char* kTestPointType = "TESTPOINT";
inline constexpr const char* kConductiveAreaType = "CONDUCTIVE_AREA";

} // namespace ex

// A piece of a net's copper: a trace, via, test point or conductive area.
class CExRouteObj {
public:
    EXLOAD_POOLED_OBJECT
    CExRouteObj() = default;
    CExRouteObj(const CExRouteObj&) = delete;
    CExRouteObj& operator=(const CExRouteObj&) = delete;
    virtual ~CExRouteObj();

    // Deletes the object only when sType names one of the four types; an
    // object of any other type is left alone. Null is allowed.
    static void DeleteRouteObj(CExRouteObj* pRouteObj);

    std::string sType;

protected:
    explicit CExRouteObj(const char* type) : sType(type) {}
};

EXLOAD_EXTERN_PTR_ARRAY(CExRouteObj);

class CExRouteObjArray : public CExPtrArray<CExRouteObj*, CExRouteObj*> {
public:
    ~CExRouteObjArray() override;

    // A "..TRACE", "..VIA", "..CONDUCTIVE_AREA" or "..TESTPOINT" group, its
    // keyword line first: appends one object of the type (none for an
    // unknown type, whose group is logged) and empties the record.
    void SetRoutingData(std::vector<std::string>& record, std::string context, int flag, std::string type,
                        CExTemporaryArray* ignoreLog, CExTemporaryArray* notUsedLog, double dScale);
};
