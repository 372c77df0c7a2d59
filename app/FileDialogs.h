#pragma once
// The file dialogs the program asks for a path with. The program shows wxFileDialog; tests
// answer from a script.

#include <string>

struct CFileDialogRequest {
    enum class Kind { Open, Save };

    Kind kind = Kind::Open;
    std::string title;
    // Pairs of description and pattern, each part ended by "|": "ZRPro Files (*.zre)|*.zre|".
    std::string filter;
    // The folder the dialog starts in; "" for the dialog's own choice.
    std::string folder;
    std::string fileName;
};

class IFileDialogs {
public:
    virtual ~IFileDialogs() = default;
    // False when the user cancelled. Open dialogs take existing files only; save dialogs ask
    // before a file is overwritten.
    virtual bool Ask(const CFileDialogRequest& request, std::string& path) = 0;
};
