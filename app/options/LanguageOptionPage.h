#pragma once
// The Languages page: the languages asked for in the goods descriptions of the registers that
// have several, in order of preference, and whether the deposit language is shown as well.
// Stored as "y" or "n" and one hexadecimal digit per language ("y3").

#include "app/options/OptionPage.h"

#include <string>
#include <vector>

class COptionPageLanguage : public COptionPage {
public:
    static constexpr int kDialogId = 140;

    explicit COptionPageLanguage(const CUserOptions& options);

    std::string GetCaption() const override { return "Languages"; }
    int GetHelpContext() const override { return kHelpBase + kDialogId; }

    bool GetShowDeposit() const { return showDeposit_; }
    void SetShowDeposit(bool show) { showDeposit_ = show; }
    // Language codes: every one offered, and the chosen ones in order of preference.
    const std::vector<int>& GetAvailable() const { return available_; }
    const std::vector<int>& GetChosen() const { return chosen_; }
    // The selected row of either list; -1 for none.
    int GetAvailableSelection() const { return availableSelection_; }
    int GetChosenSelection() const { return chosenSelection_; }
    void SelectAvailable(int index) { availableSelection_ = index; }
    void SelectChosen(int index) { chosenSelection_ = index; }

    // Add >> is offered for a selected language not chosen yet; Delete << for a selected
    // chosen one.
    bool CanAdd() const;
    bool CanDelete() const;
    // Appends the selected language to the chosen ones; when it is then the only one it
    // becomes selected there.
    void Add();
    // Drops the selected chosen language; the selection stays at its row, or goes to the new
    // last one.
    void Delete();

    // "y" or "n", then the chosen languages' hexadecimal digits.
    std::string GetOptionsText() const;
    void Apply(CUserOptions& options) override;
    void Accept(IOptionPageVisitor& visitor) override;

private:
    bool showDeposit_ = false;
    std::vector<int> available_;
    std::vector<int> chosen_;
    int availableSelection_ = -1;
    int chosenSelection_ = -1;
};
