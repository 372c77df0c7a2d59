#pragma once
// One database's engine as one repository hands it out: searches, records, images, string
// finders and number conversions over the register's data set. Every operation that takes a
// session refuses one the repository did not open on this engine (NO_PERMISSION).

#include "engines/idl/ZrEngine.hh"
#include "testsvc/data/DataSet.h"
#include "testsvc/server/ServiceState.h"

#include <string>

class CEngineServant : public POA_ZrEngine {
public:
    // repository names the repository that offers the engine ("remote", "local"); engineId is
    // the engine's own number for sessions.
    CEngineServant(CServiceState& state, const CTestRegisterData& data,
                   const std::string& repository, int engineId, PortableServer::POA_ptr poa);

    int GetEngineId() const { return engineId_; }
    char GetDbCode() const { return data_.Code(); }

    char* GetVersion() override;
    OctetSeq* GetLayout() override;
    void DropSession(CORBA::ULong session, const char* password) override;
    void SetActive(CORBA::ULong session, CORBA::Boolean active) override;
    StringSeq* GetSystemSets() override;
    UlongSeq* CaveatSearchByAppNum(CORBA::ULong session, const char* client, const char* examId,
                                   const char* setName, const UlongPairSeq& marks) override;
    ZrEngineSearch_ptr StartSearch2(CORBA::ULong session, const char* criteria,
                                    const char* restriction, const char* client, const char* examId,
                                    CORBA::ULong oneClassOnly, CORBA::Boolean& started) override;
    OctetSeq* GetSummaryDetails3(CORBA::ULong session, CORBA::ULong recordId,
                                 const char* options) override;
    OctetSeq* GetMultiSummaryDetails3(CORBA::ULong session, const UlongSeq& recordIds,
                                      const char* options) override;
    OctetSeq* GetTextDetails2(CORBA::ULong session, CORBA::ULong recordId,
                              const char* options) override;
    OctetSeq* GetImage2(CORBA::ULong session, CORBA::ULong recordId, CORBA::ULong& width,
                        CORBA::ULong& height) override;
    OctetSeq* GetImage3(CORBA::ULong session, CORBA::ULong recordId, CORBA::ULong imageNumber,
                        CORBA::ULong& width, CORBA::ULong& height) override;
    ZrStringFinder_ptr CreateStringFinder2(CORBA::ULong session, const char* text,
                                           CORBA::ULong mode) override;
    char* CodeToString2(CORBA::ULong session, CORBA::ULong code, CORBA::ULong kind) override;
    UlongSeq* SGEToAppNums2(CORBA::ULong session, const UlongSeq& recordIds) override;
    UlongSeq* AppNumToSGEs2(CORBA::ULong session, const UlongPairSeq& appNums) override;
    void FlagSuspectSGEs(CORBA::ULong session, const UlongSeq& recordIds) override;

private:
    // Logs the call and applies the database's behaviour; with a session, checks it first.
    EngineBehaviour Enter(const std::string& call);
    EngineBehaviour EnterWithSession(CORBA::ULong session, const std::string& call);
    const TestMark& FindMarkOrThrow(CORBA::ULong recordId) const;
    OctetSeq* Image(const EngineBehaviour& behaviour, CORBA::ULong recordId,
                    CORBA::ULong imageNumber, CORBA::ULong& width, CORBA::ULong& height);

    CServiceState& state_;
    const CTestRegisterData& data_;
    const std::string label_;
    const int engineId_;
    PortableServer::POA_var poa_;
};
