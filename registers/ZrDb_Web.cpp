#include "registers/ZrDb_Web.h"

#include "core/Tokeniser.h"
#include "registers/AsciiText.h"
#include "registers/FlagImage.h"
#include "registers/PresentationFlags.h"
#include "registers/RecordRows.h"
#include "registers/WebTemplate.h"
#include "report/presenter/Presenter.h"

#include <charconv>

namespace {

constexpr std::string_view kForceBreak = "force-break";
// The number format whose packed numbers keep the number above their low byte.
constexpr int kShiftedAppNums = 2;
// The register's place among the registers' sort keys, after the built-in ones.
constexpr std::uint32_t kSortOrdinal = 0x8000000E;

std::string_view Item(const std::vector<std::string>& items, std::size_t index) {
    return index < items.size() ? std::string_view(items[index]) : std::string_view();
}

// A leading digit makes a number of the kind, else the kind's name gives it.
std::uint32_t ParseKind(std::string_view text) {
    if (text.empty() || !IsAsciiDigit(text.front()))
        return FieldKindFromName(text);
    std::uint32_t kind = 0;
    std::from_chars(text.data(), text.data() + text.size(), kind);
    return kind;
}

// The style bits of an item's leading style letter.
unsigned StyleOf(std::string_view item, unsigned bold, unsigned italic) {
    const char letter = item.empty() ? '\0' : item.front();
    return letter == 'B' || letter == 'b' ? bold : letter == 'I' || letter == 'i' ? italic : 0;
}

std::string AfterStyleLetter(std::string_view item) {
    return std::string(item.empty() ? item : item.substr(1));
}

CDbEntry ParseDbEntry(std::string_view text) {
    const std::vector<std::string> items = SplitLayoutItems(text);
    CDbEntry entry;
    entry.id = Item(items, 0);
    entry.letter = Item(items, 1).empty() ? '\0' : Item(items, 1).front();
    entry.displayName = Item(items, 2);
    entry.filter = Item(items, 3);
    entry.selected = StartsWithNoCase(Item(items, 4), "Y");
    return entry;
}

// Which flags show the names and addresses of one list of parties.
struct CPartyRule {
    std::string_view field;
    std::uint32_t firstName;
    std::uint32_t firstAddress;
    std::uint32_t furtherNames;
    std::uint32_t furtherAddresses;
};
constexpr CPartyRule kOwners = {"PROPS", kPresentOwnerName, kPresentOwnerAddress,
                                kPresentFurtherOwners, kPresentFurtherAddresses};
constexpr CPartyRule kServices = {"SERVS", kPresentServiceNames, kPresentServiceAddresses,
                                  kPresentServiceNames, kPresentServiceAddresses};
constexpr CPartyRule kAgents = {"AGENTS", kPresentAgentNames, kPresentAgentAddresses,
                                kPresentAgentNames, kPresentAgentAddresses};

// Writes the rows of a web register's details, turning break definitions into paragraphs only
// where a row came before, so that no paragraph is ever empty.
class CWebRows {
public:
    CWebRows(const CZrData& record, CPresenter& output, std::uint32_t flags)
        : record_(record), output_(output), flags_(flags) {}

    void Present(const CZrDb_WebField& field) {
        if (field.IsForceBreak()) {
            breakPending_ = true;
            return;
        }
        if ((field.GetKind() & flags_) == 0)
            return;
        switch (field.GetKind()) {
        case kPresentGoods:
            Goods(field.GetLabel());
            break;
        case kPresentOwnerName:
            Parties(field.GetLabel(), kOwners);
            break;
        case kPresentServiceNames:
            Parties(field.GetLabel(), kServices);
            break;
        case kPresentAgentNames:
            Parties(field.GetLabel(), kAgents);
            break;
        case kPresentDevices:
            Devices();
            break;
        default:
            Row(kFieldPlain, field.GetLabel(), ExpandTemplate(field.GetTemplate(), record_),
                field.GetStyle());
        }
    }

private:
    bool Wants(std::uint32_t flag) const { return (flags_ & flag) != 0; }

    void Row(int kind, std::string_view label, std::string_view value, unsigned style) {
        if (value.empty())
            return;
        if (breakPending_) {
            if (rowWritten_)
                output_.RequestParagraph();
            breakPending_ = rowWritten_ = false;
        }
        output_.AddField(kind, label, value, style, kTextLatin, false, false);
        rowWritten_ = true;
    }

    void Goods(const std::string& label) {
        PairList goods;
        record_.GetPairList("GOODS", goods);
        for (const auto& [niceClass, text] : goods)
            Row(kFieldGoods, label + niceClass + ": ", text, kStyleLabelBold);
    }

    void Parties(std::string_view label, const CPartyRule& rule) {
        if (!Wants(rule.firstName))
            return;
        PairList parties;
        record_.GetPairList(rule.field, parties);
        for (std::size_t i = 0; i < parties.size(); ++i) {
            const bool first = i == 0;
            if (!first && !Wants(rule.furtherNames))
                break;
            Row(kFieldPlain, label, parties[i].first, kStyleLabelBold);
            if (Wants(first ? rule.firstAddress : rule.furtherAddresses))
                Row(kFieldPlain, "", parties[i].second, 0);
        }
    }

    void Devices() {
        for (const std::string& category : StringListItems(record_, "DEVCATS"))
            Row(kFieldPlain, "Device:", category, kStyleLabelBold);
    }

    const CZrData& record_;
    CPresenter& output_;
    std::uint32_t flags_;
    bool breakPending_ = false;
    bool rowWritten_ = false; // since the last paragraph
};

} // namespace

CZrDb_WebField::CZrDb_WebField(std::string_view definition) {
    if (EqualsNoCase(definition, kForceBreak)) {
        forceBreak_ = true;
        return;
    }
    const std::vector<std::string> items = SplitLayoutItems(definition);
    kind_ = ParseKind(Item(items, 0));
    const std::string_view label = Item(items, 1);
    const std::string_view value = Item(items, 2);
    style_ = StyleOf(label, kStyleLabelBold, kStyleLabelItalic) |
             StyleOf(value, kStyleTextBold, kStyleTextItalic);
    label_ = AfterStyleLetter(label);
    template_ = AfterStyleLetter(value);
}

CZrDb_Web::CZrDb_Web(CZrDbs& table, int code) : CZrDb(table, code, 0) {}

void CZrDb_Web::LoadLayout(const CZrDbEngine& engine) {
    ZrEngine_var reference = ReferenceForCall(engine);
    if (CORBA::is_nil(reference))
        return;
    OctetSeq_var reply;
    try {
        reply = reference->GetLayout();
    } catch (const CORBA::UNKNOWN& e) {
        // An engine without a layout raises TrademarkNotFound, which the interface does not
        // declare: it arrives as an unknown user exception and means no layout, not a failure.
        if (e.minor() == omni::UNKNOWN_UserException)
            ClearErrorText();
        else
            SetErrorText(e);
        return;
    } catch (const CORBA::SystemException& e) {
        SetErrorText(e);
        return;
    }
    CZrData layout;
    if (reply->length() > 0)
        layout.Assign(reply->get_buffer(), reply->length());
    SetLayout(layout);
}

void CZrDb_Web::SetLayout(const CZrData& layout) {
    auto text = [&](std::string_view name) { return std::string(layout.GetField(name)); };
    shortName_ = text("shortName");
    longName_ = text("longName");
    countryCodes_ = text("associatedCountryCodes");
    appNumFormat_ = layout.GetInt("appNumFormat");
    appNumPattern_ = text("tmNumFormat");
    wordMarkTemplate_ = text("sum1");
    summaryTemplate_ = text("sum2");
    line1LeftTemplate_ = text("detSum1Left");
    line1RightTemplate_ = text("detSum1Right");
    line2LeftTemplate_ = text("detSum2Left");
    line2RightTemplate_ = text("detSum2Right");
    line3LeftTemplate_ = text("detSum3Left");

    fields_.clear();
    for (const std::string& definition : StringListItems(layout, "details"))
        fields_.emplace_back(definition);

    flag_ = CPing();
    if (layout.HasField("flag"))
        LoadFlagImage(layout.GetFieldBytes("flag"), flag_);

    group_ = CDbGroup();
    group_.code = shortName_;
    group_.name = text("regionName");
    group_.secondKind = true;
    for (const std::string& database : StringListItems(layout, "selection"))
        group_.databases.push_back(ParseDbEntry(database));
    ClearErrorText();
}

std::vector<std::string> CZrDb_Web::GetCountryCodes() const {
    std::vector<std::string> codes;
    CTokeniser tokeniser(countryCodes_, " ,");
    while (!tokeniser.AtEnd()) {
        bool isDelimiter = false;
        std::string code = tokeniser.NextToken(&isDelimiter);
        if (!isDelimiter)
            codes.push_back(std::move(code));
    }
    return codes;
}

std::string CZrDb_Web::FormatMarkAppNum(const CMark& mark) const {
    std::uint32_t number = static_cast<std::uint32_t>(mark.GetAppNumber());
    if (appNumFormat_ == kShiftedAppNums)
        number >>= 8;
    return std::to_string(number);
}

std::uint64_t CZrDb_Web::GetSortKey(const CMark& mark) const {
    // The status sits in bits 29-30 of a web register's record ids; it moves to where the
    // built-in registers keep theirs.
    const std::uint32_t r = mark.GetRecordNumber();
    const std::uint32_t high = kSortOrdinal | ((r >> 7) & 0x00C00000);
    const std::uint32_t low = (r >> 1) & 0x0FFFFFFF;
    return (static_cast<std::uint64_t>(high) << 32) | low;
}

std::string CZrDb_Web::GetWordMarkText(const CZrData& summary, bool& wide) const {
    wide = false;
    return ExpandTemplate(wordMarkTemplate_, summary);
}

std::string CZrDb_Web::GetSummaryText(const CZrData& summary) const {
    return ExpandTemplate(summaryTemplate_, summary);
}

std::vector<std::string> CZrDb_Web::GetSummaryLines(const CMark& mark) {
    std::string errorText;
    const RecordPtr record = GetTextRecord(mark, errorText);
    if (!record)
        return {};
    std::string date = "No Date";
    for (const auto& [label, field] : {std::pair{"Reg: ", "REGDATE"}, std::pair{"App: ", "APPDATE"},
                                       std::pair{"Pub: ", "PUBDATE"}}) {
        if (const std::string_view value = record->GetField(field); !value.empty()) {
            date = label + std::string(value);
            break;
        }
    }
    return {GetShortName() + " " + std::string(record->GetField("APPNUM")), date,
            std::string(record->GetField("STATUS"))};
}

void CZrDb_Web::PresentRecord(const CMark& mark, CPresenter& output, std::uint32_t flags,
                              int /*context1*/, int /*context2*/) {
    std::string errorText;
    const RecordPtr record = GetTextRecord(mark, errorText);
    if (!record)
        return;
    CWebRows rows(*record, output, flags);
    for (const CZrDb_WebField& field : fields_)
        rows.Present(field);
}

void CZrDb_Web::FillHeaderTexts(const CZrData& text, CHeaderTexts& texts) const {
    texts.line1Left = ExpandTemplate(line1LeftTemplate_, text);
    texts.line1Right = ExpandTemplate(line1RightTemplate_, text);
    texts.line2Left = ExpandTemplate(line2LeftTemplate_, text);
    texts.line2Right = ExpandTemplate(line2RightTemplate_, text);
    texts.line3Left = ExpandTemplate(line3LeftTemplate_, text);
    texts.wordMark = GetWordMarkText(text, texts.wideWordMark);
}

std::unique_ptr<CZrDb> CreateWebDb(CZrDbs& table, int code, const CZrDbEngine& engine) {
    auto db = std::make_unique<CZrDb_Web>(table, code);
    db->LoadLayout(engine);
    return db;
}

int CZrDb_Web::DrawBitmap(IDrawSurface& surface, int x, int y) const {
    std::size_t length = 0;
    const std::uint8_t* png = flag_.GetPngData(length);
    if (!png || length == 0)
        return 0;
    surface.DrawImage(EImageFormat::Png, {png, length}, {x, y});
    // The engine's flag need not have the built-in flags' width; the header's text follows it.
    return static_cast<int>(flag_.GetWidth());
}
