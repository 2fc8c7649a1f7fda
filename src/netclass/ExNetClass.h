#pragma once

#include <string>
#include <vector>

#include "netclass/NetArray.h"

// A net class: its name and the text of its net names line.
class CExNetClass {
public:
    CExNetClass() = default;
    CExNetClass(const CExNetClass&) = default;
    CExNetClass& operator=(const CExNetClass&) = default;
    virtual ~CExNetClass();

    std::string sName;
    std::string sNetNames;
};

EXLOAD_EXTERN_PTR_ARRAY(CExNetClass);

// Does not delete its elements: the design root does.
class CExNetClassArray : public ex::NetArray<CExNetClass> {
public:
    ~CExNetClassArray() override;

    // A ".NETCLASS" line and its net names line, possibly after one or two
    // lines of a pending record; appends at most one class, empties the record.
    void SetData(std::vector<std::string>& saRecord);

    // Moves every class whose net names text is exactly sNetNames into a new
    // array and returns it. The caller owns that array and the classes in it.
    CExNetClassArray* GetNetClass(std::string sNetNames);
};
