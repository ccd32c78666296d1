// The string table's rows, as a person reads them: in Unicode, whatever the
// system's code page. A command's row holds its status-bar prompt, a line
// feed and its tooltip; a row without a line feed is all prompt (the idle
// text is one).
#pragma once
#include "String.h"

// Row nID whole; empty when there is no such row.
CStringW AfxLoadText(unsigned int nID);
// The prompt of row nID; empty when there is no such row.
CStringW AfxLoadPrompt(unsigned int nID);
// The tooltip of row nID; empty when the row has none.
CStringW AfxLoadTooltip(unsigned int nID);
