#include "layout/ExDesignRule_Area.h"

#include "layout/RegionRecord.h"

namespace {

using A = CExDesignRule_Area;

constexpr auto kAreaRows = ex::MakeTable<A>({
    {"..ROUTE_LYR", ex::StoreValue<&A::sRouteLayer>},
    {"..TEXT", ex::AddText<&A::pTextArray, 2>},
    {"..PID", nullptr},
    {ex::kAnyShape, ex::AddShapes<&A::pShapeArray, 2>},
});

// Area keywords are recognised also when written in quotes.
constexpr ex::GroupMatch kAreaGroups{.isOther = ex::kRegionGroups.isOther, .head = ex::Quotes::Remove};

} // namespace

CExDesignRule_Area::CExDesignRule_Area() : pTextArray(new CExTextArray), pShapeArray(new CExDrawObjArray) {}

CExDesignRule_Area::~CExDesignRule_Area()
{
    delete pTextArray;
    delete pShapeArray;
}

EXLOAD_INSTANTIATE_PTR_ARRAY(CExDesignRule_Area);

CExDesignRule_AreaArray::~CExDesignRule_AreaArray() { DeleteAll(); }

void CExDesignRule_Area::SetAreaGroup(CExDesignRule_Area* pArea, std::vector<std::string>& group,
                                      std::string context, int flag, CExTemporaryArray* ignoreLog,
                                      CExTemporaryArray* notUsedLog, double dScale)
{
    ex::ParseGroup(kAreaRows, pArea, group, {context, flag, ignoreLog, notUsedLog, dScale}, kAreaGroups);
}

void CExDesignRule_AreaArray::SetDesignRule_AreaData(std::vector<std::string>& record, std::string context, int flag,
                                                     CExTemporaryArray* ignoreLog, CExTemporaryArray* notUsedLog,
                                                     double dScale)
{
    ex::AddNamedRecord(*this, record, &A::sAreaName, ex::kRegionRule, [&](A& area, ex::Group& group) {
        CExDesignRule_Area::SetAreaGroup(&area, group, context, flag, ignoreLog, notUsedLog, dScale);
    });
}
