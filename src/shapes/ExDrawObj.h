#pragma once

#include <string>
#include <string_view>

#include "core/ObjectPool.h"
#include "expedition_fwd.h"

// Base of the 22 shape classes (one header each in this folder). Their
// SetData all run the one parameter parser of ShapeParams.cpp over a
// per-class table. Shapes are never copied.
class CExDrawObj {
public:
    EXLOAD_POOLED_OBJECT
    CExDrawObj() = default;
    CExDrawObj(const CExDrawObj&) = delete;
    CExDrawObj& operator=(const CExDrawObj&) = delete;
    virtual ~CExDrawObj();

    std::string sSide;       // only SetDObjData_Assembly writes it
    std::string sShapeType;

protected:
    explicit CExDrawObj(std::string_view sType) : sShapeType(sType) {}
};

// For holders of a single shape; null is allowed.
void DeleteDrawObj(CExDrawObj* pDrawObj);
