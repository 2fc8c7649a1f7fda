#pragma once

// The window side, as the loader sees it: a parent window it refreshes and
// progress bars it moves. Hosts implement these; the loader runs without any.

class CWnd {
public:
    virtual ~CWnd() = default;
    virtual void UpdateData(bool bSaveAndValidate) = 0;  // the loader calls UpdateData(false)
};

class CProgressCtrl {
public:
    virtual ~CProgressCtrl() = default;
    virtual void SetPos(int nPos) = 0;                   // the set-position message
    virtual CWnd* GetParent() const { return nullptr; }  // null: no window to refresh
};
