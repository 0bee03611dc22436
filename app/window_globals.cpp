#include "app/window_globals.h"

CMainFrame* g_pMainFrame = nullptr;
CLeftView* g_pLeftView = nullptr;
CMainView* g_pMainView = nullptr;
CTitleView* g_pTitleView = nullptr;
int g_bEditorActive = 0;
