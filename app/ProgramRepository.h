#pragma once
// The examination document's repository (DocumentServices.h) over the program's connection to
// the search service.

#include "app/document/DocumentServices.h"

class CZrRepository;

class CProgramRepository : public IExamRepository {
public:
    explicit CProgramRepository(CZrRepository& repository) : repository_(repository) {}

    std::vector<CZrDbEngine> GetEngines(char code) const override;
    CZrDbEngine GetPreferredEngine(char code) const override;
    // Through the local repository's administration object, when there is one; a failure is
    // the service's bookkeeping and nothing the user can act on.
    void LogSearch(const std::string& userId, const std::string& client, const std::string& examId,
                   const std::string& text) override;

private:
    CZrRepository& repository_;
};
