// Record and template text as the registers and the RTF output read it: number parsers, number
// references in notes, RTF conversion, template tokens and catalogue selection texts.
#include "registers/AppNumFormats.h"
#include "registers/DbSelection.h"
#include "registers/PresenterRows.h"
#include "report/presenter/RtfPresenter.h"
#include "report/template/ReportTokeniser.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    using Parser = std::uint32_t (*)(std::string_view, int*);
    using Formatter = std::string (*)(std::uint32_t);
    static constexpr std::pair<Parser, Formatter> kFormats[] = {
        {ParseInAppNum, FormatAppNum},   {ParseUkAppNum, FormatUkAppNum},
        {ParseAppNum, FormatCtmAppNum},  {ParseUsAppNum, FormatUsAppNum},
        {ParseDeAppNum, FormatDeAppNum}, {ParseIeAppNum, FormatIeAppNum},
        {ParsePlAppNum, FormatPlAppNum}, {ParseCdAppNum, FormatCdAppNum},
        {ParseCaAppNum, FormatCaAppNum}, {ParseAuAppNum, FormatAuAppNum},
        {ParseA6AppNum, FormatA6AppNum}, {ParseUkdomAppNum, FormatUkdomAppNum},
    };
    for (const auto& [parse, format] : kFormats) {
        int used = 0;
        format(parse(text, &used));
        if (used < 0 || static_cast<std::size_t>(used) > size)
            __builtin_trap();
    }
    IsUkMadridAppNum(text);

    CRtfPresenter rtf;
    for (int mode : {kTextGreek, kTextLatin, kTextDecide})
        rtf.AddPlainField(text, text, 0x36, mode, false, true);
    PresentUkRefRow(rtf, "", text, 0, 0, 0, false, false);
    PresentUsRefRow(rtf, "", text, 0, 0, 0, false, false);
    PresentHistory(text, rtf);
    rtf.GetRtf(text, 10);

    CReportTokeniser tokeniser(text);
    for (CReportToken token; tokeniser.NextToken(token);) {
    }

    CDbSelection selection;
    selection.SetSelectionString(text);
    selection.GetSelection();
    return 0;
}
