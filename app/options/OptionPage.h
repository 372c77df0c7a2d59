#pragma once
// The pages of the Options and Keywords sheets without their windows. A page copies the
// settings it edits when it is made and keeps the user's changes in values of its own; it
// writes them back only when the sheet closes with OK, in the sheet's page order.

#include <string>

class CUserOptions;
class IOptionPageVisitor;

class COptionPage {
public:
    // A page's help topic is this plus its dialog template's id.
    static constexpr int kHelpBase = 0x20000;

    COptionPage() = default;
    COptionPage(const COptionPage&) = delete;
    COptionPage& operator=(const COptionPage&) = delete;
    virtual ~COptionPage() = default;

    virtual std::string GetCaption() const = 0;
    virtual int GetHelpContext() const = 0;
    // Writes the page's values into the settings.
    virtual void Apply(CUserOptions& options) = 0;
    // Calls the visitor's operation for the page's own type.
    virtual void Accept(IOptionPageVisitor& visitor) = 0;
};
