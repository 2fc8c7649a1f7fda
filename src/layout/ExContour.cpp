#include "layout/ExContour.h"

#include "layout/RegionRecord.h"

namespace {

using C = CExContour;

constexpr auto kContourRows = ex::MakeTable<C>({
    {"..COMP", ex::StoreValue<&C::sComponent>},
    {"..DIRECTION", ex::StoreValue<&C::sDirection, ex::Quotes::Keep>},
    {"..PID", nullptr},
    {"..HOLE", ex::StoreValue<&C::sHole, ex::Quotes::Keep>},
    {"..TEXT", ex::AddText<&C::pTextArray, 2>},
    {ex::kAnyShape, ex::AddShapes<&C::pShapeArray, 2>},
});

} // namespace

CExContour::CExContour() : pTextArray(new CExTextArray), pShapeArray(new CExDrawObjArray) {}

CExContour::~CExContour()
{
    delete pTextArray;
    delete pShapeArray;
}

EXLOAD_INSTANTIATE_PTR_ARRAY(CExContour);

CExContourArray::~CExContourArray() { DeleteAll(); }

void CExContour::SetContourGroup(CExContour* pContour, std::vector<std::string>& group, std::string context,
                                 int flag, CExTemporaryArray* ignoreLog, CExTemporaryArray* notUsedLog, double dScale)
{
    ex::ParseGroup(kContourRows, pContour, group, {context, flag, ignoreLog, notUsedLog, dScale}, ex::kRegionGroups);
}

void CExContourArray::SetContourData(std::vector<std::string>& record, std::string context, int flag,
                                     CExTemporaryArray* ignoreLog, CExTemporaryArray* notUsedLog, double dScale)
{
    ex::AddNamedRecord(*this, record, &C::sContourName, ex::kRegionRule, [&](C& contour, ex::Group& group) {
        CExContour::SetContourGroup(&contour, group, context, flag, ignoreLog, notUsedLog, dScale);
    });
}
