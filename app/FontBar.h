// CFontBar: the main frame's toolbar, which holds the font box in place of
// one of its items.
#pragma once
#include "../fontbox/FontBox.h"
#include "../framework/Framework.h"

class CFontBar : public CToolBar {
public:
    CFontBox m_wndFontBox;

    // Makes the font box over its item; FALSE when the bar has no such item.
    BOOL CreateFontBox();
    void ScaleToDpi(int nDpi) override;

protected:
    void OnLayoutChanged() override;

private:
    // Widens the box's item (a separator) for the bar's DPI; its rectangle,
    // with room for the drop-down list below, is the box's.
    RECT MakeRoomForFontBox();
};
