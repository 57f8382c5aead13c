#pragma once

class CCommonUtility;
class CMainFrame;

// Gives the edit commands and the connection-information command their handlers and enable
// rules: each goes to the tree pane when it has the focus, otherwise to the active part view.
void RegisterEditCommandHandlers(CMainFrame& frame, CCommonUtility& utility, int& connectionInfoModified);
