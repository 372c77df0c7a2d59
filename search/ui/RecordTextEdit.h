#pragma once
// Edits of the search windows hold record text: what the user types reaches the models as
// Western record text (Windows-1252), and the models' texts are shown as they read.

#include <functional>
#include <string>

class wxTextCtrl;
class wxWindow;

// An edit handing every change of its text to the handler.
wxTextCtrl* MakeRecordTextEdit(wxWindow* parent, int id,
                               std::function<void(const std::string&)> changed, long style = 0);
std::string RecordTextOf(const wxTextCtrl& edit);
// Shows the text unless the edit holds it already, so that the caret stays where it is.
void ShowRecordText(wxTextCtrl& edit, const std::string& text);
