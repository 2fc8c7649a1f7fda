#include "layout/ExPanel_Board_Instance.h"

#include <string>
#include <string_view>

#include "layout/RegionRecord.h"

namespace {

using I = CExPanel_Board_Instance;

// The group's "...XY" lines, scaled.
void AddOriginPoints(I& instance, ex::Group& group, const ex::ParseContext& ctx)
{
    for (const std::string& member : group) {
        const std::string_view point = ex::TrimView(member);
        if (ex::StartsWithNoCase(point, "...XY"))
            instance.ptsInstanceOrigin.SetPtDatas(std::string(ex::TrimView(point.substr(5))), ctx.dScale);
    }
}

constexpr auto kInstanceRows = ex::MakeTable<I>({
    {"..JOB_NAME", ex::StoreValue<&I::sJobName>},
    {"..FACEMENT", ex::StoreValue<&I::sFacement, ex::Quotes::Keep>},
    {"..INSTANCE_ORIGIN", AddOriginPoints},
    {"..LOCAL_PATH", ex::StoreValue<&I::sLocalPath>},
    {"..ROTATION", ex::StoreNumber<&I::dRotation, ex::Quotes::Keep>},
    {"..SOURCE_PATH", ex::StoreValue<&I::sSourcePath>},
    {"..VARIANT_NAME", ex::StoreValue<&I::sVariantName>},
    // Panel positions are written in the panel's own frame: no unit factor.
    {"..XY", ex::AddPoints<&I::ptsInstanceOrigin, ex::Unit::AsWritten, 4>},
    {ex::kAnyShape, ex::AddShapes<&I::pShapeArray, 2>},
});

} // namespace

CExPanel_Board_Instance::CExPanel_Board_Instance() : pShapeArray(new CExDrawObjArray) {}

CExPanel_Board_Instance::~CExPanel_Board_Instance() { delete pShapeArray; }

EXLOAD_INSTANTIATE_PTR_ARRAY(CExPanel_Board_Instance);

CExPanel_Board_InstanceArray::~CExPanel_Board_InstanceArray() { DeleteAll(); }

void CExPanel_Board_Instance::SetInstanceData(CExPanel_Board_Instance* pInstance, std::vector<std::string>& group,
                                              std::string context, int flag, CExTemporaryArray* ignoreLog,
                                              CExTemporaryArray* notUsedLog, double dScale)
{
    ex::ParseGroup(kInstanceRows, pInstance, group, {context, flag, ignoreLog, notUsedLog, dScale}, ex::kRegionGroups);
}

void CExPanel_Board_InstanceArray::SetPanel_Board_InstanceData(std::vector<std::string>& record, std::string context,
                                                               int flag, CExTemporaryArray* ignoreLog,
                                                               CExTemporaryArray* notUsedLog, double dScale)
{
    ex::AddNamedRecord(*this, record, &I::sInstanceName, ex::kRegionRule, [&](I& instance, ex::Group& group) {
        CExPanel_Board_Instance::SetInstanceData(&instance, group, context, flag, ignoreLog, notUsedLog, dScale);
    });
}
