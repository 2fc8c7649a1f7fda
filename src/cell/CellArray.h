#pragma once

// What the arrays of the five cell kinds share: the operations that parse a
// cell record and look a cell up by name.

#include <string>
#include <vector>

#include "core/ExPtrArray.h"
#include "expedition_fwd.h"

namespace ex {

// Owns its cells, in file order; cells of the same name are all kept.
// Instantiated for the five cell classes only.
template <class Cell>
class CellArray : public CExPtrArray<Cell*, Cell*> {
public:
    ~CellArray() override;

    // One new cell from a whole cell record, its keyword line first;
    // appended, and the record emptied. cellUnits is not read.
    void SetData(std::vector<std::string>& record, std::string cellUnits, CExTemporaryArray* ignoreLog,
                 CExTemporaryArray* notUsedLog, double dScale);
    // 1 when a cell has exactly this name, else 0.
    int IsExist(std::string name) const;

protected:
    Cell* FindCell(const std::string& name) const;
};

// Compiled once, in CellArray.cpp.
extern template class CellArray<CExPackage_Cell>;
extern template class CellArray<CExReUseCircuit_Cell>;
extern template class CellArray<CExPanel_Cell>;
extern template class CellArray<CExMechanical_Cell>;
extern template class CellArray<CExDrawing_Cell>;

} // namespace ex
