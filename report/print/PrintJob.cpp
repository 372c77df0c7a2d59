#include "report/print/PrintJob.h"

#include "app/document/Progress.h"
#include "report/print/PrintData.h"
#include "report/print/PrintRegisters.h"

#include <algorithm>
#include <climits>

namespace {

// The length of a face name that a printer's font table holds.
constexpr std::size_t kMaxFaceLength = 32;

// The printable area of a page: moved up and left a little, less the margins.
CRect PrintableRect(CSize page, const CMarginRect& margins) {
    return {-5 + margins.left, -5 + margins.top, page.width - 6 - margins.right,
            page.height - 6 - margins.bottom};
}

} // namespace

CZrPrintJob::CZrPrintJob(IPrintRegisters& registers, const CUserOptions& options,
                         std::function<CZrDate()> today)
    : registers_(registers), options_(options), today_(std::move(today)) {}

void CZrPrintJob::OnBeginPrinting(IDrawSurface& surface, const CZrDocData& document) {
    document_ = &document;
    heading_ = options_.GetPageHeading();
    options_.GetPrintLines(verticalLines_, horizontalLines_);
    printCriteria_ = options_.GetPrintCriteria();
    hideDuplicates_ = options_.GetHideDuplicates();
    options_.FillDisplayMapper(displayMapper_);

    int mainSize = 0;
    int wordmarkSize = 0;
    const std::string mainFace = options_.GetPrinterMainFont(mainSize).substr(0, kMaxFaceLength);
    const std::string wordmarkFace =
        options_.GetPrinterWordmarkFont(wordmarkSize).substr(0, kMaxFaceLength);
    for (int index = 0; index < static_cast<int>(fonts_.size()); ++index) {
        CFontSpec& font = fonts_[index];
        const bool wordmark = (index & kFontWordmark) != 0;
        font.face = wordmark ? wordmarkFace : mainFace;
        font.points = wordmark ? wordmarkSize : mainSize;
        font.weight = (index & kFontBold) ? CFontSpec::kBold : CFontSpec::kNormal;
        font.italic = (index & kFontItalic) != 0;
        font.greek = (index & kFontGreek) != 0;
    }

    CMarginRect margins;
    options_.GetPageMargins(margins);
    rect_ = PrintableRect(surface.GetPageSize(), margins);
    dotsPerInch_ = surface.GetDotsPerInch().height;
    surface.SetFont(fonts_[0]);
    lineHeight_ = surface.GetFontMetrics().LineHeight();
    halfLine_ = lineHeight_ / 2;
    classColumnWidth_ = surface.GetTextExtent("Class US88").width + 2 * halfLine_;
    labelColumnWidth_ = halfLine_ + surface.GetTextExtent("Device Classification:").width;
    surface.SetFont(fonts_[kFontWordmark]);
    textLineHeight_ = surface.GetFontMetrics().LineHeight();

    pages_.clear();
    next_ = {};
    layoutDone_ = false;
    collectedSection_ = -1;
    laterHeadingBottom_ = PrintHeading(surface, false, 2, 0);
}

const CZrPrintPage* CZrPrintJob::LayoutPage(IDrawSurface& surface, int n) {
    while (GetPageCount() < n && !layoutDone_)
        layoutDone_ = !LayoutNextPage(surface);
    return n >= 1 && n <= GetPageCount() ? &pages_[n - 1] : nullptr;
}

int CZrPrintJob::LayoutAllPages(IDrawSurface& surface, IProgress* progress) {
    if (!progress) {
        LayoutPage(surface, INT_MAX);
        return GetPageCount();
    }
    // The marks of the sections before each section, and of them all.
    const int sectionCount = document_->GetSectionCount();
    std::vector<int> marksBefore{0};
    for (int section = 0; section < sectionCount; ++section)
        marksBefore.push_back(marksBefore.back() +
                              static_cast<int>(PrintedMarks(*document_, section).size()));
    progress->SetRange(marksBefore.back(), 0, 100);
    while (!layoutDone_ && !progress->IsCancelled()) {
        LayoutPage(surface, GetPageCount() + 1);
        const int section = std::min(next_.section, sectionCount);
        progress->SetProgress("Laying out page " + std::to_string(GetPageCount()),
                              marksBefore[section] + next_.markIndex);
    }
    if (layoutDone_)
        progress->Finish();
    return GetPageCount();
}

bool CZrPrintJob::LayoutNextPage(IDrawSurface& surface) {
    const int number = GetPageCount() + 1;
    const int sectionCount = document_->GetSectionCount();
    // Sections with nothing to print are passed over, so that no page but the first is empty.
    for (; next_.section < sectionCount && next_.AtSectionStart(); next_.NextSection()) {
        CollectSection();
        if (!sectionMarks_.empty() || SearchesRemain())
            break;
    }
    if (next_.section >= sectionCount && number > 1)
        return false;

    CZrPrintPage page;
    page.start = next_;
    int y = PrintHeading(surface, false, number, next_.section);
    if (next_.section < sectionCount) {
        CollectSection();
        if (!next_.marksDone)
            LayoutMarks(surface, page, y);
        // Criteria have pages of their own.
        if (next_.marksDone && page.items.empty() && SearchesRemain())
            LayoutCriteria(surface, page, y);
        if (next_.marksDone && !SearchesRemain())
            next_.NextSection();
    }
    page.bottom = y;
    pages_.push_back(std::move(page));
    return true;
}

void CZrPrintJob::CollectSection() {
    if (collectedSection_ == next_.section)
        return;
    collectedSection_ = next_.section;
    sectionMarks_ = PrintedMarks(*document_, next_.section);
    sectionSearches_.clear();
    if (printCriteria_) {
        TVmRec<int> indexes;
        document_->FilterSearches(MakeSectionFilter(next_.section, false), indexes);
        for (int i = 0; i < indexes.GetSize(); ++i)
            sectionSearches_.push_back(indexes.GetAt(i));
    }
}

bool CZrPrintJob::SearchesRemain() const {
    return printCriteria_ && next_.searchIndex < static_cast<int>(sectionSearches_.size());
}

void CZrPrintJob::LayoutMarks(IDrawSurface& surface, CZrPrintPage& page, int& y) {
    const int middle = rect_.top + rect_.Height() / 2;
    const int count = static_cast<int>(sectionMarks_.size());
    while (next_.markIndex < count) {
        CZrPrintItem item =
            MeasureItem(surface, sectionMarks_[next_.markIndex], next_.part, next_.position);
        item.top = y;
        if (y + item.height > rect_.bottom) {
            const bool first = page.items.empty();
            const bool fitsEmptyPage = item.height < rect_.bottom - laterHeadingBottom_;
            if (!first && (fitsEmptyPage || y > middle))
                return;
            if (!SplitItem(item, y, !first))
                return;
            item.height = ItemHeight(item);
        }
        y += item.height;
        const bool whole = item.endPart == kPartWhole;
        page.items.push_back(std::move(item));
        if (!whole) {
            next_.part = page.items.back().endPart;
            next_.position = page.items.back().endPosition;
            return;
        }
        ++next_.markIndex;
        next_.part = 0;
        next_.position = 0;
        if (next_.markIndex < count && StartsNewPage(sectionMarks_[next_.markIndex]))
            return;
    }
    next_.marksDone = true;
}

void CZrPrintJob::LayoutCriteria(IDrawSurface& surface, CZrPrintPage& page, int& y) {
    page.criteria = true;
    while (SearchesRemain()) {
        const CSearch& search = document_->GetSearch(sectionSearches_[next_.searchIndex]);
        const int bottom = PrintCriteria(surface, false, search, y);
        if (bottom > rect_.bottom && !page.searchIds.empty())
            return;
        page.searchIds.push_back(search.GetSearchId());
        page.searchTops.push_back(y);
        y = bottom;
        ++next_.searchIndex;
    }
}

CZrPrintItem CZrPrintJob::MeasureItem(IDrawSurface& surface, const CMark& mark, int part,
                                      int position) {
    CZrPrintItem item;
    item.mark = mark;
    item.startPart = part;
    item.startPosition = position;
    item.printClass = !item.IsContinued();
    if (item.printClass)
        item.classLines = PrintClassColumn(surface, false, mark, 0);
    if (IPrintDb* db = DbOf(mark)) {
        const int device = FormatOf(mark).device;
        if (device == 1)
            item.styleLines = PrintImageStyle(surface, false, 0, mark, 0, INT_MAX);
        else if (device >= 2)
            BuildDevices(*db, item);
        item.textLines = PrintWordMark(surface, false, 0, mark, 0, INT_MAX);
    }
    item.detailLines = PrintMarkDetails(surface, false, 0, item, 0, INT_MAX);
    item.height = ItemHeight(item);
    return item;
}

bool CZrPrintJob::SplitItem(CZrPrintItem& item, int y, bool mayWait) const {
    int space = rect_.bottom - y - halfLine_ - lineHeight_;
    bool placedAny = false;
    for (int part = item.startPart; part < kPartWhole; ++part) {
        const int rows = PartRowCount(item, part);
        for (int row = item.First(part); row < rows; ++row) {
            const int height = PartRowHeight(item, part, row);
            if (height > space) {
                if (!placedAny && mayWait)
                    return false;
                // A page takes at least one row or line, so that every page makes headway.
                if (!placedAny)
                    ++row;
                item.endPart = part;
                item.endPosition = row;
                if (row == rows) {
                    ++item.endPart;
                    item.endPosition = 0;
                }
                return true;
            }
            space -= height;
            placedAny = true;
        }
    }
    item.endPart = kPartWhole;
    item.endPosition = 0;
    return true;
}

int CZrPrintJob::ItemHeight(const CZrPrintItem& item) const {
    int parts = 0;
    for (int part = item.startPart; part < kPartWhole && part <= item.endPart; ++part) {
        const int end = std::min(item.End(part), PartRowCount(item, part));
        for (int row = item.First(part); row < end; ++row)
            parts += PartRowHeight(item, part, row);
    }
    const int classes = item.printClass ? item.classLines * lineHeight_ : lineHeight_;
    return halfLine_ + std::max(lineHeight_ + parts, classes);
}

int CZrPrintJob::PartRowCount(const CZrPrintItem& item, int part) const {
    switch (part) {
    case kPartDevices:
        return item.styleLines > 0 ? item.styleLines : item.devices.GetRowCount();
    case kPartWordMark:
        return item.textLines;
    default:
        return item.detailLines;
    }
}

int CZrPrintJob::PartRowHeight(const CZrPrintItem& item, int part, int row) const {
    switch (part) {
    case kPartDevices:
        return item.styleLines > 0 ? lineHeight_
                                   : item.devices.GetGap() + item.devices.GetRowHeight(row);
    case kPartWordMark:
        return WordMarkLineHeight(item.mark);
    default:
        return lineHeight_;
    }
}

bool CZrPrintJob::StartsNewPage(const CMark& mark) const {
    return FormatOf(mark).printOnNewPage;
}

const CFormatBlock& CZrPrintJob::FormatOf(const CMark& mark) const {
    return mark.HasFlag(CMark::kLong) ? options_.GetLongFormat() : options_.GetShortFormat();
}

int CZrPrintJob::DeviceBox(const CMark& mark, IPrintDb& db, int deviceSetting) const {
    switch (deviceSetting) {
    case 2:
        return 2 * dotsPerInch_ / 3;
    case 3:
        return rect_.Height() / 8;
    default: {
        const int images = db.GetImageCount(mark);
        const int perPage = images >= 6 ? 6 : images >= 4 ? 5 : images >= 2 ? 4 : 3;
        return rect_.Height() / perPage;
    }
    }
}

void CZrPrintJob::BuildDevices(IPrintDb& db, CZrPrintItem& item) const {
    const CMark& mark = item.mark;
    const int box = DeviceBox(mark, db, FormatOf(mark).device);
    item.devices.Build(db, mark, TextRight() - TextLeft(), box, halfLine_);
    CPing icon;
    if (item.devices.GetImageCount() == 0 && db.GetIcon(mark, icon))
        item.devices.SetSingle(2 * dotsPerInch_ / 3, halfLine_);
}

int CZrPrintJob::WordMarkLineHeight(const CMark& mark) const {
    return FormatOf(mark).bigFontWordmark ? textLineHeight_ : lineHeight_;
}

IPrintDb* CZrPrintJob::DbOf(const CMark& mark) const {
    return registers_.GetDb(mark.GetRegisterCode());
}
