#pragma once
// A number field with arrow buttons: a text field the user may type anything into, checked
// only when the dialog takes its values, and a spin button that steps the number typed by one,
// never leaving the field's range. The desktop's own spin control would quietly clamp a number
// out of range instead of letting the dialog say why it refuses it.

#include <wx/panel.h>

class wxSpinButton;
class wxSpinEvent;
class wxTextCtrl;

class CNumberField : public wxPanel {
public:
    // The text field gets the id.
    CNumberField(wxWindow* parent, wxWindowID id, int value, int min, int max);

    wxTextCtrl& GetTextCtrl() { return *text_; }
    wxString GetText() const;
    void SetNumber(int value);
    // The number typed, or the range's lowest when the text is none, held to the range.
    int GetClampedNumber() const;

private:
    void OnSpin(wxSpinEvent& event);

    wxTextCtrl* text_;
    wxSpinButton* spin_;
    int min_;
    int max_;
};
