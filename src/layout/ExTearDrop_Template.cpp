#include "layout/ExTearDrop_Template.h"

#include <iterator>
#include <memory>

#include "core/GroupTable.h"
#include "core/Grouping.h"
#include "core/StringOps.h"

namespace {

using T = CExTearDrop_Template;

constexpr auto kTemplateRows = ex::MakeTable<T>({
    {"..EXCLUDE_FIXED_LOCKED_TRACES", ex::StoreValue<&T::sExcludeFixedLockedTraces>},
    {"..EXCLUDE_RECTANGLE_PADS", ex::StoreValue<&T::sExcludeRectanglePads>},
    {"...EXCLUDE_SMD_PADS", ex::StoreValue<&T::sExcludeSmdPads>},
    {"..MAX_MVO_TO_MVO", ex::StoreLength<&T::dMaxMvoToMvo>},
    {"..MAX_MVO_TO_PAD", ex::StoreLength<&T::dMaxMvoToPad>},
    {"..MAX_MVO_TO_VIA", ex::StoreLength<&T::dMaxMvoToVia>},
    {"..MAX_PAD_TO_VIA", ex::StoreLength<&T::dMaxPadToVia>},
    {"..PREFERRED", ex::StoreLength<&T::dPreferred>},
    {"..RATIO", ex::StoreNumber<&T::dRatio>},
    {"..SECONDARY", ex::StoreLength<&T::dSecondary>},
});

} // namespace

CExTearDrop_Template::~CExTearDrop_Template() = default;

EXLOAD_INSTANTIATE_PTR_ARRAY(CExTearDrop_Template);

CExTearDrop_TemplateArray::~CExTearDrop_TemplateArray() { DeleteAll(); }

void CExTearDrop_Template::SetTemplateData(CExTearDrop_Template* pTemplate, std::vector<std::string>& group,
                                           std::string context, int flag, CExTemporaryArray* ignoreLog,
                                           CExTemporaryArray* notUsedLog, double dScale)
{
    ex::ParseGroup(kTemplateRows, pTemplate, group, {context, flag, ignoreLog, notUsedLog, dScale});
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
