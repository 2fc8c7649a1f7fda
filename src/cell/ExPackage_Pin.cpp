#include "cell/ExPackage_Pin.h"

#include <memory>
#include <string_view>

#include "core/GroupTable.h"
#include "layout/TextActions.h"
#include "core/Grouping.h"
#include "core/KeywordTable.h"
#include "core/StringOps.h"
#include "layout/ExTearDrop_Data.h"
#include "layout/ExText.h"

namespace {

using Pin = CExPackage_Pin;

void SetPadstack(Pin& pin, ex::Group& group, const ex::ParseContext& ctx);

// "...PADSTACK" is a prefix test: every level-3 keyword that begins with it
// is a padstack line.
constexpr ex::GroupRow<Pin> kPinRows[] = {
    {"...NETNAME", ex::StoreValue<&Pin::sNetName>},
    {"...BREAKOUT_DATA", nullptr},
    {"...DIMENSION_DATA", nullptr},
    {"...PID", nullptr},
    {"...TEARDROP_DATA", [](Pin& pin, ex::Group& group, const ex::ParseContext&) {
         pin.pTearDropDataArray->AddFromGroup(group);
     }},
    {"...PADSTACK", SetPadstack},
    {"...PIN_OPTIONS", ex::AppendValue<&Pin::saPinOptions>},
    {"...ROTATION", ex::StoreNumber<&Pin::dRotation>},
    {"...TEXT", ex::AddText<&Pin::pTextArray, 3>},
    {"...XY", ex::AddPoints<&Pin::aXY, ex::Unit::Scaled, 5>},
};

// Lines under "...PADSTACK": a value member, a list member, or neither (skipped).
struct PadstackField {
    std::string CExPackage_Pin::*pValue = nullptr;
    std::vector<std::string> CExPackage_Pin::*pList = nullptr;
};

constexpr ex::KeywordRow<PadstackField> kPadstackFields[] = {
    {"....IS_MODIFIED_PADSTACK", {&CExPackage_Pin::sIsModifiedPadstack}},
    {".....MIRRORED_PADSTACK_PID", {}},
    {".....PADSTACK_PID", {}},
    {".....PAD_LYR", {nullptr, &CExPackage_Pin::saPadLyr}},
    {"....PAD_NAME", {nullptr, &CExPackage_Pin::saPadName}},
    {"....PADSTACK_PID", {}},
    {"....USER_PAD_NAME", {nullptr, &CExPackage_Pin::saUserPadName}},
    {"...USER_LYR", {nullptr, &CExPackage_Pin::saUserLyr}},
};

// The lines after "...PADSTACK", in order, until one that is not known: that
// one and every line after it make one not-used entry.
void SetPadstack(Pin& pin, ex::Group& group, const ex::ParseContext& ctx)
{
    pin.sPadstackName = ex::KeywordValue(ex::TrimView(group[0]));
    for (std::size_t i = 1; i < group.size(); ++i) {
        const std::string_view line = ex::TrimView(group[i]);
        const auto* row = ex::MatchKeyword(kPadstackFields, line);
        if (row == nullptr) {
            group.erase(group.begin(), group.begin() + static_cast<std::ptrdiff_t>(i));
            ctx.LogNotUsed(group);
            return;
        }
        if (row->action.pValue != nullptr)
            pin.*row->action.pValue = ex::KeywordValue(line);
        else if (row->action.pList != nullptr)
            (pin.*row->action.pList).push_back(ex::KeywordValue(line));
    }
}

} // namespace

CExPackage_Pin::CExPackage_Pin() : pTextArray(new CExTextArray), pTearDropDataArray(new CExTearDrop_DataArray) {}

CExPackage_Pin::~CExPackage_Pin()
{
    delete pTextArray;
    delete pTearDropDataArray;
}

EXLOAD_INSTANTIATE_PTR_ARRAY(CExPackage_Pin);

CExPackage_PinArray::~CExPackage_PinArray() { DeleteAll(); }

void CExPackage_Pin::SetPinPropertyData(std::vector<std::string>& group, const std::string& context, int flag,
                                        CExTemporaryArray* ignoreLog, CExTemporaryArray* notUsedLog, double dScale)
{
    ex::ParseGroup(kPinRows, this, group, context, flag, ignoreLog, notUsedLog, dScale);
}

void CExPackage_PinArray::SetPinData_InCell(std::vector<std::string>& group, std::string context, int flag,
                                            CExTemporaryArray* ignoreLog, CExTemporaryArray* notUsedLog,
                                            double dScale)
{
    if (group.empty())
        return;
    auto pin = std::make_unique<CExPackage_Pin>();
    pin->sPinNumber = ex::KeywordValue(ex::TrimView(group[0]));
    ex::GroupLines(group, 1, ex::GroupRule{3}, [&](std::vector<std::string>& sub) {
        pin->SetPinPropertyData(sub, context, flag, ignoreLog, notUsedLog, dScale);
    });
    Add(pin.get());
    pin.release();
}
