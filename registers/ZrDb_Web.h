#pragma once
// A register whose code the program has not built in: the engine that serves it describes it in
// a layout record (GetLayout): its names, countries, number format, flag, the templates of its
// summary and details header (WebTemplate.h), the rows of its details and its group of the
// database catalogue. Discovery makes one with CreateWebDb for each such code and hands it to
// CZrDbs::AddWebDb.

#include "core/Ping.h"
#include "registers/DbSelection.h"
#include "registers/ZrDb.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

// One row definition of a web register's details, from a layout text "kind|label|template": the
// kind a presentation flag (or its name, PresentationFlags.h), the label and the template each
// led by a style letter ("B" bold, "I" italic, anything else plain). The text "force-break"
// defines a paragraph break instead.
class CZrDb_WebField {
public:
    explicit CZrDb_WebField(std::string_view definition);
    virtual ~CZrDb_WebField() = default;

    std::uint32_t GetKind() const { return kind_; }
    bool IsForceBreak() const { return forceBreak_; }
    unsigned GetStyle() const { return style_; }
    const std::string& GetLabel() const { return label_; }
    const std::string& GetTemplate() const { return template_; }

private:
    std::uint32_t kind_ = 0;
    bool forceBreak_ = false;
    unsigned style_ = 0;
    std::string label_;
    std::string template_;
};

class CZrDb_Web : public CZrDb {
public:
    // A register with an empty layout; LoadLayout fills it.
    CZrDb_Web(CZrDbs& table, int code);

    // Asks the engine for the layout and takes it. An engine without one (it raises
    // TrademarkNotFound, which reaches the client as CORBA::UNKNOWN since the interface does not
    // declare it) leaves the register as it was, with no error text; a system exception leaves
    // it as it was with the exception's name as error text. Either way the register stays
    // usable.
    void LoadLayout(const CZrDbEngine& engine);
    // Takes a layout record; clears the error text. A flag that is neither a whole PNG nor a
    // sound bitmap file is dropped.
    void SetLayout(const CZrData& layout);

    std::string GetShortName() const override { return shortName_; }
    std::string GetLongName() const override { return longName_; }
    std::vector<std::string> GetCountryCodes() const override;
    std::string GetAppNumPattern() const override { return appNumPattern_; }
    const CDbGroup* GetDbGroup() const override { return &group_; }

    std::string FormatMarkAppNum(const CMark& mark) const override;
    // A web register never sets a mark's packed number.
    void SetMarkAppNum(CMark&, const CZrData&) const override {}
    std::uint64_t GetSortKey(const CMark& mark) const override;
    bool IsDeviceMark(const CMark& mark) const override { return mark.GetRecordNumber() & 0x1; }
    bool HasWordMark(const CMark&) const override { return true; }
    bool HasSound(const CMark&) override { return false; }

    std::string GetWordMarkText(const CZrData& summary, bool& wide) const override;
    std::string GetSummaryText(const CZrData& summary) const override;
    std::vector<std::string> GetSummaryLines(const CMark& mark) override;
    void PresentRecord(const CMark& mark, CPresenter& output, std::uint32_t flags, int context1,
                       int context2) override;

    // The flag as PNG; empty when the layout has none (rows and the header then draw no flag).
    const CPing& GetFlagImage() const { return flag_; }
    int DrawBitmap(IDrawSurface& surface, int x, int y) const override;
    const std::vector<CZrDb_WebField>& GetFields() const { return fields_; }

protected:
    void FillHeaderTexts(const CZrData& text, CHeaderTexts& texts) const override;

private:
    std::string shortName_;
    std::string longName_;
    std::string countryCodes_;
    int appNumFormat_ = 0;
    std::string appNumPattern_;
    CPing flag_;
    std::string wordMarkTemplate_;
    std::string summaryTemplate_;
    std::string line1LeftTemplate_;
    std::string line1RightTemplate_;
    std::string line2LeftTemplate_;
    std::string line2RightTemplate_;
    std::string line3LeftTemplate_;
    std::vector<CZrDb_WebField> fields_;
    CDbGroup group_;
};

// The register of a code the program has not built in, described by the engine's layout.
std::unique_ptr<CZrDb> CreateWebDb(CZrDbs& table, int code, const CZrDbEngine& engine);
