#include "cell/ExCell_Library.h"

CExCell_Library::CExCell_Library() : pIgnoreLog(new CExTemporaryArray), pNotUsedLog(new CExTemporaryArray) {}

CExCell_Library::~CExCell_Library()
{
    delete pIgnoreLog;
    delete pNotUsedLog;
}

void CExCell_Library::SetData(std::vector<std::string>& saRecord, std::string) { saRecord.clear(); }
