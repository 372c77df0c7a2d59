#include "testsvc/server/EngineServant.h"

#include "testsvc/data/CriteriaEvaluator.h"
#include "testsvc/data/Images.h"
#include "testsvc/data/MarkRecords.h"
#include "testsvc/data/Vocabulary.h"
#include "testsvc/data/WebLayout.h"
#include "testsvc/server/FinderServant.h"
#include "testsvc/server/SearchServant.h"
#include "testsvc/server/Sequences.h"

#include <algorithm>

namespace {

std::string Quote(const char* text) {
    return std::string("\"") + (text ? text : "") + "\"";
}

// An image size asked for: 0 means as large as there is; more than there is gets what there is.
CORBA::ULong Fit(CORBA::ULong wanted, std::uint32_t largest) {
    return wanted == 0 ? largest : std::min<CORBA::ULong>(wanted, largest);
}

// A record or image reply, cut short as the engine's behaviour says.
OctetSeq* NewReply(Bytes bytes, const EngineBehaviour& behaviour) {
    bytes.resize(bytes.size() - std::min<std::size_t>(bytes.size(), behaviour.replyShortBy));
    return NewOctetSeq(bytes);
}

} // namespace

CEngineServant::CEngineServant(CServiceState& state, const CTestRegisterData& data,
                               const std::string& repository, int engineId,
                               PortableServer::POA_ptr poa)
    : state_(state), data_(data), label_(repository + "." + data.Code()), engineId_(engineId),
      poa_(PortableServer::POA::_duplicate(poa)) {}

EngineBehaviour CEngineServant::Enter(const std::string& call) {
    return state_.EnterEngineCall(data_.Code(), label_ + "." + call);
}

EngineBehaviour CEngineServant::EnterWithSession(CORBA::ULong session, const std::string& call) {
    if (!state_.HasSession(engineId_, session)) {
        state_.Log(label_ + "." + call + " refused: no session " + std::to_string(session));
        throw CORBA::NO_PERMISSION(0, CORBA::COMPLETED_NO);
    }
    return Enter(call);
}

const TestMark& CEngineServant::FindMarkOrThrow(CORBA::ULong recordId) const {
    const TestMark* mark = data_.FindMark(recordId);
    if (!mark)
        throw TrademarkNotFound(("No mark with record id " + std::to_string(recordId)).c_str());
    return *mark;
}

char* CEngineServant::GetVersion() {
    Enter("GetVersion()");
    return CORBA::string_dup(("ZrTestSvc engine 1.0 (" + label_ + ")").c_str());
}

OctetSeq* CEngineServant::GetLayout() {
    Enter("GetLayout()");
    // Only a register the client does not have built in is described by a layout.
    return NewOctetSeq(data_.Code() == 'w' ? BuildWebLayout() : Bytes());
}

void CEngineServant::DropSession(CORBA::ULong session, const char* password) {
    Enter("DropSession(" + std::to_string(session) + ")");
    if (!state_.DropSession(engineId_, session, password ? password : ""))
        state_.Log(label_ + ".DropSession ignored: no such session or wrong password");
}

void CEngineServant::SetActive(CORBA::ULong session, CORBA::Boolean active) {
    EnterWithSession(session, std::string("SetActive(") + (active ? "true" : "false") + ")");
}

StringSeq* CEngineServant::GetSystemSets() {
    Enter("GetSystemSets()");
    StringSeq_var sets = new StringSeq(2);
    sets->length(2);
    sets[0] = kAddedLastWeek;
    sets[1] = kUpdatedLastWeek;
    return sets._retn();
}

UlongSeq* CEngineServant::CaveatSearchByAppNum(CORBA::ULong session, const char* client,
                                               const char* examId, const char* setName,
                                               const UlongPairSeq& marks) {
    EnterWithSession(session, "CaveatSearchByAppNum(" + Quote(client) + "," + Quote(examId) + "," +
                                  Quote(setName) + "," + std::to_string(marks.length()) + ")");
    // Each pair is (hit value, record id); the answer is the record ids that are in the set.
    std::vector<std::uint32_t> found;
    for (CORBA::ULong i = 0; i < marks.length(); ++i) {
        const TestMark* mark = data_.FindMark(marks[i].second);
        if (mark && CTestRegisterData::IsInSet(*mark, setName ? setName : ""))
            found.push_back(mark->recordId);
    }
    return NewUlongSeq(found, 0, found.size());
}

ZrEngineSearch_ptr CEngineServant::StartSearch2(CORBA::ULong session, const char* criteria,
                                                const char* restriction, const char* client,
                                                const char* examId, CORBA::ULong oneClassOnly,
                                                CORBA::Boolean& started) {
    const EngineBehaviour behaviour =
        EnterWithSession(session, "StartSearch2(" + Quote(criteria) + "," + Quote(restriction) +
                                      "," + Quote(client) + "," + Quote(examId) + "," +
                                      std::to_string(oneClassOnly) + ")");
    if (behaviour.rejectCriteria)
        throw CriteriaInvalid(behaviour.rejectText.c_str());
    std::vector<std::uint32_t> ids;
    try {
        ids = CCriteriaEvaluator(data_).Evaluate(criteria ? criteria : "",
                                                 restriction ? restriction : "", oneClassOnly != 0);
    } catch (const CCriteriaError& e) {
        throw CriteriaInvalid(e.what());
    }
    PortableServer::Servant_var<CSearchServant> search =
        new CSearchServant(state_, data_.Code(), std::move(ids), poa_);
    PortableServer::ObjectId_var id = poa_->activate_object(search.in());
    started = true;
    return search->_this();
}

OctetSeq* CEngineServant::GetSummaryDetails3(CORBA::ULong session, CORBA::ULong recordId,
                                             const char* options) {
    const EngineBehaviour behaviour = EnterWithSession(
        session, "GetSummaryDetails3(" + std::to_string(recordId) + "," + Quote(options) + ")");
    return NewReply(BuildSummaryRecord(data_, FindMarkOrThrow(recordId), behaviour.recordDefect),
                    behaviour);
}

OctetSeq* CEngineServant::GetMultiSummaryDetails3(CORBA::ULong session, const UlongSeq& recordIds,
                                                  const char* options) {
    const EngineBehaviour behaviour = EnterWithSession(
        session, "GetMultiSummaryDetails3(" + DescribeIds(recordIds) + "," + Quote(options) + ")");
    Bytes answer;
    for (CORBA::ULong i = 0; i < recordIds.length(); ++i) {
        const TestMark* mark = data_.FindMark(recordIds[i]);
        const Bytes record = mark ? BuildSummaryRecord(data_, *mark, behaviour.recordDefect)
                                  : BuildMissingRecord(recordIds[i]);
        AppendU32(answer, static_cast<std::uint32_t>(record.size()));
        answer.insert(answer.end(), record.begin(), record.end());
    }
    return NewReply(std::move(answer), behaviour);
}

OctetSeq* CEngineServant::GetTextDetails2(CORBA::ULong session, CORBA::ULong recordId,
                                          const char* options) {
    const EngineBehaviour behaviour = EnterWithSession(
        session, "GetTextDetails2(" + std::to_string(recordId) + "," + Quote(options) + ")");
    return NewReply(BuildTextRecord(data_, FindMarkOrThrow(recordId), behaviour.recordDefect),
                    behaviour);
}

OctetSeq* CEngineServant::Image(const EngineBehaviour& behaviour, CORBA::ULong recordId,
                                CORBA::ULong imageNumber, CORBA::ULong& width,
                                CORBA::ULong& height) {
    const TestMark& mark = FindMarkOrThrow(recordId);
    if (imageNumber >= mark.imageCount)
        throw DeviceNotAvailable(mark.imageCount ? "No such image of the mark"
                                                 : "The mark has no image");
    width = Fit(width, kImageWidth);
    height = Fit(height, kImageHeight);
    return NewReply(MakeMarkPng(recordId, imageNumber, width, height), behaviour);
}

OctetSeq* CEngineServant::GetImage2(CORBA::ULong session, CORBA::ULong recordId,
                                    CORBA::ULong& width, CORBA::ULong& height) {
    const EngineBehaviour behaviour =
        EnterWithSession(session, "GetImage2(" + std::to_string(recordId) + "," +
                                      std::to_string(width) + "," + std::to_string(height) + ")");
    return Image(behaviour, recordId, 0, width, height);
}

OctetSeq* CEngineServant::GetImage3(CORBA::ULong session, CORBA::ULong recordId,
                                    CORBA::ULong imageNumber, CORBA::ULong& width,
                                    CORBA::ULong& height) {
    const EngineBehaviour behaviour = EnterWithSession(
        session, "GetImage3(" + std::to_string(recordId) + "," + std::to_string(imageNumber) + "," +
                     std::to_string(width) + "," + std::to_string(height) + ")");
    return Image(behaviour, recordId, imageNumber, width, height);
}

ZrStringFinder_ptr CEngineServant::CreateStringFinder2(CORBA::ULong session, const char* text,
                                                       CORBA::ULong mode) {
    EnterWithSession(session,
                     "CreateStringFinder2(" + Quote(text) + "," + std::to_string(mode) + ")");
    std::optional<CFinderList> list = CFinderList::Locate(data_, text ? text : "", mode);
    if (!list)
        throw LocateStringNotFound((std::string("No string holds ") + Quote(text)).c_str());
    PortableServer::Servant_var<CFinderServant> finder =
        new CFinderServant(state_, data_.Code(), std::move(*list), poa_);
    PortableServer::ObjectId_var id = poa_->activate_object(finder.in());
    return finder->_this();
}

char* CEngineServant::CodeToString2(CORBA::ULong session, CORBA::ULong code, CORBA::ULong kind) {
    EnterWithSession(session,
                     "CodeToString2(" + std::to_string(code) + "," + std::to_string(kind) + ")");
    // Old numeric codes: owners and agents by their number from 1, image categories packed.
    const CVocabulary& vocabulary = CVocabulary::Get();
    std::string text;
    if (kind == 0 && code >= 1 && code <= vocabulary.Owners().size())
        text = vocabulary.Owners()[code - 1].name;
    else if (kind == 1 && code >= 1 && code <= vocabulary.Agents().size())
        text = vocabulary.Agents()[code - 1].name;
    else if (kind == 2)
        for (const ViennaCode& vienna : vocabulary.Vienna())
            if (vienna.Packed() == code)
                text = vienna.Text();
    return CORBA::string_dup(text.c_str());
}

UlongSeq* CEngineServant::SGEToAppNums2(CORBA::ULong session, const UlongSeq& recordIds) {
    EnterWithSession(session, "SGEToAppNums2(" + DescribeIds(recordIds) + ")");
    std::vector<std::uint32_t> numbers;
    for (CORBA::ULong i = 0; i < recordIds.length(); ++i) {
        const TestMark* mark = data_.FindMark(recordIds[i]);
        numbers.push_back(mark ? mark->packedAppNum : 0);
    }
    return NewUlongSeq(numbers, 0, numbers.size());
}

UlongSeq* CEngineServant::AppNumToSGEs2(CORBA::ULong session, const UlongPairSeq& appNums) {
    EnterWithSession(session, "AppNumToSGEs2(" + std::to_string(appNums.length()) + ")");
    // Each pair carries the packed application number second; 0 where no record has it.
    std::vector<std::uint32_t> ids;
    for (CORBA::ULong i = 0; i < appNums.length(); ++i)
        ids.push_back(data_.FindRecordByAppNum(appNums[i].second));
    return NewUlongSeq(ids, 0, ids.size());
}

void CEngineServant::FlagSuspectSGEs(CORBA::ULong session, const UlongSeq& recordIds) {
    EnterWithSession(session, "FlagSuspectSGEs(" + DescribeIds(recordIds) + ")");
}
