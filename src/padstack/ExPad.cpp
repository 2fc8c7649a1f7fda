#include "padstack/ExPad.h"

#include <utility>

#include "padstack/ElementRecord.h"
#include "shapes/ShapeGroupActions.h"

namespace {

enum class PadLine { Shape, Custom, Offset, Skip };

// Shapes are tested before the keywords.
constexpr ex::KeywordRow<PadLine> kPadLines[] = {
    {ex::kAnyShape, PadLine::Shape},
    {"..CUSTOM", PadLine::Custom},
    {"..OFFSET", PadLine::Offset},
    {"..PAD_OPTIONS", PadLine::Skip},
    {"..TIMESTAMP", PadLine::Skip},
};

// A "..CUSTOM" block: its shapes open at three dots.
constexpr ex::GroupRule kCustomShapeRule{3};

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
    const ex::ParseContext ctx{sContext, nFlag, pIgnoreLog, pNotUsedLog, dScale};
    auto take = [&](const ex::KeywordRow<PadLine>& row, std::string_view first) {
        switch (row.action) {
        case PadLine::Shape:
            ex::AddLevelShape<&CExPad::pDrawObjArray, 2>(*this, saSubRecord, ctx);
            break;
        case PadLine::Custom:
            SetCustomData(saSubRecord, sContext, nFlag, pIgnoreLog, pNotUsedLog, dScale);
            break;
        case PadLine::Offset: {
            CExPt pt = ex::ReadOffset(first, dScale);
            aOffsets.Add(pt);
            break;
        }
        case PadLine::Skip:
            break;
        }
    };
    ex::TakeGroup(kPadLines, saSubRecord, ctx, take, {.isOther = ex::IsShapeLineAt<2>});
}

void CExPad::SetCustomData(std::vector<std::string>& saSubRecord, const std::string& sContext, int nFlag,
                           CExTemporaryArray* pIgnoreLog, CExTemporaryArray* pNotUsedLog, double dScale)
{
    const ex::ParseContext ctx{sContext, nFlag, pIgnoreLog, pNotUsedLog, dScale};
    auto addShape = [&](std::vector<std::string>& saShape) {
        ex::AddLevelShape<&CExPad::pDrawObjArray, 3>(*this, saShape, ctx);
    };
    ex::LineGrouper grouper(kCustomShapeRule, addShape);
    // Lines of one or two dots belong to no shape: they stay, moved up over
    // the "..CUSTOM" line, and are logged afterwards.
    std::size_t nKept = 0;
    for (std::size_t i = 1; i < saSubRecord.size(); ++i) {
        const int nDots = ex::LeadingDots(ex::TrimView(saSubRecord[i]));
        if (nDots == 1 || nDots == 2)
            saSubRecord[nKept++] = std::move(saSubRecord[i]);
        else
            grouper.Add(saSubRecord[i]);
    }
    grouper.Finish();
    saSubRecord.resize(nKept);
    pNotUsedLog->SetNoUsedArray(saSubRecord, sContext, nFlag);
}

void CExPadArray::SetData(std::vector<std::string>& saRecord, std::string sContext, int /*nFlag*/,
                          CExTemporaryArray* pIgnoreLog, CExTemporaryArray* pNotUsedLog, double dScale)
{
    ex::SetElementRecord<CExPad>(*this, saRecord, sContext, pIgnoreLog, pNotUsedLog, dScale);
}
