#pragma once

#include <cstddef>
#include <string>
#include <vector>

class CExDrawObj;

namespace ex {

// Makes a shape of class T and fills it from the parameter lines
// params[first..], as T::SetData would from a record holding only those
// lines; params is empty afterwards. Lets the shape keyword line stay in
// place instead of shifting every parameter line up by one. Defined for the
// 22 shape classes in ShapeParams.cpp.
template <class T>
CExDrawObj* MakeShape(std::vector<std::string>& params, std::size_t first, double dScale);

} // namespace ex
