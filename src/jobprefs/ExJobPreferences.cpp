#include "jobprefs/ExJobPreferences.h"

CExJobPreferences::CExJobPreferences() : pIgnoreLog(new CExTemporaryArray), pNotUsedLog(new CExTemporaryArray) {}

CExJobPreferences::~CExJobPreferences()
{
    delete pIgnoreLog;
    delete pNotUsedLog;
}

void CExJobPreferences::SetData(std::vector<std::string>& saRecord) { saRecord.clear(); }
