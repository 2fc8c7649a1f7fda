#include "layout/ExTrace.h"

#include "layout/TextActions.h"
#include "shapes/ShapeGroupActions.h"

namespace {

// "..MARKER_PID" lines, matched as written.
void AddShortedMarkers(CExTrace& trace, ex::Group& group, const ex::ParseContext&)
{
    ex::AppendValuesOf(group, "..MARKER_PID", trace.saMarkerPids);
}

constexpr auto kTraceRows = ex::MakeTable<CExTrace>({
    {".DISPLAY_CONDITION", ex::StoreValue<&CExTrace::sDisplayCondition>},
    {".ADVANCED_LAYER_INFO", nullptr},
    {".BREAKOUT_DATA", nullptr},
    {".TRACE_OPTIONS", ex::AppendValue<&CExTrace::saTraceOptions>},
    {".NETNAME", ex::StoreValue<&CExTrace::sNetName>},
    {".PID", nullptr},
    {".ROUTE_LYR", ex::StoreValue<&CExTrace::sRouteLayer>},
    {".SLD_TRACE", nullptr},
    {".TEXT", ex::AddText<&CExTrace::pTextArray>},
    {".TEARDROP_DATA", nullptr},
    {".UNDERSIDE_SPACE", nullptr},
    {ex::kAnyShape, ex::ReplaceShape<&CExTrace::pShape>},
    {".SHORTED_MARKERS", AddShortedMarkers},
});

} // namespace

CExTrace::CExTrace() : CExRouteObj(ex::kTraceType), pShape(new CExDrawObj), pTextArray(new CExTextArray) {}

CExTrace::~CExTrace()
{
    DeleteDrawObj(pShape);
    delete pTextArray;
}

void CExTrace::SetTraceData(CExTrace* pTrace, std::vector<std::string>& group, const std::string& context, int flag,
                            CExTemporaryArray* ignoreLog, CExTemporaryArray* notUsedLog, double dScale)
{
    ex::ParseGroup(kTraceRows, pTrace, group, {context, flag, ignoreLog, notUsedLog, dScale},
                   {.isOther = ex::IsShapeLineAt<1>});
}
