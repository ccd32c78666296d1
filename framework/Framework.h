// The framework layer: a thin C++ layer over Win32, the common controls and OLE.
#pragma once
#include "CmdTarget.h"
#include "ComboBoxEx.h"
#include "ControlBar.h"
#include "StatusBar.h"
#include "ToolBar.h"
#include "Dialog.h"
#include "FrameWnd.h"
#include "Gdi.h"
#include "String.h"
#include "WinApp.h"
#include "Wnd.h"
#include "afxres.h"
