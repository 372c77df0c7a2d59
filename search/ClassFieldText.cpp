#include "search/ClassFieldText.h"

#include "core/ClassList.h"
#include "core/Macros.h"

bool ExpandClassMacros(const CUserOptions& options, const std::string& text,
                       std::string& expanded) {
    return CMacros(options).Expand("Class", text, " ,", expanded);
}

std::string ReformatClassField(const CUserOptions& options, const std::string& text) {
    std::string expanded;
    CClassList classes;
    if (text.empty() || !ExpandClassMacros(options, text, expanded) ||
        !classes.SetFromText(expanded))
        return text;
    return classes.GetSummaryText(true);
}
