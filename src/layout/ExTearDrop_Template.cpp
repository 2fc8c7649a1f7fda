#include "layout/ExTearDrop_Template.h"

#include <iterator>
#include <memory>
#include <string_view>

#include "core/ExTemporary.h"
#include "core/Grouping.h"
#include "core/KeywordTable.h"
#include "core/StringOps.h"

namespace {

// A parameter fills either a string or a number, scaled or not.
struct TemplateField {
    std::string CExTearDrop_Template::*pString = nullptr;
    double CExTearDrop_Template::*pNumber = nullptr;
    bool bScaled = true;
};

using TemplateRow = ex::KeywordRow<TemplateField>;

constexpr TemplateRow kTemplateRows[] = {
    {"..EXCLUDE_FIXED_LOCKED_TRACES", {&CExTearDrop_Template::sExcludeFixedLockedTraces}},
    {"..EXCLUDE_RECTANGLE_PADS", {&CExTearDrop_Template::sExcludeRectanglePads}},
    {"...EXCLUDE_SMD_PADS", {&CExTearDrop_Template::sExcludeSmdPads}},
    {"..MAX_MVO_TO_MVO", {nullptr, &CExTearDrop_Template::dMaxMvoToMvo}},
    {"..MAX_MVO_TO_PAD", {nullptr, &CExTearDrop_Template::dMaxMvoToPad}},
    {"..MAX_MVO_TO_VIA", {nullptr, &CExTearDrop_Template::dMaxMvoToVia}},
    {"..MAX_PAD_TO_VIA", {nullptr, &CExTearDrop_Template::dMaxPadToVia}},
    {"..PREFERRED", {nullptr, &CExTearDrop_Template::dPreferred}},
    {"..RATIO", {nullptr, &CExTearDrop_Template::dRatio, false}},
    {"..SECONDARY", {nullptr, &CExTearDrop_Template::dSecondary}},
};

} // namespace

CExTearDrop_Template::~CExTearDrop_Template() = default;

EXLOAD_INSTANTIATE_PTR_ARRAY(CExTearDrop_Template);

CExTearDrop_TemplateArray::~CExTearDrop_TemplateArray() { DeleteAll(); }

void CExTearDrop_Template::SetTemplateData(CExTearDrop_Template* pTemplate, std::vector<std::string>& group,
                                           std::string context, int flag, CExTemporaryArray* /*ignoreLog*/,
                                           CExTemporaryArray* notUsedLog, double dScale)
{
    if (group.empty() || pTemplate == nullptr) {
        group.clear();
        return;
    }
    const std::string_view line = ex::TrimView(group[0]);
    const TemplateRow* row = ex::MatchKeyword(kTemplateRows, line);
    if (row == nullptr) {
        if (notUsedLog != nullptr)
            notUsedLog->SetNoUsedArray(group, std::move(context), flag);
    } else if (row->action.pString != nullptr) {
        pTemplate->*row->action.pString = ex::KeywordValue(line);
    } else {
        pTemplate->*row->action.pNumber = ex::Atof(ex::KeywordValue(line)) * (row->action.bScaled ? dScale : 1.0);
    }
    group.clear();
}

void CExTearDrop_TemplateArray::SetTearDrop_Templte(std::vector<std::string>& record, std::string context, int flag,
                                                    CExTemporaryArray* ignoreLog, CExTemporaryArray* notUsedLog,
                                                    double dScale)
{
    if (record.empty())
        return;
    auto owned = std::make_unique<CExTearDrop_Template>();
    CExTearDrop_Template* pTemplate = owned.get();
    pTemplate->nTemplateId = ex::Atoi(ex::KeywordValue(ex::TrimView(record[0])));

    const auto parse = [&](std::vector<std::string>& group) {
        CExTearDrop_Template::SetTemplateData(pTemplate, group, context, flag, ignoreLog, notUsedLog, dScale);
    };
    // The parameters are written at level 2, except the SMD pad exclusion,
    // which sits at level 3 below the rectangle pad exclusion. So every line
    // at level 2 and every line at level 3 is a group of its own, with the
    // deeper lines that follow it: the level-2 line first, then the level-3
    // groups cut from what followed it.
    ex::GroupLines(record, 1, ex::GroupRule{2, 0, false}, [&](std::vector<std::string>& group) {
        std::vector<std::string> deeper(std::make_move_iterator(group.begin() + 1),
                                        std::make_move_iterator(group.end()));
        group.resize(1);
        parse(group);
        ex::GroupLines(deeper, 0, ex::GroupRule{3, 0, false}, parse);
    });

    Add(pTemplate);
    owned.release();
    record.clear();
}
