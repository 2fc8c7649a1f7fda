#pragma once

#include "cell/CellArray.h"
#include "cell/PackageCellMembers.h"

// A reusable circuit: a package cell's content without dimensions.
class CExReUseCircuit_Cell : public ex::PackageCellMembers {};

class CExReUseCircuit_CellArray : public ex::CellArray<CExReUseCircuit_Cell> {};
