#pragma once
// Marks on the clipboard and in drag and drop, in the program's own format "ZrMarks" (the count,
// then 24 bytes a mark). Data of that format from elsewhere is read only through the checked
// codec, so a short or damaged block is refused rather than read past its end.

#include "core/Mark.h"

#include <memory>
#include <vector>
#include <wx/dataobj.h>

class CZrClipboard {
public:
    CZrClipboard() = default;
    CZrClipboard(const CZrClipboard&) = default;
    CZrClipboard& operator=(const CZrClipboard&) = default;
    virtual ~CZrClipboard() = default;

    static wxDataFormat GetFormat();

    bool Add(const CMark& mark) {
        marks_.push_back(mark);
        return true;
    }
    const std::vector<CMark>& GetMarks() const { return marks_; }

    // The marks as data of the "ZrMarks" format, for the clipboard or a drag.
    std::unique_ptr<wxCustomDataObject> CopyTo() const;
    // Appends the marks the data holds (flags as stored); false when it holds no whole block.
    bool ReadFrom(const wxCustomDataObject& data);

    // The system clipboard: true when the marks were put there, or when marks were read.
    bool PutOnClipboard() const;
    bool ReadClipboard();
    static bool ClipboardHasMarks();

private:
    std::vector<CMark> marks_;
};
