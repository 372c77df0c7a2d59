#include "registers/ZrDb.h"

#include "core/UserOptions.h"
#include "engines/OrbErrors.h"
#include "registers/EngineReplies.h"
#include "registers/ZrDbs.h"

#include <algorithm>

CZrDb::CZrDb(CZrDbs& table, int code, int bitmapId)
    : table_(table), current_(code), cacheEngine_(code), bitmapId_(bitmapId) {}

std::string CZrDb::GetTitle() const {
    return GetLongName() + " to " + GetDataDate().Format();
}

std::string CZrDb::GetAppNumPattern() const {
    return "\\d+";
}

void CZrDb::ApplyRestriction(CCriteria&) const {}

void CZrDb::GetSortKeys(std::span<const std::uint32_t> recordNumbers,
                        std::span<std::uint64_t> keys) const {
    std::transform(
        recordNumbers.begin(), recordNumbers.end(), keys.begin(),
        [this](std::uint32_t record) { return GetSortKey(CMark(record, GetCode(), 0, 0)); });
}

bool CZrDb::HasSound(const CMark&) {
    return false;
}

std::string CZrDb::GetWordMarkText(const CZrData& summary, bool& wide) const {
    wide = false;
    return std::string(summary.GetField("WORDMARK"));
}

std::string CZrDb::GetSummaryText(const CZrData& summary) const {
    std::string text = GetAppNumText(summary) + "  " + std::string(summary.GetField("STATUS"));
    if (const std::string_view classes = summary.GetField("CLASSES"); !classes.empty())
        text += "  Class " + std::string(classes);
    return text;
}

std::string CZrDb::GetAppNumText(const CZrData& text) const {
    return std::string(text.GetField("APPNUM"));
}

std::string CZrDb::GetWordMark(const CMark& mark, bool* wide) {
    const RecordPtr record = FetchSummaryRecord(mark);
    if (wide)
        *wide = record && record->HasField("CHARSET2");
    return record ? std::string(record->GetField("WORDMARK")) : "";
}

std::string CZrDb::GetClasses(const CMark& mark) {
    const RecordPtr record = FetchSummaryRecord(mark);
    return record ? std::string(record->GetField("CLASS")) : "";
}

std::string CZrDb::GetImageStyle(const CMark& mark) {
    const RecordPtr record = FetchTextRecord(mark);
    return record ? std::string(record->GetField("IMSTYLE")) : "";
}

std::string CZrDb::GetMarkAppNum(const CMark& mark) {
    const RecordPtr record = FetchTextRecord(mark);
    return record ? GetAppNumText(*record) : "";
}

bool CZrDb::GetHeaderTexts(const CMark& mark, CHeaderTexts& texts, std::string& errorText) {
    texts = {};
    const RecordPtr record = GetTextRecord(mark, errorText);
    if (!record)
        return false;
    FillHeaderTexts(*record, texts);
    return true;
}

RecordPtr CZrDb::GetSummaryRecord(const CMark& mark, std::string& errorText) {
    return GetRecord(RecordKind::Summary, mark, errorText);
}

RecordPtr CZrDb::GetTextRecord(const CMark& mark, std::string& errorText) {
    return GetRecord(RecordKind::Text, mark, errorText);
}

RecordPtr CZrDb::FetchSummaryRecord(const CMark& mark) {
    return FetchRecord(RecordKind::Summary, mark);
}

RecordPtr CZrDb::FetchTextRecord(const CMark& mark) {
    return FetchRecord(RecordKind::Text, mark);
}

RecordPtr CZrDb::GetRecord(RecordKind kind, const CMark& mark, std::string& errorText) {
    errorText.clear();
    // A hit known only by its application number has no record in the engine's database.
    if (mark.GetRecordNumber() == 0 && mark.GetAppNumber() != 0) {
        errorText = NotInDatabaseText(mark);
        return nullptr;
    }
    RecordPtr record = FetchRecord(kind, mark);
    if (!record) {
        errorText = GetShortName() + " connection error";
        return nullptr;
    }
    if (record->HasField("ERROR")) {
        errorText = record->GetField("ERROR");
        return nullptr;
    }
    return record;
}

std::string CZrDb::NotInDatabaseText(const CMark& mark) const {
    const CZrDb* own = table_.GetDb(mark.GetRegisterCode());
    if (!own)
        return GetShortName() + " Mark not found in current database";
    return GetShortName() + " " + own->FormatMarkAppNum(mark) + " not found in current database";
}

RecordPtr CZrDb::FetchRecord(RecordKind kind, const CMark& mark) {
    const bool summary = kind == RecordKind::Summary;
    CDataCache& cache = summary ? table_.GetSummaryCache() : table_.GetTextCache();
    if (RecordPtr cached = cache.Find(mark))
        return cached;
    const std::string options = BuildLangOptions(!summary);
    OctetSeq_var reply;
    bool found = true;
    const bool answered = CallEngine([&](ZrEngine_ptr engine, CORBA::ULong session) {
        try {
            reply =
                summary
                    ? engine->GetSummaryDetails3(session, mark.GetRecordNumber(), options.c_str())
                    : engine->GetTextDetails2(session, mark.GetRecordNumber(), options.c_str());
        } catch (const TrademarkNotFound&) {
            found = false;
        }
    });
    if (!answered || !found)
        return nullptr;
    if (reply->length() == 0) {
        errorText_ = kEmptyReplyText;
        return nullptr;
    }
    auto record = std::make_shared<CZrData>();
    record->Assign(reply->get_buffer(), reply->length());
    cache.Add(mark, record);
    return record;
}

void CZrDb::FetchSummaryRecords(std::span<const CMark> marks) {
    if (marks.empty())
        return;
    UlongSeq ids(static_cast<CORBA::ULong>(marks.size()));
    ids.length(static_cast<CORBA::ULong>(marks.size()));
    for (std::size_t i = 0; i < marks.size(); ++i)
        ids[static_cast<CORBA::ULong>(i)] = marks[i].GetRecordNumber();
    const std::string options = BuildLangOptions(false);
    OctetSeq_var reply;
    if (!CallEngine([&](ZrEngine_ptr engine, CORBA::ULong session) {
            reply = engine->GetMultiSummaryDetails3(session, ids, options.c_str());
        }))
        return;
    const CRecordBatch batch =
        SplitRecordBatch({reply->get_buffer(), reply->length()}, marks.size());
    CDataCache& cache = table_.GetSummaryCache();
    for (std::size_t i = 0; i < batch.records.size(); ++i) {
        // A record too short for its header holds nothing; a single fetch may do better later.
        if (batch.records[i].size() < CZrData::kHeaderSize)
            continue;
        auto record = std::make_shared<CZrData>();
        record->Assign(batch.records[i].data(), batch.records[i].size());
        cache.Add(marks[i], std::move(record));
    }
    if (!batch.complete)
        errorText_ = kDamagedReplyText;
}

int CZrDb::GetImageInfo(const CMark& mark) {
    if (!IsDeviceMark(mark))
        return 0;
    std::string errorText;
    const RecordPtr record = GetTextRecord(mark, errorText);
    if (!record || !record->HasField("IMINFO"))
        return 1;
    PairList images;
    record->GetPairList("IMINFO", images);
    return static_cast<int>(images.size());
}

bool CZrDb::GetImageEx(const CMark& mark, int imageNumber, CImageSize wanted, CPing& image) {
    CImageCache& cache = table_.GetImageCache();
    CImageSize size = wanted;
    if (const auto png = cache.Find(mark, imageNumber, size))
        return image.SetPngData(png->GetData(), png->GetLength(), size.width, size.height);

    OctetSeq_var reply;
    bool available = true;
    CORBA::ULong width = wanted.width;
    CORBA::ULong height = wanted.height;
    const bool answered = CallEngine([&](ZrEngine_ptr engine, CORBA::ULong session) {
        try {
            const CORBA::ULong record = mark.GetRecordNumber();
            reply = imageNumber == 0
                        ? engine->GetImage2(session, record, width, height)
                        : engine->GetImage3(session, record, static_cast<CORBA::ULong>(imageNumber),
                                            width, height);
        } catch (const DeviceNotAvailable&) {
            available = false;
        } catch (const TrademarkNotFound&) {
            available = false;
        }
    });
    if (!answered || !available)
        return false;
    const std::span<const std::uint8_t> png(reply->get_buffer(), reply->length());
    if (!IsCompletePng(png)) {
        errorText_ = png.empty() ? kEmptyReplyText : kDamagedReplyText;
        return false;
    }
    if (!image.SetPngData(png.data(), png.size(), width, height))
        return false;
    // An image sent smaller than asked is all there is: it answers larger requests too.
    cache.Add(mark, imageNumber, png.data(), png.size(), {width, height}, width < wanted.width,
              height < wanted.height);
    return true;
}

bool CZrDb::GetIcon(const CMark& mark, CPing& image) {
    if (!IsDeviceMark(mark))
        return false;
    const RecordPtr record = FetchSummaryRecord(mark);
    if (!record || !record->HasField("ICON"))
        return false;
    const std::span<const std::uint8_t> dib = record->GetFieldBytes("ICON");
    if (image.LoadIconDib(dib.data(), dib.size()))
        return true;
    errorText_ = kDamagedReplyText;
    return false;
}

void CZrDb::SetEngine(const CZrDbEngine& engine, const std::string& restriction) {
    restriction_ = restriction;
    if (engine == current_)
        return;
    if (ZrEngine_var old = EngineForCall(); !CORBA::is_nil(old)) {
        try {
            old->SetActive(current_.GetSessionId(), false);
        } catch (const CORBA::SystemException&) {
            // An engine that is gone needs no telling; the new one is what matters.
        }
    }
    current_ = engine;
    connectDate_ = CZrDate();
    systemSets_.clear();
    if (current_.IsNil())
        return;
    table_.RecordEngineChoice(GetCode(), current_);
    if (!(current_ == cacheEngine_)) {
        table_.FlushCaches(GetCode());
        cacheEngine_ = current_;
    }
    CallEngine([](ZrEngine_ptr active, CORBA::ULong session) { active->SetActive(session, true); });
    connectDate_ = current_.GetUpToDate();
    ReadSystemSets();
}

void CZrDb::SwitchEngine(const CZrDbEngine& engine) {
    const std::string restriction = restriction_;
    SetEngine(engine, restriction);
}

void CZrDb::ReadSystemSets() {
    StringSeq_var sets;
    if (!CallEngine([&](ZrEngine_ptr engine, CORBA::ULong) { sets = engine->GetSystemSets(); }))
        return;
    for (CORBA::ULong i = 0; i < sets->length(); ++i)
        systemSets_.emplace_back(sets[i].in());
}

void CZrDb::SetErrorText(const CORBA::SystemException& e) {
    errorText_ = SystemExceptionName(e);
}

ZrEngine_var CZrDb::ReferenceForCall(const CZrDbEngine& dbEngine) const {
    ZrEngine_var engine = dbEngine.GetEngine();
    if (!CORBA::is_nil(engine))
        omniORB::setClientCallTimeout(engine, table_.GetCallTimeoutMs());
    return engine;
}
