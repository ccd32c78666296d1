// CFontBar: the main frame's toolbar, which holds the font box in place of
// one of its items.
#pragma once
#include "../fontbox/FontBox.h"
#include "../framework/Framework.h"

class CFontBar : public CToolBar {
public:
    CFontBox m_wndFontBox;

protected:
    void OnLayoutChanged() override;
};
