#include "layout/ExContour.h"

#include "layout/RegionRecord.h"

namespace {

using Row = ex::RegionRow<CExContour>;
using ex::RegionEffect;

constexpr Row kContourRows[] = {
    {"..COMP", {RegionEffect::Value, &CExContour::sComponent}},
    {"..DIRECTION", {RegionEffect::QuotedValue, &CExContour::sDirection}},
    {"..PID", {RegionEffect::Drop}},
    {"..HOLE", {RegionEffect::QuotedValue, &CExContour::sHole}},
    {"..TEXT", {RegionEffect::Texts}},
};

} // namespace

CExContour::CExContour() : pTextArray(new CExTextArray), pShapeArray(new CExDrawObjArray) {}

CExContour::~CExContour()
{
    delete pTextArray;
    delete pShapeArray;
}

void CExContour::SetContourGroup(CExContour* pContour, std::vector<std::string>& group, std::string context,
                                 int flag, CExTemporaryArray* ignoreLog, CExTemporaryArray* notUsedLog, double dScale)
{
    ex::SetRegionGroup(pContour, kContourRows, ex::Quotes::Keep, group, std::move(context), flag, ignoreLog,
                       notUsedLog, dScale);
}

void CExContourArray::SetContourData(std::vector<std::string>& record, std::string context, int flag,
                                     CExTemporaryArray* ignoreLog, CExTemporaryArray* notUsedLog, double dScale)
{
    ex::SetRegionRecord<CExContour>(*this, record, &CExContour::sContourName,
                                    [&](CExContour* pContour, std::vector<std::string>& group) {
                                        CExContour::SetContourGroup(pContour, group, context, flag, ignoreLog,
                                                                    notUsedLog, dScale);
                                    });
}
