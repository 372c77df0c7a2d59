// The engine's search operations as the register offers them.

#include "core/Search.h"
#include "registers/ZrDb.h"

#include <algorithm>

namespace {

UlongSeq ToUlongSeq(std::span<const std::uint32_t> values) {
    UlongSeq sequence(static_cast<CORBA::ULong>(values.size()));
    sequence.length(static_cast<CORBA::ULong>(values.size()));
    for (std::size_t i = 0; i < values.size(); ++i)
        sequence[static_cast<CORBA::ULong>(i)] = values[i];
    return sequence;
}

// Pairs of (hit value, record id or number) as the engine takes them; a missing hit value is 0.
UlongPairSeq ToPairs(std::span<const std::uint32_t> values,
                     std::span<const std::uint32_t> hitValues) {
    UlongPairSeq pairs(static_cast<CORBA::ULong>(values.size()));
    pairs.length(static_cast<CORBA::ULong>(values.size()));
    for (std::size_t i = 0; i < values.size(); ++i) {
        pairs[static_cast<CORBA::ULong>(i)].first = i < hitValues.size() ? hitValues[i] : 0;
        pairs[static_cast<CORBA::ULong>(i)].second = values[i];
    }
    return pairs;
}

// The answer's first `count` values; false, and count zeros, when the answer is shorter.
bool TakeValues(const UlongSeq& answer, std::size_t count, std::vector<std::uint32_t>& values) {
    values.assign(count, 0);
    if (answer.length() < count)
        return false;
    for (std::size_t i = 0; i < count; ++i)
        values[i] = answer[static_cast<CORBA::ULong>(i)];
    return true;
}

} // namespace

ZrEngineSearch_var CZrDb::StartSearch(const CSearch& search, const std::string& client,
                                      const std::string& examId, bool oneClassOnly) {
    const std::string criteria = search.GetCriteria().WriteEngineText();
    ZrEngineSearch_var started;
    CallEngine([&](ZrEngine_ptr engine, CORBA::ULong session) {
        CORBA::Boolean running = false;
        started =
            engine->StartSearch2(session, criteria.c_str(), restriction_.c_str(), client.c_str(),
                                 examId.c_str(), oneClassOnly ? 1 : 0, running);
    });
    return started;
}

ZrStringFinder_var CZrDb::CreateStringFinder(const std::string& text, std::uint32_t mode) {
    ZrStringFinder_var finder;
    CallEngine([&](ZrEngine_ptr engine, CORBA::ULong session) {
        finder = engine->CreateStringFinder2(session, text.c_str(), mode);
    });
    return finder;
}

bool CZrDb::CaveatSearch(const std::string& client, const std::string& examId,
                         const std::string& setName, std::vector<std::uint32_t>& recordIds,
                         std::span<const std::uint32_t> hitValues) {
    const UlongPairSeq pairs = ToPairs(recordIds, hitValues);
    UlongSeq_var found;
    if (!CallEngine([&](ZrEngine_ptr engine, CORBA::ULong session) {
            found = engine->CaveatSearchByAppNum(session, client.c_str(), examId.c_str(),
                                                 setName.c_str(), pairs);
        })) {
        recordIds.clear();
        return false;
    }
    // No more than were given: the caller made room for those.
    recordIds.resize(std::min<std::size_t>(recordIds.size(), found->length()));
    for (std::size_t i = 0; i < recordIds.size(); ++i)
        recordIds[i] = found[static_cast<CORBA::ULong>(i)];
    return true;
}

std::string CZrDb::CodeToString(std::uint32_t code, std::uint32_t kind) {
    CORBA::String_var text;
    if (!CallEngine([&](ZrEngine_ptr engine, CORBA::ULong session) {
            text = engine->CodeToString2(session, code, kind);
        }))
        return "";
    return text.in();
}

std::uint32_t CZrDb::SgeToAppNum(std::uint32_t recordId) {
    const std::vector<std::uint32_t> numbers = SgesToAppNums({&recordId, 1});
    return numbers.front();
}

std::vector<std::uint32_t> CZrDb::SgesToAppNums(std::span<const std::uint32_t> recordIds) {
    const UlongSeq ids = ToUlongSeq(recordIds);
    UlongSeq_var answer;
    std::vector<std::uint32_t> numbers(recordIds.size(), 0);
    if (CallEngine([&](ZrEngine_ptr engine, CORBA::ULong session) {
            answer = engine->SGEToAppNums2(session, ids);
        }) &&
        !TakeValues(answer.in(), recordIds.size(), numbers))
        errorText_ = kDamagedReplyText;
    return numbers;
}

void CZrDb::AppNumsToSges(std::vector<std::uint32_t>& recordIds,
                          std::span<const std::uint32_t> hitValues) {
    const UlongPairSeq pairs = ToPairs(recordIds, hitValues);
    UlongSeq_var answer;
    const std::size_t count = recordIds.size();
    if (!CallEngine([&](ZrEngine_ptr engine, CORBA::ULong session) {
            answer = engine->AppNumToSGEs2(session, pairs);
        })) {
        recordIds.assign(count, 0);
        return;
    }
    if (!TakeValues(answer.in(), count, recordIds))
        errorText_ = kDamagedReplyText;
}

void CZrDb::FlagSuspectSges(std::span<const std::uint32_t> recordIds) {
    const UlongSeq ids = ToUlongSeq(recordIds);
    CallEngine(
        [&](ZrEngine_ptr engine, CORBA::ULong session) { engine->FlagSuspectSGEs(session, ids); });
}
