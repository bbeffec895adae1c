// CMarkWnd's left-button handlers. For now they leave the messages unanswered.
#include "app/MarkWnd.h"

void CMarkWnd::BeginStroke(UINT, POINT) {}

void CMarkWnd::EndStroke(UINT, POINT) {}

void CMarkWnd::ContinueStroke(UINT, POINT) {}
