// The print job's drawing: headings, items, criteria blocks and rules. Each also measures, with
// drawing off, so that layout and print agree line for line.
#include "report/print/CriteriaRows.h"
#include "report/print/PrintHeading.h"
#include "report/print/PrintJob.h"
#include "report/print/PrintPresenter.h"
#include "report/print/PrintRegisters.h"
#include "report/print/WordWrapper.h"

#include <climits>

namespace {

constexpr CPenSpec kRulePen{kBlack, 1};

// Record text in the surface's font, as the word wrapper sets it.
int TextWidth(IDrawSurface& surface, std::string_view text) {
    return text.empty()
               ? 0
               : surface.GetTextExtent(CWString(text, surface.GetFont().greek).View()).width;
}

void DrawText(IDrawSurface& surface, int x, int y, std::string_view text) {
    if (!text.empty())
        surface.TextOut(x, y, CWString(text, surface.GetFont().greek).View());
}

// Where each title text starts in a column: four texts at the left, ending at 3/7, starting at
// 4/7 and ending at the right; any other number spread with equal gaps, the last ending at the
// right.
std::vector<int> TitlePositions(const std::vector<int>& widths, int left, int right) {
    const int width = right - left;
    if (widths.size() == 4)
        return {left, left + width * 3 / 7 - widths[1], left + width * 4 / 7, right - widths[3]};
    std::vector<int> positions;
    int used = 0;
    for (const int w : widths)
        used += w;
    const int gaps = static_cast<int>(widths.size()) - 1;
    int x = left;
    for (std::size_t i = 0; i < widths.size(); ++i) {
        positions.push_back(x);
        x += widths[i] + (gaps > 0 ? (width - used) / gaps : 0);
    }
    return positions;
}

} // namespace

void CZrPrintJob::OnPrint(IDrawSurface& surface, int n) {
    const CZrPrintPage& page = GetPage(n);
    CDrawStateSaver saver(surface);
    surface.SetPen(kRulePen);
    surface.SetTextColour(kBlack);
    surface.SetBackgroundMode(EBackgroundMode::Transparent);
    const int headingBottom = PrintHeading(surface, true, n, page.start.section);
    for (std::size_t i = 0; i < page.searchIds.size(); ++i)
        PrintCriteria(surface, true, document_->FindSearch(page.searchIds[i]), page.searchTops[i]);
    for (const CZrPrintItem& item : page.items)
        PrintItem(surface, item);
    PrintRules(surface, page, headingBottom);
}

int CZrPrintJob::PrintHeading(IDrawSurface& surface, bool draw, int page, int section) {
    int y = rect_.top;
    if (draw && horizontalLines_)
        HorizontalRule(surface, y);
    y += halfLine_;
    const int left = rect_.left + halfLine_ + 1;
    const int right = rect_.right - halfLine_ - 1;
    surface.SetFont(fonts_[0]);
    if (draw) {
        const CHeadingTexts texts = FormatHeading(heading_, today_().Format(), page);
        const int leftEnd = left + TextWidth(surface, texts.left);
        const int rightStart = right - TextWidth(surface, texts.right);
        const int centreWidth = TextWidth(surface, texts.centre);
        DrawText(surface, left, y, texts.left);
        DrawText(surface, leftEnd + (rightStart - leftEnd - centreWidth) / 2, y, texts.centre);
        DrawText(surface, rightStart, y, texts.right);
    }
    y += lineHeight_;

    CWordWrapper wrapper(surface, draw, left, right, y, lineHeight_, 0, INT_MAX);
    const auto addLine = [&](const std::string& text) {
        if (text.empty())
            return;
        AddText(wrapper, text, 0, false);
        wrapper.AddWord("\n", fonts_[0], false);
    };
    if (page == 1) {
        for (const char code : registers_.GetConnectedDatabaseCodes()) {
            if (IPrintDb* db = registers_.GetDb(code))
                addLine(db->GetLongName());
        }
        addLine(document_->GetAgency());
        addLine(document_->GetExaminer());
    }
    addLine(document_->GetExamId());
    if (document_->GetSectionCount() > 1)
        addLine(options_.GetSectionName(section));
    y += wrapper.Finish() * lineHeight_ + halfLine_;
    if (draw && verticalLines_) {
        VerticalRule(surface, rect_.left, rect_.top, y);
        VerticalRule(surface, rect_.right, rect_.top, y);
    }
    return y;
}

void CZrPrintJob::PrintItem(IDrawSurface& surface, const CZrPrintItem& item) {
    int y = item.top;
    if (horizontalLines_)
        HorizontalRule(surface, y);
    y += halfLine_;
    if (item.printClass)
        PrintClassColumn(surface, true, item.mark, y);
    PrintTitle(surface, item, y);
    y += lineHeight_;
    if (item.Holds(kPartDevices))
        y = PrintDevices(surface, item, y);
    if (item.Holds(kPartWordMark))
        y += PrintWordMark(surface, true, y, item.mark, item.First(kPartWordMark),
                           item.End(kPartWordMark) - 1) *
             WordMarkLineHeight(item.mark);
    if (item.Holds(kPartDetails))
        PrintMarkDetails(surface, true, y, item, item.First(kPartDetails),
                         item.End(kPartDetails) - 1);
}

int CZrPrintJob::PrintClassColumn(IDrawSurface& surface, bool draw, const CMark& mark, int y) {
    IPrintDb* db = DbOf(mark);
    const std::string classes = db ? db->GetClasses(mark) : "";
    if (classes.empty())
        return 1;
    const int left = rect_.left + halfLine_;
    const int right = rect_.left + classColumnWidth_ - halfLine_;
    surface.SetFont(fonts_[0]);
    const std::string oneLine = "Class " + classes;
    if (TextWidth(surface, oneLine) <= right - left) {
        if (draw)
            DrawText(surface, left, y, oneLine);
        return 1;
    }
    if (draw)
        DrawText(surface, left, y, "Class");
    CWordWrapper wrapper(surface, draw, left, right, y + lineHeight_, lineHeight_, 0, INT_MAX);
    return 1 + SetText(wrapper, classes, 0, false);
}

void CZrPrintJob::PrintTitle(IDrawSurface& surface, const CZrPrintItem& item, int y) {
    IPrintDb* db = DbOf(item.mark);
    if (!db)
        return;
    const std::vector<std::string> texts =
        item.IsContinued() ? std::vector<std::string>{db->GetShortName() + " " +
                                                      db->GetMarkAppNum(item.mark) + " (Continued)"}
                           : db->GetSummaryLines(item.mark);
    surface.SetFont(fonts_[0]);
    std::vector<int> widths;
    for (const std::string& text : texts)
        widths.push_back(TextWidth(surface, text));
    const std::vector<int> positions = TitlePositions(widths, TextLeft(), TextRight());
    for (std::size_t i = 0; i < texts.size(); ++i)
        DrawText(surface, positions[i], y, texts[i]);
}

int CZrPrintJob::PrintDevices(IDrawSurface& surface, const CZrPrintItem& item, int y) {
    const int first = item.First(kPartDevices);
    const int last = item.End(kPartDevices) - 1;
    if (item.styleLines > 0)
        return y + PrintImageStyle(surface, true, y, item.mark, first, last) * lineHeight_;
    IPrintDb* db = DbOf(item.mark);
    const CDeviceLayout& devices = item.devices;
    const int end = std::min(last + 1, devices.GetRowCount());
    for (int row = first; row < end; ++row) {
        y += devices.GetGap();
        for (const CDeviceLayoutItem& image : devices.GetRow(row)) {
            CPing png;
            const bool fetched =
                image.imageIndex == CDeviceLayoutItem::kIcon
                    ? db->GetIcon(item.mark, png)
                    : db->GetImage(item.mark, image.imageIndex, devices.GetBox(), png);
            std::size_t length = 0;
            const std::uint8_t* bytes = fetched ? png.GetPngData(length) : nullptr;
            if (bytes) {
                const CRect target{TextLeft() + image.x, y + image.y,
                                   TextLeft() + image.x + image.width, y + image.y + image.height};
                surface.StretchImage(EImageFormat::Png, {bytes, length}, target);
            }
        }
        y += devices.GetRowHeight(row);
    }
    return y;
}

int CZrPrintJob::PrintImageStyle(IDrawSurface& surface, bool draw, int y, const CMark& mark,
                                 int firstLine, int lastLine) {
    IPrintDb* db = DbOf(mark);
    CWordWrapper wrapper(surface, draw, TextLeft(), TextRight(), y, lineHeight_, firstLine,
                         lastLine);
    return SetText(wrapper, db ? db->GetImageStyle(mark) : "", 0, false);
}

int CZrPrintJob::PrintWordMark(IDrawSurface& surface, bool draw, int y, const CMark& mark,
                               int firstLine, int lastLine) {
    IPrintDb* db = DbOf(mark);
    bool greek = false;
    const std::string wordMark = db ? db->GetWordMark(mark, greek) : "";
    const bool big = FormatOf(mark).bigFontWordmark;
    const int font = (big ? kFontWordmark : 0) | (greek ? kFontGreek : 0);
    CWordWrapper wrapper(surface, draw, TextLeft(), TextRight(), y, WordMarkLineHeight(mark),
                         firstLine, lastLine);
    return SetText(wrapper, wordMark, font, greek);
}

int CZrPrintJob::PrintMarkDetails(IDrawSurface& surface, bool draw, int y, const CZrPrintItem& item,
                                  int firstLine, int lastLine) {
    CPrintPresenter presenter;
    IPrintDb* db = DbOf(item.mark);
    // A mark whose record cannot be had says so rather than print as an empty item.
    if (db && db->HasRecord(item.mark))
        db->PresentRecord(item.mark, presenter, GetFormatFlags(FormatOf(item.mark)));
    else
        presenter.ReportMissing(item.mark);
    CWordWrapper wrapper(surface, draw, TextLeft(), TextRight(), y, lineHeight_, firstLine,
                         lastLine);
    presenter.Rewind();
    std::string word;
    unsigned style = 0;
    while (presenter.NextWord(word, style))
        wrapper.AddWord(word, fonts_[style], (style & kStyleGreekFont) != 0);
    return wrapper.Finish();
}

int CZrPrintJob::PrintCriteria(IDrawSurface& surface, bool draw, const CSearch& search, int y) {
    if (draw && horizontalLines_)
        HorizontalRule(surface, y);
    y += halfLine_;
    const int labelLeft = rect_.left + halfLine_ + 1;
    const int valueLeft = rect_.left + labelColumnWidth_ + halfLine_;
    for (const CCriteriaRow& row : BuildCriteriaRows(search, registers_.GetCriteriaWording(),
                                                     displayMapper_, hideDuplicates_)) {
        if (row.spaceBefore)
            y += textLineHeight_;
        if (draw) {
            surface.SetFont(fonts_[0]);
            DrawText(surface, labelLeft, y, row.label);
        }
        CWordWrapper wrapper(surface, draw, valueLeft, TextRight(), y, textLineHeight_, 0, INT_MAX);
        y += std::max(1, SetText(wrapper, row.value, 0, false)) * textLineHeight_;
    }
    return y;
}

void CZrPrintJob::PrintRules(IDrawSurface& surface, const CZrPrintPage& page, int headingBottom) {
    if (page.items.empty() && page.searchIds.empty())
        return;
    if (verticalLines_) {
        VerticalRule(surface, rect_.left, headingBottom, page.bottom);
        if (!page.criteria)
            VerticalRule(surface, rect_.left + classColumnWidth_, headingBottom, page.bottom);
        VerticalRule(surface, rect_.right, headingBottom, page.bottom);
    }
    if (horizontalLines_)
        HorizontalRule(surface, page.bottom);
}

void CZrPrintJob::HorizontalRule(IDrawSurface& surface, int y) {
    surface.DrawLine({rect_.left, y}, {rect_.right + 1, y});
}

void CZrPrintJob::VerticalRule(IDrawSurface& surface, int x, int top, int bottom) {
    surface.DrawLine({x, top}, {x, bottom + 1});
}

int CZrPrintJob::SetText(CWordWrapper& wrapper, std::string_view text, int font, bool greek) const {
    AddText(wrapper, text, font, greek);
    return wrapper.Finish();
}

void CZrPrintJob::AddText(CWordWrapper& wrapper, std::string_view text, int font,
                          bool greek) const {
    const CFontSpec& spec = fonts_[font];
    std::size_t start = 0;
    while (start < text.size()) {
        const char c = text[start];
        if (c == ' ' || c == '\t' || c == '\n' || c == '\r') {
            if (c != '\r')
                wrapper.AddWord(text.substr(start, 1), spec, greek);
            ++start;
            continue;
        }
        const std::size_t end = std::min(text.find_first_of(" \t\n\r", start), text.size());
        wrapper.AddWord(text.substr(start, end - start), spec, greek);
        start = end;
    }
}
