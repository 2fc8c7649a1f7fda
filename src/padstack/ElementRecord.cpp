#include "padstack/ElementRecord.h"

#include "shapes/ExDrawObjArray.h"
#include "shapes/ShapeKeywords.h"

namespace ex {

CExDrawObj* MakeLevelShape(int nLevel, std::vector<std::string>& saSubRecord, const std::string& sContext, int nFlag,
                           CExTemporaryArray* pIgnoreLog, CExTemporaryArray* pNotUsedLog, double dScale)
{
    CutLines(saSubRecord, static_cast<std::size_t>(nLevel));
    return CExDrawObjArray::SetMakeDObj(nLevel, saSubRecord, sContext, nFlag, pIgnoreLog, pNotUsedLog, dScale);
}

void AddLevelShape(CExDrawObjArray& array, int nLevel, std::vector<std::string>& saSubRecord,
                   const std::string& sContext, int nFlag, CExTemporaryArray* pIgnoreLog,
                   CExTemporaryArray* pNotUsedLog, double dScale)
{
    if (CExDrawObj* pShape = MakeLevelShape(nLevel, saSubRecord, sContext, nFlag, pIgnoreLog, pNotUsedLog, dScale))
        array.Add(pShape);
}

bool AddShapeSubRecord(CExDrawObjArray& array, std::vector<std::string>& saSubRecord, const std::string& sContext,
                       int nFlag, CExTemporaryArray* pIgnoreLog, CExTemporaryArray* pNotUsedLog, double dScale)
{
    if (saSubRecord.empty() || !IsShapeLine(saSubRecord[0], 2))
        return false;
    AddLevelShape(array, 2, saSubRecord, sContext, nFlag, pIgnoreLog, pNotUsedLog, dScale);
    return true;
}

CExPt ReadOffset(std::string_view line, double dScale)
{
    std::string_view text = KeywordValueView(line);
    if (const std::size_t open = text.find('('); open != std::string_view::npos)
        text.remove_prefix(open + 1);
    text = TrimView(text);
    CExPt pt;
    const std::size_t comma = text.find(',');
    if (comma != std::string_view::npos) {
        pt.dX = Atof(text.substr(0, comma)) * dScale;
        text.remove_prefix(comma + 1);
    }
    if (const std::size_t close = text.find(')'); close != std::string_view::npos)
        pt.dY = Atof(text.substr(0, close)) * dScale;
    return pt;
}

} // namespace ex
