#pragma once
// The choice of a report template among the files of the templates folder: the user's default
// is chosen at first when a file has exactly its name (letter case counts), and OK is possible
// exactly while a template is chosen. An empty folder is told, with where templates go.

#include <string>
#include <vector>

class CTemplateChoice {
public:
    static constexpr int kNone = -1;

    // folder is the templates folder that the names were listed from.
    CTemplateChoice(std::vector<std::string> names, const std::string& defaultName,
                    std::string folder = "");

    const std::vector<std::string>& GetNames() const { return names_; }
    // kNone, or the index of a name; anything else chooses nothing.
    void Select(int index);
    int GetSelection() const { return selection_; }
    bool CanChoose() const { return selection_ != kNone; }
    // The chosen name; "" when none is chosen.
    std::string GetChosenName() const;
    // Without templates, where they go; "" when there are some.
    std::string GetEmptyFolderHint() const;

private:
    std::vector<std::string> names_;
    std::string folder_;
    int selection_ = kNone;
};
