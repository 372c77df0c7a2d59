#include "app/options/DisplayOptionPages.h"

COptionPageFont::COptionPageFont(const CUserOptions& options) {
    int size = 0;
    fonts_[kScreenNormal].face = options.GetDisplayMainFont(size);
    fonts_[kScreenNormal].points = size;
    fonts_[kScreenWordmark].face = options.GetDisplayWordmarkFont(size);
    fonts_[kScreenWordmark].points = size;
    fonts_[kPrinterNormal].face = options.GetPrinterMainFont(size);
    fonts_[kPrinterNormal].points = size;
    fonts_[kPrinterWordmark].face = options.GetPrinterWordmarkFont(size);
    fonts_[kPrinterWordmark].points = size;
}

std::string COptionPageFont::GetLabel(EFont font) const {
    const CFontChoice& choice = fonts_[font];
    return " " + choice.face + " - " + std::to_string(choice.points) + " points";
}

void COptionPageFont::Apply(CUserOptions& options) {
    options.SetDisplayMainFont(fonts_[kScreenNormal].face, fonts_[kScreenNormal].points);
    options.SetDisplayWordmarkFont(fonts_[kScreenWordmark].face, fonts_[kScreenWordmark].points);
    options.SetPrinterMainFont(fonts_[kPrinterNormal].face, fonts_[kPrinterNormal].points);
    options.SetPrinterWordmarkFont(fonts_[kPrinterWordmark].face, fonts_[kPrinterWordmark].points);
}

COptionPageDetails::COptionPageDetails(const CUserOptions& options, bool isLong)
    : isLong_(isLong), format_(isLong ? options.GetLongFormat() : options.GetShortFormat()) {}

void COptionPageDetails::Apply(CUserOptions& options) {
    if (isLong_)
        options.SetLongFormat(format_);
    else
        options.SetShortFormat(format_);
}

COptionPagePrint::COptionPagePrint(const CUserOptions& options) {
    values_.heading = options.GetPageHeading();
    options.GetPageMargins(values_.margins);
    options.GetPrintLines(values_.verticalLines, values_.horizontalLines);
    values_.criteria = options.GetPrintCriteria();
}

void COptionPagePrint::Apply(CUserOptions& options) {
    options.SetPageSetup(values_.margins, values_.heading, values_.verticalLines,
                         values_.horizontalLines, values_.criteria);
}
