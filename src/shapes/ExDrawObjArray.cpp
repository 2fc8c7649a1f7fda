#include "shapes/ExDrawObjArray.h"

#include "core/Grouping.h"
#include "core/ParseContext.h"
#include "shapes/ShapeKeywords.h"

namespace {

// Cuts the block into shape sub-records: a line with nLevel dots opens one,
// deeper lines join it, every line loses its first nLevel characters.
void AddShapes(CExDrawObjArray& array, int nLevel, const std::string* pSide, ex::Group& record,
               const ex::ParseContext& ctx)
{
    const ex::GroupRule rule{.nLevel = nLevel, .nCut = nLevel};
    ex::GroupLines(record, 0, rule, [&](ex::Group& group) {
        CExDrawObj* shape = CExDrawObjArray::SetMakeDObj(nLevel, group, ctx.sContext, ctx.nFlag, ctx.pIgnoreLog,
                                                         ctx.pNotUsedLog, ctx.dScale);
        if (shape == nullptr)
            return;
        if (pSide != nullptr)
            shape->sSide = *pSide;
        array.Add(shape);
    });
}

} // namespace

EXLOAD_INSTANTIATE_PTR_ARRAY(CExDrawObj);

CExDrawObjArray::~CExDrawObjArray() { DeleteAll(); }

CExDrawObj* CExDrawObjArray::SetMakeDObj(int /*nLevel*/, std::vector<std::string>& record, std::string /*unitsString*/,
                                         int /*flag*/, CExTemporaryArray* /*ignoreLog*/,
                                         CExTemporaryArray* /*notUsedLog*/, double dScale)
{
    if (record.empty())
        return nullptr;
    // The keyword line stays where it is; the shape reads from line 1 on.
    return ex::NewShape(ex::MatchShapeKeyword(record[0], 0), record, 1, dScale);
}

void CExDrawObjArray::SetDObjData_InCell(int nLevel, std::vector<std::string>& record, std::string unitsString,
                                         int flag, CExTemporaryArray* ignoreLog, CExTemporaryArray* notUsedLog,
                                         double dScale)
{
    AddShapes(*this, nLevel, nullptr, record, {unitsString, flag, ignoreLog, notUsedLog, dScale});
}

void CExDrawObjArray::SetDObjData_Assembly(int nLevel, std::string sideString, std::vector<std::string>& record,
                                           std::string unitsString, int flag, CExTemporaryArray* ignoreLog,
                                           CExTemporaryArray* notUsedLog, double dScale)
{
    AddShapes(*this, nLevel, &sideString, record, {unitsString, flag, ignoreLog, notUsedLog, dScale});
}
