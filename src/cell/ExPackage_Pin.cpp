#include "cell/ExPackage_Pin.h"

#include <memory>
#include <string_view>

#include "core/GroupTable.h"
#include "core/Grouping.h"
#include "core/StringOps.h"
#include "layout/ExTearDrop_Data.h"
#include "layout/ExText.h"
#include "layout/TextActions.h"

namespace {

using Pin = CExPackage_Pin;

// Lines under "...PADSTACK"; a row without an action skips its line.
constexpr auto kPadstackFields = ex::MakeTable<Pin>({
    {"....IS_MODIFIED_PADSTACK", ex::StoreValue<&Pin::sIsModifiedPadstack>},
    {".....MIRRORED_PADSTACK_PID", nullptr},
    {".....PADSTACK_PID", nullptr},
    {".....PAD_LYR", ex::AppendValue<&Pin::saPadLyr>},
    {"....PAD_NAME", ex::AppendValue<&Pin::saPadName>},
    {"....PADSTACK_PID", nullptr},
    {"....USER_PAD_NAME", ex::AppendValue<&Pin::saUserPadName>},
    {"...USER_LYR", ex::AppendValue<&Pin::saUserLyr>},
});

// The lines after "...PADSTACK", in order, until one that is not known: that
// one and every line after it make one not-used entry.
void SetPadstack(Pin& pin, ex::Group& group, const ex::ParseContext& ctx)
{
    pin.sPadstackName = ex::KeywordValue(ex::TrimView(group[0]));
    const std::size_t stop =
        ex::ParseEachLine(kPadstackFields, pin, group, 1, ctx, [](std::string&, std::size_t) { return false; });
    if (stop < group.size()) {
        group.erase(group.begin(), group.begin() + static_cast<std::ptrdiff_t>(stop));
        ctx.LogNotUsed(group);
    }
}

// "...PADSTACK" is a prefix test: every level-3 keyword that begins with it
// is a padstack line.
constexpr auto kPinRows = ex::MakeTable<Pin>({
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
});

} // namespace

CExPackage_Pin::CExPackage_Pin() : pTextArray(new CExTextArray), pTearDropDataArray(new CExTearDrop_DataArray) {}

CExPackage_Pin::~CExPackage_Pin()
{
    delete pTextArray;
    delete pTearDropDataArray;
}

EXLOAD_INSTANTIATE_PTR_ARRAY(CExPackage_Pin);

CExPackage_PinArray::~CExPackage_PinArray() { DeleteAll(); }

void CExPackage_PinArray::SetPinData_InCell(std::vector<std::string>& group, std::string context, int flag,
                                            CExTemporaryArray* ignoreLog, CExTemporaryArray* notUsedLog,
                                            double dScale)
{
    const ex::ParseContext ctx{context, flag, ignoreLog, notUsedLog, dScale};
    ex::AddNamedRecord(*this, group, &Pin::sPinNumber, ex::GroupRule{3},
                       [&](Pin& pin, ex::Group& sub) { ex::ParseGroup(kPinRows, pin, sub, ctx); });
}
