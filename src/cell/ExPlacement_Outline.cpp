#include "cell/ExPlacement_Outline.h"

#include <memory>
#include <string_view>

#include "cell/CellGroups.h"
#include "core/Grouping.h"
#include "core/KeywordTable.h"
#include "core/StringOps.h"
#include "shapes/ShapeKeywords.h"

namespace {

enum class OutlineField { DisplayCondition, Discard, Height, Side, Text };

// Shapes come after these rows.
constexpr ex::KeywordRow<OutlineField> kOutlineFields[] = {
    {"...DISPLAY_CONDITION", OutlineField::DisplayCondition},
    {"...DISPLAY_WIDTH", OutlineField::Discard},
    {"...GFX_COMMON", OutlineField::Discard},
    {"...HEIGHT", OutlineField::Height},
    {"...PID", OutlineField::Discard},
    {"...SIDE", OutlineField::Side},
    {"...TEXT", OutlineField::Text},
    {"...UNDERSIDE_SPACE", OutlineField::Discard},
};

constexpr int kPropertyLevel = 3;

} // namespace

CExPlacement_Outline::CExPlacement_Outline() : pDrawObjArray(new CExDrawObjArray), pTextArray(new CExTextArray) {}

CExPlacement_Outline::~CExPlacement_Outline()
{
    delete pDrawObjArray;
    delete pTextArray;
}

void CExPlacement_Outline::SetPlaceOutData(std::vector<std::string>& group, const std::string& context, int flag,
                                           CExTemporaryArray* ignoreLog, CExTemporaryArray* notUsedLog,
                                           double dScale)
{
    ex::GroupLines(group, 1, ex::GroupRule{kPropertyLevel}, [&](std::vector<std::string>& sub) {
        SetPlaceOutPropertyData(sub, context, flag, ignoreLog, notUsedLog, dScale);
    });
}

void CExPlacement_Outline::SetPlaceOutPropertyData(std::vector<std::string>& group, const std::string& context,
                                                   int flag, CExTemporaryArray* ignoreLog,
                                                   CExTemporaryArray* notUsedLog, double dScale)
{
    if (group.empty())
        return;
    const std::string_view head = ex::TrimView(group[0]);
    const auto* row = ex::MatchKeyword(kOutlineFields, head);
    bool bTaken = true;
    if (row != nullptr) {
        switch (row->action) {
        case OutlineField::DisplayCondition:
            sDisplayCondition = ex::KeywordValue(head);
            break;
        case OutlineField::Discard:
            break;
        case OutlineField::Height:
            dHeight = ex::Atof(ex::KeywordValue(head)) * dScale;
            break;
        case OutlineField::Side:
            sSide = ex::KeywordValue(head);
            break;
        case OutlineField::Text:
            pTextArray->SetTextData(kPropertyLevel, group, context, flag, ignoreLog, notUsedLog, dScale);
            break;
        }
    } else if (ex::IsShapeLine(head, kPropertyLevel)) {
        ex::CutLines(group, kPropertyLevel);
        CExDrawObj* shape =
            CExDrawObjArray::SetMakeDObj(kPropertyLevel, group, context, flag, ignoreLog, notUsedLog, dScale);
        if (shape != nullptr)
            pDrawObjArray->Add(shape);
    } else {
        bTaken = false;
    }
    ex::CloseGroup(bTaken, group, context, flag, notUsedLog);
}

CExPlacement_Outline* CExPlacement_OutlineArray::NewPlaceOutData_InCell(std::vector<std::string>& group,
                                                                        std::string context, int flag,
                                                                        CExTemporaryArray* ignoreLog,
                                                                        CExTemporaryArray* notUsedLog, double dScale)
{
    if (group.empty())
        return nullptr;
    auto outline = std::make_unique<CExPlacement_Outline>();
    outline->SetPlaceOutData(group, context, flag, ignoreLog, notUsedLog, dScale);
    return outline.release();
}

void CExPlacement_OutlineArray::SetPlaceOutData_InCell(std::vector<std::string>& group, std::string context,
                                                       int flag, CExTemporaryArray* ignoreLog,
                                                       CExTemporaryArray* notUsedLog, double dScale)
{
    std::unique_ptr<CExPlacement_Outline> outline(
        NewPlaceOutData_InCell(group, std::move(context), flag, ignoreLog, notUsedLog, dScale));
    if (outline == nullptr)
        return;
    Add(outline.get());
    outline.release();
}
