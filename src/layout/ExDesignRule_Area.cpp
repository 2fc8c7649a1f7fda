#include "layout/ExDesignRule_Area.h"

#include "layout/RegionRecord.h"

namespace {

using Row = ex::RegionRow<CExDesignRule_Area>;
using ex::RegionEffect;

constexpr Row kAreaRows[] = {
    {"..ROUTE_LYR", {RegionEffect::Value, &CExDesignRule_Area::sRouteLayer}},
    {"..TEXT", {RegionEffect::Texts}},
    {"..PID", {RegionEffect::Drop}},
};

} // namespace

CExDesignRule_Area::CExDesignRule_Area() : pTextArray(new CExTextArray), pShapeArray(new CExDrawObjArray) {}

CExDesignRule_Area::~CExDesignRule_Area()
{
    delete pTextArray;
    delete pShapeArray;
}

void CExDesignRule_Area::SetAreaGroup(CExDesignRule_Area* pArea, std::vector<std::string>& group,
                                      std::string context, int flag, CExTemporaryArray* ignoreLog,
                                      CExTemporaryArray* notUsedLog, double dScale)
{
    // Area keywords are recognised also when written in quotes.
    ex::SetRegionGroup(pArea, kAreaRows, ex::Quotes::Remove, group, std::move(context), flag, ignoreLog,
                       notUsedLog, dScale);
}

void CExDesignRule_AreaArray::SetDesignRule_AreaData(std::vector<std::string>& record, std::string context, int flag,
                                                     CExTemporaryArray* ignoreLog, CExTemporaryArray* notUsedLog,
                                                     double dScale)
{
    ex::SetRegionRecord<CExDesignRule_Area>(
        *this, record, &CExDesignRule_Area::sAreaName,
        [&](CExDesignRule_Area* pArea, std::vector<std::string>& group) {
            CExDesignRule_Area::SetAreaGroup(pArea, group, context, flag, ignoreLog, notUsedLog, dScale);
        });
}
