#pragma once

#include <string>
#include <vector>

#include "netclass/NetArray.h"

// The properties of one net: keywords and values in parallel arrays.
class CExNetProp {
public:
    CExNetProp() = default;
    CExNetProp(const CExNetProp&) = delete;
    CExNetProp& operator=(const CExNetProp&) = delete;
    virtual ~CExNetProp();

    std::string sNetName;  // upper case
    std::vector<std::string> saPropNames;
    std::vector<std::string> saPropValues;
};

EXLOAD_EXTERN_PTR_ARRAY(CExNetProp);

// Does not delete its elements: the design root does.
class CExNetPropArray : public ex::NetArray<CExNetProp> {
public:
    ~CExNetPropArray() override;

    // A ".NETNAME" record: appends one net's properties; any other record is
    // dropped. Empties the record.
    void SetData(std::vector<std::string>& saRecord);

    // The first net whose stored name is sNetName (case-sensitive), or null.
    CExNetProp* GetNetProp(std::string sNetName) const;
};
