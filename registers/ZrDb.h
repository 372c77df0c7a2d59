#pragma once
// One searchable trade-mark register: the engine that serves its database now, the records and
// images of its marks (through the register table's caches, else from the engine) and the
// engine's search operations. No engine call lets a CORBA system exception through: its name
// becomes the register's error text and the call gives its empty result (null record, nil
// reference, false, 0, "", zeros). Every call is held to the table's call time-out.
//
// Records are handed out shared and read-only: a record stays as it was for as long as its
// holder keeps it, whatever later fetches put into the caches.
//
// Subclasses supply the register's names, number texts, sort key, device test, summary lines and
// details-header texts; the built-in ones are in BuiltInDbs.h.
//
// A register draws its marks' rows of the list display (the short form) and cells of the icon
// display (the long form) through a drawing surface, with the check box of the view's kind
// (CheckBox.h); sizes, boxes and hit tests all follow from the display fonts (DisplayInfo.h).

#include "core/DrawSurface.h"
#include "core/Mark.h"
#include "core/Ping.h"
#include "core/ZrData.h"
#include "core/ZrDate.h"
#include "engines/ZrDbEngine.h"
#include "registers/ImageCache.h"

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

class CCriteria;
class CDisplayInfo;
class CPresenter;
class CSearch;
class CZrDbs;
struct CDbGroup;

using RecordPtr = std::shared_ptr<const CZrData>;

// The texts of a mark's details header: three lines with a left and a right part each (line 3
// has only a left part), and the word mark below them.
struct CHeaderTexts {
    std::string line1Left;
    std::string line1Right;
    std::string line2Left;
    std::string line2Right;
    std::string line3Left;
    std::string wordMark;
    bool wideWordMark = false; // drawn in the Greek font
};

class CZrDb {
public:
    // Error texts of failures that are no system exception.
    static constexpr const char* kNoEngineText = "No engine connection";
    static constexpr const char* kEmptyReplyText = "Empty reply";
    static constexpr const char* kDamagedReplyText = "Damaged reply";

    // A register without engine for the database code, filed in the table.
    CZrDb(CZrDbs& table, int code, int bitmapId);
    CZrDb(const CZrDb&) = delete;
    CZrDb& operator=(const CZrDb&) = delete;
    virtual ~CZrDb() = default;

    // The database code of the current engine (an engine's 'I' reads 'i').
    int GetCode() const { return current_.GetDbCode(); }
    // The resource id of the register's 18 x 12 flag bitmap; 0 for none.
    int GetBitmapId() const { return bitmapId_; }
    virtual std::string GetShortName() const = 0;
    virtual std::string GetLongName() const = 0;
    // "<long name> to <data date>".
    std::string GetTitle() const;
    virtual bool IsDomainRegister() const { return false; }
    virtual std::vector<std::string> GetCountryCodes() const = 0;
    // The regular expression that application numbers typed for this register must match.
    virtual std::string GetAppNumPattern() const;
    // Narrows the criteria to what the register's restriction allows; most registers have none.
    virtual void ApplyRestriction(CCriteria& criteria) const;
    // The register's own group of the database catalogue; only web-defined registers have one.
    virtual const CDbGroup* GetDbGroup() const { return nullptr; }

    // Marks.
    // The application-number text of the mark's packed number.
    virtual std::string FormatMarkAppNum(const CMark& mark) const = 0;
    // Sets the mark's packed number from its summary record when the mark has none.
    virtual void SetMarkAppNum(CMark& mark, const CZrData& summary) const = 0;
    virtual std::uint64_t GetSortKey(const CMark& mark) const = 0;
    // GetSortKey of the register's marks of many records at once, keys[i] that of
    // recordNumbers[i] (both of one size).
    virtual void GetSortKeys(std::span<const std::uint32_t> recordNumbers,
                             std::span<std::uint64_t> keys) const;
    virtual bool IsDeviceMark(const CMark& mark) const = 0;
    virtual bool HasWordMark(const CMark& mark) const = 0;
    // Whether the mark's text record says it has a sound.
    virtual bool HasSound(const CMark& mark);

    // Texts of a record.
    // The word mark of a summary record; wide tells that it needs the Greek font.
    virtual std::string GetWordMarkText(const CZrData& summary, bool& wide) const;
    // The summary line of a mark row.
    virtual std::string GetSummaryText(const CZrData& summary) const;
    virtual std::string GetAppNumText(const CZrData& text) const;

    // Texts of a mark, fetched as needed; "" (and an empty list) without a record.
    // The word mark of the summary record; wide (when asked) tells it needs the Greek font.
    virtual std::string GetWordMark(const CMark& mark, bool* wide);
    virtual std::string GetClasses(const CMark& mark);
    std::string GetImageStyle(const CMark& mark);
    std::string GetMarkAppNum(const CMark& mark);
    // The lines of a printed mark's title: number, date, status and per register a fourth.
    virtual std::vector<std::string> GetSummaryLines(const CMark& mark) = 0;
    // The details-header texts; false, with the error text, without a text record.
    bool GetHeaderTexts(const CMark& mark, CHeaderTexts& texts, std::string& errorText);
    // Writes the mark's details through the output: the row groups the presentation flags ask
    // for (PresentationFlags.h). Nothing without a text record. The context values go to
    // CPresenter::AppendTo with the application numbers found in the record's notes.
    virtual void PresentRecord(const CMark& mark, CPresenter& output, std::uint32_t flags,
                               int context1, int context2) = 0;

    // Records. The Get forms give an error text to show in place of the record: the register's
    // connection error, the record's own "ERROR" field, or that a mark known only by its
    // application number is not in the current database. The Fetch forms give none.
    RecordPtr GetSummaryRecord(const CMark& mark, std::string& errorText);
    RecordPtr GetTextRecord(const CMark& mark, std::string& errorText);
    RecordPtr FetchSummaryRecord(const CMark& mark);
    RecordPtr FetchTextRecord(const CMark& mark);
    // The summary records of many marks of this register in one engine call, into the summary
    // cache. A reply that ends early keeps the records before the break and sets the error text.
    void FetchSummaryRecords(std::span<const CMark> marks);

    // Images. The number of images of a mark: 0 for a word mark, else the entries of its text
    // record's "IMINFO" list, or 1 without one.
    int GetImageInfo(const CMark& mark);
    // Image `imageNumber` of the mark scaled to fit the size, from the image cache or the engine;
    // false when the mark has no such image or the reply is not a whole PNG (error text set).
    bool GetImageEx(const CMark& mark, int imageNumber, CImageSize wanted, CPing& image);
    bool GetImage(const CMark& mark, CImageSize wanted, CPing& image) {
        return GetImageEx(mark, 0, wanted, image);
    }
    // The icon of a device mark's summary record as PNG; false for a word mark, without icon or
    // when the icon is damaged (error text set).
    bool GetIcon(const CMark& mark, CPing& image);

    // Drawing (ZrDbDrawing.cpp).
    static constexpr int kBitmapWidth = 18;
    static constexpr int kBitmapHeight = 12;
    // The row from its top left: background, icon, word mark, box, flag, summary and a line
    // along its bottom; the record's error text in place of a record that cannot be had. The
    // mark takes its packed number from the record. Returns the row's height.
    int DrawShortForm(CMark& mark, IDrawSurface& surface, const CRect& row, int boxType,
                      bool selected, const CDisplayInfo& info);
    // The cell: background, the icon centred, the box, and grid lines along its bottom and
    // right edges.
    void DrawLongForm(CMark& mark, IDrawSurface& surface, const CRect& cell, int boxType,
                      bool selected, const CDisplayInfo& info);
    // In a Keep list kept marks take the user's kept colours, selected ones white on half the
    // kept background; other marks the standard colours, exchanged when selected.
    void GetRowColours(const CMark& mark, int boxType, bool selected, CColour& text,
                       CColour& background) const;
    int GetShortRowHeight(const CMark& mark, const CDisplayInfo& info) const {
        return CalcShortRowHeight(IsDeviceMark(mark), info);
    }
    // A word mark's row is one line of each font and three quarters; a device mark's at least
    // its icon's height.
    static int CalcShortRowHeight(bool deviceMark, const CDisplayInfo& info);
    static int CalcLongRowHeight(const CDisplayInfo& info);
    // The check boxes: of a row, of an icon cell, and of the details header.
    static CRect GetShortBoxRect(const CRect& row, const CDisplayInfo& info);
    static CRect GetLongBoxRect(const CRect& cell, const CDisplayInfo& info);
    static CRect GetAltBoxRect(const CRect& row, const CDisplayInfo& info);
    static bool HitTestShortBox(const CRect& row, CPoint point, const CDisplayInfo& info);
    static bool HitTestLongBox(const CRect& cell, CPoint point, const CDisplayInfo& info);
    static bool HitTestAltBox(const CRect& row, CPoint point, const CDisplayInfo& info);
    // The details header of the mark in the rectangle: three lines of the register's texts
    // around its flag, the check box of the box type, the face of the sound button and the word
    // mark centred below; the error text in place of a record that cannot be had.
    void DrawFullRecord(const CMark& mark, IDrawSurface& surface, const CRect& rect, int boxType,
                        const CDisplayInfo& info);
    // Where the details header shows the sound button; empty without sound.
    CRect GetSoundIconRect(const CMark& mark, const CRect& row, const CDisplayInfo& info);
    // The summary record's "ICON" in the rectangle.
    void DrawIcon(const CMark& mark, IDrawSurface& surface, const CRect& rect);
    // The record's "ICON0" (PNG) at icon size, else its "ICON" (a packed bitmap) in the icon
    // cell; the image error when neither can be drawn.
    void DrawIconOrImage(const CMark& mark, IDrawSurface& surface, CPoint at, const CZrData& record,
                         const CDisplayInfo& info) const;
    // A packed bitmap at its size, or stretched to the rectangle; false, with nothing drawn,
    // when the bytes do not hold one whole.
    static bool DrawImage(IDrawSurface& surface, const CRect& rect,
                          std::span<const std::uint8_t> dib);
    // The register's flag at (x, y); returns its width.
    virtual int DrawBitmap(IDrawSurface& surface, int x, int y) const;
    // "<name> Could not acceess SGE: 0x<record id>" (and " AppNum: 0x<number>"), or "SGE err"
    // when that does not fit, centred.
    void ReportImageError(const CMark& mark, IDrawSurface& surface, const CRect& rect) const;

    // The engine.
    // Takes the engine and its restriction: the old engine is told it is no longer used, the new
    // one that it is, and its data date and record sets are read. A register whose engine is
    // not the one its cached records came from drops them.
    void SetEngine(const CZrDbEngine& engine, const std::string& restriction);
    // SetEngine with the current restriction.
    void SwitchEngine(const CZrDbEngine& engine);
    const CZrDbEngine& GetDbEngine() const { return current_; }
    // The engine the cached records came from.
    const CZrDbEngine& GetLastEngine() const { return cacheEngine_; }
    const std::string& GetRestriction() const { return restriction_; }
    // The current engine's reference, duplicated, held to the call time-out.
    ZrEngine_var GetEngineObject() const { return EngineForCall(); }
    // The current engine's data date.
    CZrDate GetDataDate() const { return current_.GetUpToDate(); }
    // The data date taken when the engine was set.
    CZrDate GetConnectDate() const { return connectDate_; }
    // The names of the engine's record sets, read when the engine was set.
    const std::vector<std::string>& GetSystemSets() const { return systemSets_; }

    // The engine's operations. Exceptions of the interface other than system ones (rejected
    // criteria, a string not found) pass to the caller.
    ZrEngineSearch_var StartSearch(const CSearch& search, const std::string& client,
                                   const std::string& examId, bool oneClassOnly);
    ZrStringFinder_var CreateStringFinder(const std::string& text, std::uint32_t mode);
    // Which of the marks changed in the record set: the record ids found replace the given
    // ones, at most as many as were given. hitValues go with the record ids of the same index.
    bool CaveatSearch(const std::string& client, const std::string& examId,
                      const std::string& setName, std::vector<std::uint32_t>& recordIds,
                      std::span<const std::uint32_t> hitValues);
    // The text of an old numeric code: kind 0 owner, 1 agent, 2 image category.
    std::string CodeToString(std::uint32_t code, std::uint32_t kind);
    std::uint32_t SgeToAppNum(std::uint32_t recordId);
    // One packed application number per record id; all 0 when the answer is short.
    std::vector<std::uint32_t> SgesToAppNums(std::span<const std::uint32_t> recordIds);
    // Record ids for the packed numbers in recordIds, with the hit values of the same index;
    // all 0 when the answer is short.
    void AppNumsToSges(std::vector<std::uint32_t>& recordIds,
                       std::span<const std::uint32_t> hitValues);
    void FlagSuspectSges(std::span<const std::uint32_t> recordIds);

    // The last failure: a system exception's name or one of the texts above; "" after a call
    // that succeeded.
    const std::string& GetErrorText() const { return errorText_; }
    void SetErrorText(const CORBA::SystemException& e);
    void ClearErrorText() { errorText_.clear(); }

protected:
    // The engine's reference for one call, with the call time-out; nil without engine.
    ZrEngine_var ReferenceForCall(const CZrDbEngine& engine) const;
    // The header texts of a text record.
    virtual void FillHeaderTexts(const CZrData& text, CHeaderTexts& texts) const = 0;

private:
    enum class RecordKind { Summary, Text };

    RecordPtr GetRecord(RecordKind kind, const CMark& mark, std::string& errorText);
    RecordPtr FetchRecord(RecordKind kind, const CMark& mark);
    std::string NotInDatabaseText(const CMark& mark) const;
    ZrEngine_var EngineForCall() const { return ReferenceForCall(current_); }
    // Runs call(engine, session) on the current engine. A system exception becomes the error
    // text and false; success clears the error text.
    template <typename Call>
    bool CallEngine(Call&& call);
    void ReadSystemSets();

    CZrDbs& table_;
    CZrDbEngine current_;
    std::string restriction_;
    CZrDbEngine cacheEngine_;
    std::string errorText_;
    CZrDate connectDate_;
    std::vector<std::string> systemSets_;
    int bitmapId_;
};

template <typename Call>
bool CZrDb::CallEngine(Call&& call) {
    ZrEngine_var engine = EngineForCall();
    if (CORBA::is_nil(engine)) {
        errorText_ = kNoEngineText;
        return false;
    }
    try {
        call(engine.in(), current_.GetSessionId());
    } catch (const CORBA::SystemException& e) {
        SetErrorText(e);
        return false;
    }
    ClearErrorText();
    return true;
}
