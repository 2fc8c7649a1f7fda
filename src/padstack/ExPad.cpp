#include "padstack/ExPad.h"

#include <utility>

#include "core/KeywordTable.h"
#include "padstack/ElementRecord.h"

namespace {

enum class PadLine { Custom, Offset, Skip, NotUsed };

constexpr ex::KeywordRow<PadLine> kPadLines[] = {
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

void CExPad::SetSubRecordData(std::vector<std::string>& saSubRecord, std::string sContext, int nFlag,
                              CExTemporaryArray* pIgnoreLog, CExTemporaryArray* pNotUsedLog, double dScale)
{
    if (saSubRecord.empty() ||
        ex::AddShapeSubRecord(*pDrawObjArray, saSubRecord, sContext, nFlag, pIgnoreLog, pNotUsedLog, dScale))
        return;
    const std::string_view first = ex::TrimView(saSubRecord[0]);
    const auto* row = ex::MatchKeyword(kPadLines, first);
    switch (row ? row->action : PadLine::NotUsed) {
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
    case PadLine::NotUsed:
        pNotUsedLog->SetNoUsedArray(saSubRecord, std::move(sContext), nFlag);
        break;
    }
    saSubRecord.clear();
}

void CExPad::SetCustomData(std::vector<std::string>& saSubRecord, const std::string& sContext, int nFlag,
                           CExTemporaryArray* pIgnoreLog, CExTemporaryArray* pNotUsedLog, double dScale)
{
    auto addShape = [&](std::vector<std::string>& saShape) {
        ex::AddLevelShape(*pDrawObjArray, 3, saShape, sContext, nFlag, pIgnoreLog, pNotUsedLog, dScale);
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
