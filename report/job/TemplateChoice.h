#pragma once
// The choice of a report template among the files of the templates folder: the user's default
// is chosen at first when a file has exactly its name (letter case counts), and OK is possible
// exactly while a template is chosen.

#include <string>
#include <vector>

class CTemplateChoice {
public:
    static constexpr int kNone = -1;

    CTemplateChoice(std::vector<std::string> names, const std::string& defaultName);

    const std::vector<std::string>& GetNames() const { return names_; }
    // kNone, or the index of a name; anything else chooses nothing.
    void Select(int index);
    int GetSelection() const { return selection_; }
    bool CanChoose() const { return selection_ != kNone; }
    // The chosen name; "" when none is chosen.
    std::string GetChosenName() const;

private:
    std::vector<std::string> names_;
    int selection_ = kNone;
};
