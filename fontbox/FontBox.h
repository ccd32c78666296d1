// CFontBox: the drop-down list in the toolbar that picks the glyph's face.
#pragma once
#include "../framework/Framework.h"

class CFontBox : public CComboBoxEx {
};
