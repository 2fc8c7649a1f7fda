#pragma once

#include <string>
#include <vector>

#include "core/Event.h"
#include "core/Window.h"
#include "loader/FileReadReport.h"

class CExExpedition;

// Process-wide state shared by every loader.
extern std::string g_sUnits;               // first ".UNITS" of the job preferences file
extern std::string g_sPadstackTechnology;  // first ".PADSTACK_TECHNOLOGY" of it
extern ex::CEvent g_evWorkerDone;          // set by a file worker at the end of its file

// The loader a host drives: give it paths, a design root and optionally six
// progress bars, then call one parse operation on the user-interface thread.
class CPC_Corvane_Get {
public:
    CPC_Corvane_Get();
    CPC_Corvane_Get(const CPC_Corvane_Get&) = delete;
    CPC_Corvane_Get& operator=(const CPC_Corvane_Get&) = delete;
    virtual ~CPC_Corvane_Get();

    void vSetMExpeditionFilePath(std::string sJobPref, std::string sCellLib, std::string sLayout,
                                 std::string sPadstackLib, std::string sNetClass, std::string sPartsDb);
    void vSetMExpeditionLibFilePath(std::string sJobPref, const std::vector<std::string>& saCellLibs,
                                    std::string sLayout, const std::vector<std::string>& saPadstackLibs,
                                    std::string sNetClass, std::string sPartsDb);
    void vSetProgressPtr(CProgressCtrl* pJobPref, CProgressCtrl* pCellLib, CProgressCtrl* pLayout,
                         CProgressCtrl* pPadstackLib, CProgressCtrl* pNetClass, CProgressCtrl* pPartsDb);
    void vSetExpedition(CExExpedition* p) { pExpedition = p; }
    CExExpedition* pGetExpedition() const { return pExpedition; }
    void SetRemoveNet(int b) { bRemoveNet = b; }
    std::string sGetErrorMsg() const { return sErrorMsg; }

    // The file's line total: lines plus one, 0 when it cannot be opened.
    // With flag 1 it also captures the two header values.
    int nGetFileLineCount(std::string sPath, int nFlag);

    // 1 loaded; 0 when one of the four required paths is missing (or no
    // design root was given).
    int ParseExpeditionOfMFC();
    // Always 1.
    int ParseXpeditionLib();

    // What the last parse's workers did with each file they were given, by
    // slot, the files of a list in list order: whether it opened, how much of
    // it was read and why reading stopped early. The results above stay as
    // they are; a host that must know the tree holds every line asks here.
    const std::vector<ex::FileReadReport>& GetReadReports() const { return m_readReports; }

    CProgressCtrl* pJobPrefProgress = nullptr;
    CProgressCtrl* pCellLibProgress = nullptr;
    CProgressCtrl* pLayoutProgress = nullptr;
    CProgressCtrl* pPadstackLibProgress = nullptr;
    CProgressCtrl* pNetClassProgress = nullptr;
    CProgressCtrl* pPartsDbProgress = nullptr;
    std::string sErrorMsg;
    std::string sJobPrefFilePath;
    std::string sCellLibFilePath;
    std::string sLayoutFilePath;
    std::string sPadstackLibFilePath;
    std::string sNetClassFilePath;
    std::string sPartsDbFilePath;
    std::vector<std::string> saCellLibFilePaths;
    std::vector<std::string> saPadstackLibFilePaths;
    int bRemoveNet = 0;
    CExExpedition* pExpedition = nullptr;

private:
    int Parse(bool bLibrary);

    std::vector<ex::FileReadReport> m_readReports;
};
