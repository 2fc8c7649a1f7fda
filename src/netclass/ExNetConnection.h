#pragma once

#include <string>
#include <vector>

#include "expedition_fwd.h"
#include "netclass/NetArray.h"

// A net connection. No record of the files fills one.
class CExNetConnection {
public:
    CExNetConnection();
    // A copy shares the pin array with its source: only one of the two may be
    // destroyed.
    CExNetConnection(const CExNetConnection& other);
    CExNetConnection& operator=(const CExNetConnection& other);
    virtual ~CExNetConnection();

    CExRefPinArray* pRefPinArray;
    std::string sName;
};

EXLOAD_EXTERN_PTR_ARRAY(CExNetConnection);

// Does not delete its elements: the design root does.
class CExNetConnectionArray : public ex::NetArray<CExNetConnection> {
public:
    ~CExNetConnectionArray() override;

    // Only logs: header and section records to the ignore log, the rest to
    // the not-used log. Empties the record.
    void SetData(std::vector<std::string>& saRecord);
};
