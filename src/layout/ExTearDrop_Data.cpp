#include "layout/ExTearDrop_Data.h"

#include <memory>
#include <string_view>

#include "core/StringOps.h"

CExTearDrop_Data::~CExTearDrop_Data() = default;

EXLOAD_INSTANTIATE_PTR_ARRAY(CExTearDrop_Data);

CExTearDrop_DataArray::~CExTearDrop_DataArray() { DeleteAll(); }

void CExTearDrop_DataArray::AddFromGroup(std::vector<std::string>& group)
{
    if (group.empty())
        return;
    auto owned = std::make_unique<CExTearDrop_Data>();
    Add(owned.get());
    CExTearDrop_Data* data = owned.release();
    // Whatever their order and depth.
    for (std::size_t i = 1; i < group.size(); ++i) {
        const std::string_view line = ex::TrimView(group[i]);
        if (ex::ContainsNoCase(line, ".TEARDROP_TEMPLATE_ID"))
            data->nTemplateId = ex::Atoi(ex::KeywordValue(line));
        else if (ex::ContainsNoCase(line, ".ROUTE_LYR"))
            data->sRouteLayer = ex::KeywordValue(line);
    }
    group.clear();
}
