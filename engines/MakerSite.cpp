#include "engines/MakerSite.h"

std::string CMakerSite::GetNoticesPage(const std::string& dbId) const {
    return baseAddress_ + "/du2v/direct/" + dbId + ".html";
}

std::string CMakerSite::GetTrainingPage() const {
    return baseAddress_ + "/Training/ZrTraining.htm";
}
