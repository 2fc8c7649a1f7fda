#include "layout/ExConductive_Area.h"

#include "shapes/ShapeGroupActions.h"

namespace {

// Words cut at single blanks: two blanks in a row give an empty word.
void AddAreaOptions(CExConductive_Area& area, ex::Group& group, const ex::ParseContext&)
{
    const std::string value = ex::KeywordValue(ex::TrimView(group[0]));
    std::string_view rest = value;
    while (!rest.empty()) {
        const std::size_t blank = rest.find(' ');
        area.saAreaOptions.emplace_back(rest.substr(0, blank));
        if (blank == std::string_view::npos)
            break;
        rest.remove_prefix(blank + 1);
    }
}

constexpr auto kAreaRows = ex::MakeTable<CExConductive_Area>({
    {".DISPLAY_CONDITION", ex::StoreValue<&CExConductive_Area::sDisplayCondition>},
    {".BREAKOUT_DATA", nullptr},
    {".CONDUCTIVE_AREA_OPTIONS", AddAreaOptions},
    {".HATCH_WIDTH", ex::StoreLength<&CExConductive_Area::dHatchWidth>},
    {".HATCH_PATTERN", ex::StoreValue<&CExConductive_Area::sHatchPattern>},
    {".HATCH_SPACING", ex::StoreLength<&CExConductive_Area::dHatchSpacing>},
    {".NETNAME", ex::StoreValue<&CExConductive_Area::sNetName>},
    {".PID", nullptr},
    {".PLANEHASOVERRIDES", nullptr},
    {".ADVANCED_LAYER_INFO", nullptr},
    {".PLANE_ID", ex::StoreInteger<&CExConductive_Area::nPlaneId>},
    {".ROUTE_LYR", ex::StoreValue<&CExConductive_Area::sRouteLayer>},
    {".TEXT", nullptr},
    {".UNDERSIDE_SPACE", nullptr},
    {ex::kAnyShape, ex::ReplaceShape<&CExConductive_Area::pShape>},
});

} // namespace

CExConductive_Area::CExConductive_Area() : CExRouteObj(ex::kConductiveAreaType), pShape(new CExDrawObj) {}

CExConductive_Area::~CExConductive_Area() { DeleteDrawObj(pShape); }

void CExConductive_Area::SetConductiveAreaData(CExConductive_Area* pArea, std::vector<std::string>& group,
                                               const std::string& context, int flag, CExTemporaryArray* ignoreLog,
                                               CExTemporaryArray* notUsedLog, double dScale)
{
    ex::ParseGroup(kAreaRows, pArea, group, {context, flag, ignoreLog, notUsedLog, dScale},
                   {.isOther = ex::IsShapeLineAt<1>});
}
