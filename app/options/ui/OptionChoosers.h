#pragma once
// The desktop's choosers the option pages open: the font dialog and the folder browser. The
// program shows wxFontDialog and wxDirDialog; tests answer from a script.

#include "app/options/DisplayOptionPages.h"

#include <string>

class wxWindow;

class IOptionChoosers {
public:
    virtual ~IOptionChoosers() = default;
    // The font dialog starting at the font; false when cancelled.
    virtual bool ChooseFont(wxWindow* parent, CFontChoice& font) = 0;
    // The folder browser with the title, starting at the folder; false when cancelled.
    virtual bool ChooseFolder(wxWindow* parent, const std::string& title, std::string& folder) = 0;
};

// The desktop lists no printer fonts, so the printer fonts are chosen among the screen's.
class CWxOptionChoosers : public IOptionChoosers {
public:
    bool ChooseFont(wxWindow* parent, CFontChoice& font) override;
    bool ChooseFolder(wxWindow* parent, const std::string& title, std::string& folder) override;
};
