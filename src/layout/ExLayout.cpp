#include "layout/ExLayout.h"

CExLayout::CExLayout() : pIgnoreLog(new CExTemporaryArray), pNotUsedLog(new CExTemporaryArray) {}

CExLayout::~CExLayout()
{
    delete pIgnoreLog;
    delete pNotUsedLog;
}

void CExLayout::SetData(std::vector<std::string>& saRecord, std::string, int) { saRecord.clear(); }
