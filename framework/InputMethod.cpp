#include "InputMethod.h"

#include <imm.h>

void AfxKeepInputMethodOut(HWND hWnd)
{
    ::ImmAssociateContextEx(hWnd, nullptr, IACE_CHILDREN);
    ::ImmAssociateContext(hWnd, nullptr);
}
