// CViewerApp: quelvan's application object.
#pragma once
#include "../framework/Framework.h"

class CViewerApp : public CWinApp {
public:
    BOOL InitInstance() override;
    // After the bars and panes are brought up to date, once: the glyphs that
    // a step from the one just painted will need.
    BOOL OnIdle(LONG lCount) override;

protected:
    void OnAppAbout();
    void OnFileNew();
    DECLARE_MESSAGE_MAP()
};

extern CViewerApp theApp;
