// The Options and Keywords sheets without their windows: their pages, and what OK does.

#include "app/options/OptionSheet.h"

#include "engines/RegisterTable.h"
#include "engines/Repository.h"
#include "registers/DbSelection.h"
#include "tests/core/SettingsFixture.h"
#include "tests/engines/ScriptedMessages.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace {

using Texts = std::vector<std::string>;

class OptionSheetTest : public SettingsFixture {
protected:
    void SetUp() override {
        SettingsFixture::SetUp();
        user_.Load(system_);
    }
    static Texts Captions(COptionSheet& sheet) {
        Texts captions;
        for (int i = 0; i < sheet.GetPageCount(); ++i)
            captions.push_back(sheet.GetPage(i).GetCaption());
        return captions;
    }
    COptionSheetServices Services() {
        return {[this](int hint) { hints_.push_back(hint); },
                [this](const std::string& message, const std::string& caption) {
                    shown_.push_back(caption + "|" + message);
                    return true; // "Don't show this message again."
                }};
    }

    CUserOptions user_;
    CZrRepository repository_{system_, user_};
    CDbSelection catalogue_;
    std::vector<int> hints_;
    Texts shown_;
};

TEST_F(OptionSheetTest, TheSheetsHaveTheirPagesInOrder) {
    COptionSheet options =
        MakeOptionsSheet({user_, system_, GetRegisterTable(), repository_, catalogue_});
    EXPECT_EQ(options.GetCaption(), "Options for jsmith");
    EXPECT_EQ(Captions(options), (Texts{"Examination", "Search", "Fonts", "Languages", "Long",
                                        "Short", "Print", "Watch"}));
    // The two details pages share one template and tell their help apart.
    EXPECT_EQ(options.GetPage(4).GetHelpContext(), 0x21000 + 147);
    EXPECT_EQ(options.GetPage(5).GetHelpContext(), 0x20000 + 147);
    COptionSheet keywords = MakeKeywordsSheet(user_, system_);
    EXPECT_EQ(keywords.GetCaption(), "Keywords for jsmith");
    EXPECT_EQ(Captions(keywords), (Texts{"Special Characters", "Keywords"}));
}

// A page that writes one setting and notes the order.
class CNotingPage : public COptionPage {
public:
    CNotingPage(std::string name, Texts& log) : name_(std::move(name)), log_(log) {}
    std::string GetCaption() const override { return name_; }
    int GetHelpContext() const override { return 0; }
    void Apply(CUserOptions& options) override {
        log_.push_back(name_ + (options.IsChanged() ? " after a change" : " first"));
        options.SetExaminer(options.GetExaminer() + name_);
    }
    void Accept(IOptionPageVisitor&) override {}

private:
    std::string name_;
    Texts& log_;
};

TEST_F(OptionSheetTest, OkAppliesThePagesInOrderThenSavesOnceTellsTheViewsAndTheUser) {
    Texts log;
    COptionSheet sheet("Options for jsmith", "SaveOptions", "These options will remain");
    sheet.AddPage(std::make_unique<CNotingPage>("A", log));
    sheet.AddPage(std::make_unique<CNotingPage>("B", log));
    sheet.Apply(user_, Services());
    EXPECT_EQ(log, (Texts{"A first", "B after a change"}));
    EXPECT_FALSE(user_.IsChanged());
    CUserOptions reloaded;
    reloaded.Load(system_);
    EXPECT_EQ(reloaded.GetExaminer(), "AB");
    EXPECT_EQ(hints_, std::vector<int>{2048});
    EXPECT_EQ(shown_, Texts{"RO Vedaridarevu|These options will remain"});
    // Switched off by its box, the message is not shown again.
    sheet.Apply(user_, Services());
    EXPECT_EQ(shown_.size(), 1u);
    EXPECT_EQ(hints_.size(), 2u);
}

TEST_F(OptionSheetTest, ASettingsFileThatCannotBeWrittenIsReported) {
    std::filesystem::create_directories(UserFile()); // a folder where the file would go
    CScriptedMessages messages;
    Texts log;
    COptionSheet sheet("Options for jsmith", "SaveOptions", "kept");
    sheet.AddPage(std::make_unique<CNotingPage>("A", log));
    sheet.Apply(user_, Services());
    ASSERT_EQ(messages.Texts().size(), 1u);
    EXPECT_TRUE(messages.Texts()[0].starts_with("W306 Cannot write: " + UserFile() + " due to: "))
        << messages.Texts()[0];
    EXPECT_TRUE(user_.IsChanged());
}

} // namespace
