// The process-wide window pointers through which the windows reach each
// other, and the flag by which the editor tells the frame whether Print is
// available. Each window sets its pointer once, when it is created.
#pragma once

class CMainFrame;
class CLeftView;
class CMainView;
class CTitleView;

extern CMainFrame* g_pMainFrame;
extern CLeftView* g_pLeftView;
extern CMainView* g_pMainView;
extern CTitleView* g_pTitleView;

// Non-zero while the editor is the active pane; enables Print.
extern int g_bEditorActive;
