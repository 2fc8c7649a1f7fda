#include "padstack/ExPad.h"

#include <utility>

#include "padstack/ElementRecord.h"
#include "shapes/ShapeGroupActions.h"

namespace {

// A "..CUSTOM" block: its shapes open at three dots. Lines of one or two
// dots belong to no shape: they stay, moved up over the "..CUSTOM" line,
// and are logged afterwards.
void AddCustomShapes(CExPad& pad, ex::Group& group, const ex::ParseContext& ctx)
{
    auto addShape = [&](ex::Group& shape) { ex::AddLevelShape<&CExPad::pDrawObjArray, 3>(pad, shape, ctx); };
    ex::LineGrouper grouper(ex::GroupRule{3}, addShape);
    std::size_t nKept = 0;
    for (std::size_t i = 1; i < group.size(); ++i) {
        const int nDots = ex::LeadingDots(ex::TrimView(group[i]));
        if (nDots == 1 || nDots == 2)
            group[nKept++] = std::move(group[i]);
        else
            grouper.Add(group[i]);
    }
    grouper.Finish();
    group.resize(nKept);
    ctx.pNotUsedLog->SetNoUsedArray(group, ctx.sContext, ctx.nFlag);
}

void AddOffset(CExPad& pad, ex::Group& group, const ex::ParseContext& ctx)
{
    CExPt pt = ex::ReadOffset(ex::TrimView(group[0]), ctx.dScale);
    pad.aOffsets.Add(pt);
}

// Shapes are tested before the keywords.
constexpr auto kPadLines = ex::MakeTable<CExPad>({
    {ex::kAnyShape, ex::AddLevelShape<&CExPad::pDrawObjArray, 2>},
    {"..CUSTOM", AddCustomShapes},
    {"..OFFSET", AddOffset},
    {"..PAD_OPTIONS", nullptr},
    {"..TIMESTAMP", nullptr},
});

} // namespace

CExPad::CExPad() : pDrawObjArray(new CExDrawObjArray) {}

CExPad::~CExPad()
{
    delete pDrawObjArray;
    aOffsets.RemoveAll();
}

EXLOAD_INSTANTIATE_PTR_ARRAY(CExPad);

CExPadArray::~CExPadArray() { DeleteAll(); }

void CExPad::SetSubRecordData(std::vector<std::string>& saSubRecord, std::string sContext, int nFlag,
                              CExTemporaryArray* pIgnoreLog, CExTemporaryArray* pNotUsedLog, double dScale)
{
    ex::ParseGroup(kPadLines, *this, saSubRecord, {sContext, nFlag, pIgnoreLog, pNotUsedLog, dScale},
                   {.isOther = ex::IsShapeLineAt<2>});
}

void CExPadArray::SetData(std::vector<std::string>& saRecord, std::string sContext, int /*nFlag*/,
                          CExTemporaryArray* pIgnoreLog, CExTemporaryArray* pNotUsedLog, double dScale)
{
    ex::AddNamedRecord(*this, saRecord, &CExPad::sName, ex::kElementSubRecordRule,
                       ex::ToSubRecords({sContext, ex::kElementSubRecordFlag, pIgnoreLog, pNotUsedLog, dScale}));
}
