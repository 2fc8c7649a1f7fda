#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

class CExDrawObj;

namespace ex {

// The shape keywords ("ROUND", "POLYLINE_PATH", ...), held once for every
// parser that meets shapes at any keyword level.
constexpr int kShapeKeywordCount = 25;
constexpr int kDimensionDataKeyword = 5;  // index of "DIMENSION_DATA"

// Index (0..24) of the shape keyword that the trimmed line begins with after
// exactly nDots dots, case-insensitively; -1 when none. "..ROUND" does not
// match at three dots, nor "...ROUND" at two. Graphic records pass
// bWithDimensionData = false: "DIMENSION_DATA" is then no shape keyword.
int MatchShapeKeyword(std::string_view line, int nDots, bool bWithDimensionData = true);

inline bool IsShapeLine(std::string_view line, int nDots, bool bWithDimensionData = true)
{
    return MatchShapeKeyword(line, nDots, bWithDimensionData) >= 0;
}

std::string_view ShapeKeyword(int index);  // "" for a bad index

// Makes the shape of keyword `index` and fills it from the parameter lines
// params[first..] (one leading dot each); params is empty afterwards, also
// when the index is bad and null is returned.
CExDrawObj* NewShape(int index, std::vector<std::string>& params, std::size_t first, double dScale);

} // namespace ex
