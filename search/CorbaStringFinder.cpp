#include "search/CorbaStringFinder.h"

#include "registers/ZrDbs.h"
#include "search/StringFinderMerge.h"

CCorbaStringFinder::CCorbaStringFinder(ZrStringFinder_ptr finder, unsigned callTimeoutMs)
    : finder_(ZrStringFinder::_duplicate(finder)) {
    omniORB::setClientCallTimeout(finder_, callTimeoutMs);
}

bool CCorbaStringFinder::GetStrings(std::int32_t from, std::int32_t to,
                                    std::vector<CFinderReplyEntry>& entries) {
    FoundStringSeq_var reply;
    try {
        // Indexes before the located entry travel as large unsigned numbers.
        reply = finder_->GetStrings(static_cast<CORBA::ULong>(from), static_cast<CORBA::ULong>(to));
    } catch (const CORBA::SystemException&) {
        return false;
    }
    entries.clear();
    entries.reserve(reply->length());
    for (CORBA::ULong i = 0; i < reply->length(); ++i) {
        const FoundStringEntry& entry = reply[i];
        entries.push_back({entry.position, entry.count, entry.text.in()});
    }
    return true;
}

void CCorbaStringFinder::Dispose() {
    try {
        finder_->Dispose();
    } catch (const CORBA::SystemException&) {
        // The finder is gone with its engine, or will go when the engine ends the session.
    }
}

std::unique_ptr<IRemoteStringFinder>
CRegisterStringFinders::Create(char code, const std::string& text, int mode) {
    CZrDb* db = table_.GetDb(static_cast<unsigned char>(code));
    if (!db)
        return nullptr;
    ZrStringFinder_var finder;
    try {
        finder = db->CreateStringFinder(text, static_cast<std::uint32_t>(mode));
    } catch (const LocateStringNotFound&) {
        // The register holds nothing to show for the text.
        return nullptr;
    }
    if (CORBA::is_nil(finder))
        return nullptr;
    return std::make_unique<CCorbaStringFinder>(finder.in(), table_.GetCallTimeoutMs());
}

std::unique_ptr<IRemoteStringFinder>
CEngineSetStringFinders::Create(char code, const std::string& text, int mode) {
    const CZrDbEngine* dbEngine = engines_.FindEngine(static_cast<unsigned char>(code));
    if (!dbEngine || dbEngine->IsNil())
        return nullptr;
    ZrEngine_var engine = dbEngine->GetEngine();
    omniORB::setClientCallTimeout(engine, callTimeoutMs_);
    ZrStringFinder_var finder;
    try {
        finder = engine->CreateStringFinder2(dbEngine->GetSessionId(), text.c_str(),
                                             static_cast<CORBA::ULong>(mode));
    } catch (const CORBA::SystemException&) {
        return nullptr;
    } catch (const LocateStringNotFound&) {
        return nullptr;
    }
    if (CORBA::is_nil(finder))
        return nullptr;
    return std::make_unique<CCorbaStringFinder>(finder.in(), callTimeoutMs_);
}

std::unique_ptr<CMergedStringList> CEngineSetStringFinders::OpenMerge(const std::string& text,
                                                                      int mode, int pageSize) {
    auto merge = std::make_unique<CStringFinderMergeCache>(text, mode);
    bool any = false;
    for (const char code : engines_.GetCodes()) {
        if (std::unique_ptr<IRemoteStringFinder> finder = Create(code, text, mode)) {
            merge->AddFinder(code, std::move(finder), 0, pageSize);
            any = true;
        }
    }
    if (!any)
        return nullptr;
    merge->Prime();
    return merge;
}
