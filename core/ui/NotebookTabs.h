#pragma once
// A notebook that shows every tab at once. The desktop would otherwise hide the tabs that do not
// fit behind scroll arrows, and draws them with no room while it does.

class wxNotebook;

// Makes the notebook at least as wide as its tabs, each showing an image of the notebook's
// images; called once its pages are added.
void ShowEveryTab(wxNotebook& book);
