#include "layout/ExPanel_Board_Instance.h"

#include "layout/RegionRecord.h"

namespace {

using Row = ex::RegionRow<CExPanel_Board_Instance>;
using ex::RegionEffect;

constexpr Row kInstanceRows[] = {
    {"..JOB_NAME", {RegionEffect::Value, &CExPanel_Board_Instance::sJobName}},
    {"..FACEMENT", {RegionEffect::QuotedValue, &CExPanel_Board_Instance::sFacement}},
    {"..INSTANCE_ORIGIN",
     {RegionEffect::DeeperPoints, nullptr, nullptr, &CExPanel_Board_Instance::ptsInstanceOrigin}},
    {"..LOCAL_PATH", {RegionEffect::Value, &CExPanel_Board_Instance::sLocalPath}},
    {"..ROTATION", {RegionEffect::Number, nullptr, &CExPanel_Board_Instance::dRotation}},
    {"..SOURCE_PATH", {RegionEffect::Value, &CExPanel_Board_Instance::sSourcePath}},
    {"..VARIANT_NAME", {RegionEffect::Value, &CExPanel_Board_Instance::sVariantName}},
    // Panel positions are written in the panel's own frame: no unit factor.
    {"..XY", {RegionEffect::LinePoints, nullptr, nullptr, &CExPanel_Board_Instance::ptsInstanceOrigin}},
};

} // namespace

CExPanel_Board_Instance::CExPanel_Board_Instance() : pShapeArray(new CExDrawObjArray) {}

CExPanel_Board_Instance::~CExPanel_Board_Instance() { delete pShapeArray; }

void CExPanel_Board_Instance::SetInstanceData(CExPanel_Board_Instance* pInstance, std::vector<std::string>& group,
                                              std::string context, int flag, CExTemporaryArray* ignoreLog,
                                              CExTemporaryArray* notUsedLog, double dScale)
{
    ex::SetRegionGroup(pInstance, kInstanceRows, ex::Quotes::Keep, group, std::move(context), flag, ignoreLog,
                       notUsedLog, dScale);
}

void CExPanel_Board_InstanceArray::SetPanel_Board_InstanceData(std::vector<std::string>& record, std::string context,
                                                               int flag, CExTemporaryArray* ignoreLog,
                                                               CExTemporaryArray* notUsedLog, double dScale)
{
    ex::SetRegionRecord<CExPanel_Board_Instance>(
        *this, record, &CExPanel_Board_Instance::sInstanceName,
        [&](CExPanel_Board_Instance* pInstance, std::vector<std::string>& group) {
            CExPanel_Board_Instance::SetInstanceData(pInstance, group, context, flag, ignoreLog, notUsedLog, dScale);
        });
}
