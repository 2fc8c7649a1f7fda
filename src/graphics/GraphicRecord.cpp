#include "graphics/GraphicRecord.h"

#include <algorithm>
#include <utility>

namespace ex {

void LogNotUsed(std::vector<std::string>& sub, const SubRecordArgs& args)
{
    if (args.pNotUsedLog != nullptr)
        args.pNotUsedLog->SetNoUsedArray(sub, args.sContext, args.nFlag);
    sub.clear();
}

void AddPoints(CExPtArray& pts, std::string_view head, double dScale)
{
    // The keyword ".XY" is three characters long whatever follows it.
    head.remove_prefix(std::min<std::size_t>(3, head.size()));
    pts.SetPtDatas(std::string(TrimView(head)), dScale);
}

void SetLayerPairValue(CExLayerPair& pair, std::string sValue)
{
    (pair.sFromLayer.empty() ? pair.sFromLayer : pair.sToLayer) = std::move(sValue);
}

void ReplaceShape(CExDrawObj*& pDrawObj, std::vector<std::string>& sub, const SubRecordArgs& args)
{
    // The shape reader wants its keyword without dots, its parameters at one.
    CutLines(sub, 1);
    CExDrawObj* shape = CExDrawObjArray::SetMakeDObj(1, sub, args.sContext, args.nFlag, args.pIgnoreLog,
                                                     args.pNotUsedLog, args.dScale);
    if (shape == nullptr)
        return;
    delete pDrawObj;
    pDrawObj = shape;
}

} // namespace ex
