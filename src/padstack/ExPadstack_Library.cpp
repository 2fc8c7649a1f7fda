#include "padstack/ExPadstack_Library.h"

CExPadstack_Library::CExPadstack_Library() : pIgnoreLog(new CExTemporaryArray), pNotUsedLog(new CExTemporaryArray) {}

CExPadstack_Library::~CExPadstack_Library()
{
    delete pIgnoreLog;
    delete pNotUsedLog;
}

void CExPadstack_Library::SetData(std::vector<std::string>& saRecord, std::string) { saRecord.clear(); }
