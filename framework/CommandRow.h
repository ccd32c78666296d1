// A command's string-table row: its status-bar prompt, a line feed and its
// tooltip. A row without a line feed is all prompt (the idle text is one).
#pragma once
#include "String.h"

// The prompt of row nID; empty when there is no such row.
CString AfxLoadPrompt(unsigned int nID);
// The tooltip of row nID; empty when the row has none.
CString AfxLoadTooltip(unsigned int nID);
