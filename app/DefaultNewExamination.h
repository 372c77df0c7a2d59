#pragma once
// A new examination's standard details without the wizard's database panel, as the sample
// examination and the window tests start one: every live database of the catalogue whose
// register the repository has an engine for, the direct databases aside, with the examination
// defaults of the user settings.

#include "app/ZrDocManager.h"
#include "app/document/ZR2000Doc.h"

class CUserOptions;

CNewExamination MakeDefaultExamination(const CUserOptions& user, const IExamRepository& repository,
                                       CDbSelection catalogue);
