#include "cell/ExPackage_Pin.h"

#include <iterator>
#include <memory>
#include <string_view>

#include "cell/CellGroups.h"
#include "core/Grouping.h"
#include "core/KeywordTable.h"
#include "core/StringOps.h"

namespace {

enum class PinField { NetName, Discard, TearDrop, Padstack, PinOption, Rotation, Text, XY };

// "...PADSTACK" is a prefix test: every level-3 keyword that begins with it
// is a padstack line.
constexpr ex::KeywordRow<PinField> kPinFields[] = {
    {"...NETNAME", PinField::NetName},       {"...BREAKOUT_DATA", PinField::Discard},
    {"...DIMENSION_DATA", PinField::Discard}, {"...PID", PinField::Discard},
    {"...TEARDROP_DATA", PinField::TearDrop}, {"...PADSTACK", PinField::Padstack},
    {"...PIN_OPTIONS", PinField::PinOption},  {"...ROTATION", PinField::Rotation},
    {"...TEXT", PinField::Text},             {"...XY", PinField::XY},
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

constexpr std::size_t kXYLength = 5;  // "...XY"

} // namespace

CExPackage_Pin::CExPackage_Pin() : pTextArray(new CExTextArray), pTearDropDataArray(new CExTearDrop_DataArray) {}

CExPackage_Pin::~CExPackage_Pin()
{
    delete pTextArray;
    delete pTearDropDataArray;
}

void CExPackage_Pin::SetPinPropertyData(std::vector<std::string>& group, const std::string& context, int flag,
                                        CExTemporaryArray* ignoreLog, CExTemporaryArray* notUsedLog, double dScale)
{
    if (group.empty())
        return;
    const std::string_view head = ex::TrimView(group[0]);
    const auto* row = ex::MatchKeyword(kPinFields, head);
    if (row != nullptr) {
        switch (row->action) {
        case PinField::NetName:
            sNetName = ex::KeywordValue(head);
            break;
        case PinField::Discard:
            break;
        case PinField::TearDrop:
            pTearDropDataArray->AddFromGroup(group);
            break;
        case PinField::Padstack:
            sPadstackName = ex::KeywordValue(head);
            SetPadstackData(group, context, flag, notUsedLog);
            break;
        case PinField::PinOption:
            saPinOptions.push_back(ex::KeywordValue(head));
            break;
        case PinField::Rotation:
            dRotation = ex::Atof(ex::KeywordValue(head));
            break;
        case PinField::Text:
            pTextArray->SetTextData(3, group, context, flag, ignoreLog, notUsedLog, dScale);
            break;
        case PinField::XY:
            aXY.SetPtDatas(std::string(ex::TrimView(head.substr(kXYLength))), dScale);
            break;
        }
    }
    ex::CloseGroup(row != nullptr, group, context, flag, notUsedLog);
}

// The lines after "...PADSTACK", in order, until one that is not known: that
// one and every line after it make one not-used entry.
void CExPackage_Pin::SetPadstackData(std::vector<std::string>& group, const std::string& context, int flag,
                                     CExTemporaryArray* notUsedLog)
{
    for (std::size_t i = 1; i < group.size(); ++i) {
        const std::string_view line = ex::TrimView(group[i]);
        const auto* row = ex::MatchKeyword(kPadstackFields, line);
        if (row == nullptr) {
            std::vector<std::string> rest(std::make_move_iterator(group.begin() + static_cast<std::ptrdiff_t>(i)),
                                          std::make_move_iterator(group.end()));
            if (notUsedLog != nullptr)
                notUsedLog->SetNoUsedArray(rest, context, flag);
            break;
        }
        if (row->action.pValue != nullptr)
            this->*row->action.pValue = ex::KeywordValue(line);
        else if (row->action.pList != nullptr)
            (this->*row->action.pList).push_back(ex::KeywordValue(line));
    }
    group.clear();
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
