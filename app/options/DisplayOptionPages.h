#pragma once
// The pages of how marks are shown and printed: Fonts (the screen and printer fonts of normal
// text and of word marks), Long and Short (how much of a mark each display form shows) and
// Print (page heading, margins, rules and criteria).

#include "app/options/OptionPage.h"
#include "core/UserOptions.h"

#include <array>
#include <string>

struct CFontChoice {
    std::string face;
    int points = 0;

    bool operator==(const CFontChoice&) const = default;
};

class COptionPageFont : public COptionPage {
public:
    static constexpr int kDialogId = 143;
    enum EFont { kScreenNormal, kScreenWordmark, kPrinterNormal, kPrinterWordmark, kFontCount };

    explicit COptionPageFont(const CUserOptions& options);

    std::string GetCaption() const override { return "Fonts"; }
    int GetHelpContext() const override { return kHelpBase + kDialogId; }
    const CFontChoice& GetFont(EFont font) const { return fonts_[font]; }
    void SetFont(EFont font, const CFontChoice& choice) { fonts_[font] = choice; }
    // " Arial - 10 points".
    std::string GetLabel(EFont font) const;
    void Apply(CUserOptions& options) override;
    void Accept(IOptionPageVisitor& visitor) override;

private:
    std::array<CFontChoice, kFontCount> fonts_;
};

class COptionPageDetails : public COptionPage {
public:
    static constexpr int kDialogId = 147;
    // The long form's help topics are numbered from here.
    static constexpr int kLongHelpBase = 0x21000;

    // The long or the short display form.
    COptionPageDetails(const CUserOptions& options, bool isLong);

    std::string GetCaption() const override { return isLong_ ? "Long" : "Short"; }
    int GetHelpContext() const override {
        return (isLong_ ? kLongHelpBase : kHelpBase) + kDialogId;
    }
    const CFormatBlock& GetFormat() const { return format_; }
    void SetFormat(const CFormatBlock& format) { format_ = format; }
    void Apply(CUserOptions& options) override;
    void Accept(IOptionPageVisitor& visitor) override;

private:
    bool isLong_;
    CFormatBlock format_;
};

struct CPrintOptionValues {
    std::string heading;
    CMarginRect margins;
    bool verticalLines = false;
    bool horizontalLines = false;
    bool criteria = false;

    bool operator==(const CPrintOptionValues&) const = default;
};

class COptionPagePrint : public COptionPage {
public:
    static constexpr int kDialogId = 148;

    explicit COptionPagePrint(const CUserOptions& options);

    std::string GetCaption() const override { return "Print"; }
    int GetHelpContext() const override { return kHelpBase + kDialogId; }
    const CPrintOptionValues& GetValues() const { return values_; }
    void SetValues(const CPrintOptionValues& values) { values_ = values; }
    void Apply(CUserOptions& options) override;
    void Accept(IOptionPageVisitor& visitor) override;

private:
    CPrintOptionValues values_;
};
