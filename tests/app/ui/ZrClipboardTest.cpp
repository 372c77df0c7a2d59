// Marks through the X clipboard in the "ZrMarks" format, and a foreign block of that format that
// holds less than it says.

#include "app/ui/ZrClipboard.h"

#include "WxTestSupport.h"
#include "app/document/ClipboardMarks.h"

#include <cstring>
#include <wx/clipbrd.h>

namespace {

TEST(ZrClipboard, MarksCrossTheClipboardWithTheirFlags) {
    CZrClipboard copy;
    copy.Add(CMark(10, 'u', 1, 2, 1234, CMark::kKept));
    copy.Add(CMark(11, 'c', 3, 4, 0, CMark::kPermanentKeep | CMark::kLong));
    ASSERT_TRUE(copy.PutOnClipboard());
    ASSERT_TRUE(CZrClipboard::ClipboardHasMarks());

    CZrClipboard paste;
    paste.Add(CMark(1, 'a', 1, 1, 0, 0));
    ASSERT_TRUE(paste.ReadClipboard());
    ASSERT_EQ(paste.GetMarks().size(), 3u);
    for (int i = 0; i < 2; ++i) {
        const CMark& sent = copy.GetMarks()[i];
        const CMark& read = paste.GetMarks()[i + 1];
        EXPECT_EQ(read.GetRecordNumber(), sent.GetRecordNumber());
        EXPECT_EQ(read.GetRegisterCode(), sent.GetRegisterCode());
        EXPECT_EQ(read.GetSection(), sent.GetSection());
        EXPECT_EQ(read.GetSearchId(), sent.GetSearchId());
        EXPECT_EQ(read.GetAppNumber(), sent.GetAppNumber());
        EXPECT_EQ(read.GetFlags(), sent.GetFlags());
    }
}

TEST(ZrClipboard, AShortForeignBlockIsRefused) {
    // Claims three marks and holds one.
    std::string block = EncodeClipboardMarks(std::vector<CMark>{CMark(10, 'u', 1, 2, 0, 0)});
    const std::int32_t three = 3;
    std::memcpy(block.data(), &three, sizeof three);
    {
        wxClipboardLocker lock;
        ASSERT_TRUE(!!lock);
        auto* data = new wxCustomDataObject(CZrClipboard::GetFormat());
        data->SetData(block.size(), block.data());
        ASSERT_TRUE(wxTheClipboard->SetData(data));
    }
    CZrClipboard paste;
    EXPECT_FALSE(paste.ReadClipboard());
    EXPECT_TRUE(paste.GetMarks().empty());

    // Nothing of the format: nothing read.
    {
        wxClipboardLocker lock;
        wxTheClipboard->SetData(new wxTextDataObject("ACME"));
    }
    EXPECT_FALSE(CZrClipboard::ClipboardHasMarks());
    EXPECT_FALSE(paste.ReadClipboard());
}

} // namespace
