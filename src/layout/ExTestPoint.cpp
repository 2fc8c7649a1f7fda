#include "layout/ExTestPoint.h"

#include "core/GroupTable.h"
#include "layout/TextActions.h"
#include "shapes/ExDrawObj.h"

namespace {

// Cell properties that reach test points are not texts of the test point.
void AddTestPointText(CExTestPoint& testPoint, ex::Group& group, const ex::ParseContext& ctx)
{
    const std::string_view line = group[0];
    if (ex::ContainsNoCase(line, "CELL_LAST_MODIFIED_BY") || ex::ContainsNoCase(line, "ALLOWED_MOUNT_SIDE") ||
        ex::ContainsNoCase(line, "_SBX_AC_"))
        ctx.LogNotUsed(group);
    else
        ex::AddText<&CExTestPoint::pTextArray>(testPoint, group, ctx);
}

constexpr auto kTestPointRows = ex::MakeTable<CExTestPoint>({
    {".PID", nullptr},
    {".PADSTACK", ex::StoreValue<&CExTestPoint::sPadstackName>},
    {".FACEMENT", ex::StoreValue<&CExTestPoint::sFacement>},
    {".ROTATION", ex::StoreValue<&CExTestPoint::sRotation>},
    {".TEXT", AddTestPointText},
    {".XY", ex::StorePosition<&CExTestPoint::ptsPosition>},
});

} // namespace

CExTestPoint::CExTestPoint() : CExRouteObj(ex::kTestPointType), pShape(new CExDrawObj), pTextArray(new CExTextArray) {}

CExTestPoint::~CExTestPoint()
{
    DeleteDrawObj(pShape);
    delete pTextArray;
}

void CExTestPoint::SetTestPointData(CExTestPoint* pTestPoint, std::vector<std::string>& group,
                                    const std::string& context, int flag, CExTemporaryArray* ignoreLog,
                                    CExTemporaryArray* notUsedLog, double dScale)
{
    ex::ParseGroup(kTestPointRows, pTestPoint, group, {context, flag, ignoreLog, notUsedLog, dScale});
}
