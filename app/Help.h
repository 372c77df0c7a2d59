#pragma once
// Help: topics of the program's HTML help file, opened in the desktop's viewer.

#include <functional>
#include <string>

// The help file the program names: its path with the extension from the last "." on replaced by
// ".chm", when at least 3 characters follow that "."; otherwise the path as it is.
std::string ChmHelpPath(const std::string& path);

class CHelp {
public:
    // Opens an address for the user; above 32 means it was handed over.
    using Opener = std::function<int(const std::string& address)>;

    CHelp(std::string helpFile, Opener opener)
        : helpFile_(std::move(helpFile)), opener_(std::move(opener)) {}

    // [Test] ShowHelpContext: tell the user which topic is shown before showing it.
    void SetShowContext(bool show) { showContext_ = show; }
    const std::string& GetHelpFile() const { return helpFile_; }

    // The topic of a context id, in upper-case hexadecimal.
    void ShowHelp(int contextId);
    // "<help file>::/man/<topic>.htm", or the help file alone for an empty topic. Failures show
    // W323 (a topic) or W322 (the file).
    void ShowHelpTopic(const std::string& topic);

    std::string GetTopicAddress(const std::string& topic) const;

private:
    std::string helpFile_;
    Opener opener_;
    bool showContext_ = false;
};
