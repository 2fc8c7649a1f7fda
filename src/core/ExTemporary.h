#pragma once

#include <string>
#include <vector>

#include "core/ExPtrArray.h"

// One logged record: a record or sub-record that the model did not take.
class CExTemporary {
public:
    CExTemporary() = default;
    CExTemporary(const CExTemporary&) = delete;
    CExTemporary& operator=(const CExTemporary&) = delete;
    virtual ~CExTemporary();

    int nFlag = 0;
    std::string sContext;
    std::string sKeyword;                // first word of the first line, dots included
    std::string sValue;                  // rest of the first line, trimmed
    int nLevel = 0;                      // leading dots of the first line, 1 to 5
    std::vector<std::string> saLines;    // the other lines, as they were
};

EXLOAD_EXTERN_PTR_ARRAY(CExTemporary);

// A log. Entries keep the order in which they were logged.
class CExTemporaryArray : public CExPtrArray<CExTemporary*, CExTemporary*> {
public:
    ~CExTemporaryArray() override;

    // Both take the record away: it is empty on return. An empty record logs
    // nothing.
    void SetIgnoreArray(std::vector<std::string>& saRecord, std::string sContext, int nFlag);
    void SetNoUsedArray(std::vector<std::string>& saRecord, std::string sContext, int nFlag);

private:
    void Log(std::vector<std::string>& saRecord, std::string&& sContext, int nFlag);
};
