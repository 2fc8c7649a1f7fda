#include "layout/ExVia.h"

#include "core/GroupTable.h"
#include "jobprefs/ExLayerPair.h"
#include "layout/ExTearDrop_Data.h"

namespace {

// ".LAYER_PAIR from to". A value of one word is the to-layer.
void SetLayerPair(CExVia& via, ex::Group& group, const ex::ParseContext&)
{
    const std::string_view line = ex::TrimView(group[0]);
    CExLayerPair& pair = *via.pLayerPair;
    if (line.find(' ') == std::string_view::npos) {
        // A bare keyword: its empty value fills the from-layer first.
        if (!pair.sFromLayer.empty())
            pair.sToLayer.clear();
        return;
    }
    const std::string value = ex::KeywordValue(line);
    const int blank = ex::Find(value, ' ');
    pair.sFromLayer = ex::Left(value, blank);
    pair.sToLayer = std::string(ex::TrimView(std::string_view(value).substr(static_cast<std::size_t>(blank + 1))));
}

void AddTearDrop(CExVia& via, ex::Group& group, const ex::ParseContext&)
{
    via.pTearDropDataArray->AddFromGroup(group);
}

constexpr auto kViaRows = ex::MakeTable<CExVia>({
    {".NETNAME", ex::StoreValue<&CExVia::sNetName>},
    {".PID", nullptr},
    {".ADVANCED_LAYER_INFO", nullptr},
    {".BREAKOUT_DATA", nullptr},
    {".LAYER_PAIR", SetLayerPair},
    {".PADSTACK", ex::StoreValue<&CExVia::sPadstackName>},
    {".TEXT", nullptr},
    {".TEARDROP_DATA", AddTearDrop},
    {".UNDERSIDE_SPACE", nullptr},
    {".VIA_OPTIONS", ex::AppendValue<&CExVia::saViaOptions>},
    {".XY", ex::StorePosition<&CExVia::ptsPosition>},
});

} // namespace

CExVia::CExVia()
    : CExRouteObj(ex::kViaType), pLayerPair(new CExLayerPair), pTearDropDataArray(new CExTearDrop_DataArray)
{
}

CExVia::~CExVia()
{
    delete pLayerPair;
    delete pTearDropDataArray;
}

void CExVia::SetViaData(CExVia* pVia, std::vector<std::string>& group, const std::string& context, int flag,
                        CExTemporaryArray* ignoreLog, CExTemporaryArray* notUsedLog, double dScale)
{
    ex::ParseGroup(kViaRows, pVia, group, {context, flag, ignoreLog, notUsedLog, dScale});
}
