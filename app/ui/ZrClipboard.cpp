#include "app/ui/ZrClipboard.h"

#include "app/document/ClipboardMarks.h"
#include "app/document/TextException.h"

#include <wx/clipbrd.h>

wxDataFormat CZrClipboard::GetFormat() {
    return wxDataFormat(kZrMarksFormat);
}

std::unique_ptr<wxCustomDataObject> CZrClipboard::CopyTo() const {
    auto data = std::make_unique<wxCustomDataObject>(GetFormat());
    const std::string bytes = EncodeClipboardMarks(marks_);
    data->SetData(bytes.size(), bytes.data());
    return data;
}

bool CZrClipboard::ReadFrom(const wxCustomDataObject& data) {
    std::vector<CMark> read;
    try {
        DecodeClipboardMarks(
            std::string_view(static_cast<const char*>(data.GetData()), data.GetSize()), read);
    } catch (const CTextException&) {
        // Another program's block of our format that does not hold what it says.
        return false;
    }
    marks_.insert(marks_.end(), read.begin(), read.end());
    return true;
}

bool CZrClipboard::PutOnClipboard() const {
    wxClipboardLocker lock;
    if (!lock)
        return false;
    return wxTheClipboard->SetData(CopyTo().release());
}

bool CZrClipboard::ReadClipboard() {
    wxClipboardLocker lock;
    if (!lock || !wxTheClipboard->IsSupported(GetFormat()))
        return false;
    wxCustomDataObject data(GetFormat());
    return wxTheClipboard->GetData(data) && ReadFrom(data);
}

bool CZrClipboard::ClipboardHasMarks() {
    wxClipboardLocker lock;
    return !!lock && wxTheClipboard->IsSupported(GetFormat());
}
