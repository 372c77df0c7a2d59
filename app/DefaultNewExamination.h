#pragma once
// A new examination's standard details without the wizard's database panel, as the sample
// examination and the window tests start one: every database the repository has an engine
// for, with the examination defaults of the user settings.

#include "app/ZrDocManager.h"
#include "app/document/ZR2000Doc.h"

class CUserOptions;

// The databases of the codes that have an engine, selected in the catalogue.
CNewExamination MakeDefaultExamination(const CUserOptions& user, const IExamRepository& repository,
                                       const std::string& dbCodes, CDbSelection catalogue);
