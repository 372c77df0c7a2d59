#include "engines/Login.h"

#include "core/SystemOptions.h"
#include "core/ZrVersion.h"
#include "engines/Repository.h"
#include "platform/MessageBox.h"

namespace {

void ShowWarning(const std::string& text) {
    platform::ShowMessageBox(
        {text, "", platform::MessageButtons::Ok, platform::MessageIcon::Warning});
}

std::string TrimBlanks(const std::string& text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

} // namespace

CLoginController::CLoginController(CZrRepository& repository, CSystemOptions& system,
                                   CMakerSite makerSite)
    : repository_(repository), system_(system), makerSite_(std::move(makerSite)) {}

bool CLoginController::AutoLogin() {
    if (!system_.GetAutoLogin())
        return false;
    return Login(system_.GetDefaultCompId(), system_.GetDefaultUserId(),
                 system_.GetDefaultPassword(), true);
}

std::string CLoginController::BuildMessage(const std::string& localError,
                                           const std::string& remoteError, bool connected) const {
    if (!localError.empty()) {
        std::string message = localError + "\n";
        if (!remoteError.empty())
            message += remoteError;
        else if (connected)
            message += "\nBut you may continue using the " + makerSite_.GetHostName() + " engines.";
        return message;
    }
    if (remoteError.empty())
        return {};
    if (!connected)
        return remoteError;
    return remoteError + "\n\nBut you may continue using the local engines.";
}

bool CLoginController::Login(const std::string& companyId, const std::string& userId,
                             const std::string& password, bool remember) {
    return Finish(Connect(companyId, userId, password, remember, {}));
}

CLoginAttempt CLoginController::Connect(const CLoginForm& typed, std::stop_token stop) {
    return Connect(TrimBlanks(typed.companyId), TrimBlanks(typed.userId),
                   TrimBlanks(typed.password), typed.remember, stop);
}

CLoginAttempt CLoginController::Connect(const std::string& companyId, const std::string& userId,
                                        const std::string& password, bool remember,
                                        const std::stop_token& stop) {
    CLoginAttempt attempt;
    attempt.companyId = companyId;
    attempt.userId = userId;
    attempt.password = password;
    attempt.remember = remember;
    platform::DeferredMessages messages;
    attempt.connected = repository_.Connect(attempt.companyId, attempt.userId, attempt.password,
                                            attempt.localError, attempt.remoteError, stop);
    attempt.messages = messages.Take();
    return attempt;
}

bool CLoginController::Finish(const CLoginAttempt& attempt) {
    for (const platform::Message& message : attempt.messages)
        platform::ShowMessageBox(message);
    const std::string message =
        BuildMessage(attempt.localError, attempt.remoteError, attempt.connected);
    if (!message.empty())
        ShowWarning(message);
    if (!attempt.connected)
        return false;
    if (system_.SetUser(attempt.companyId, attempt.userId, attempt.password) != 0) {
        ShowWarning("W308 Unable to create the user " + attempt.userId + ".");
        return false;
    }
    system_.SaveDefaultLogin(attempt.companyId, attempt.userId,
                             attempt.remember ? attempt.password : std::string());
    return true;
}

CLoginForm CLoginController::GetInitialForm() const {
    CLoginForm form;
    form.companyId = system_.GetDefaultCompId();
    form.userId = system_.GetDefaultUserId();
    form.password = system_.GetDefaultPassword();
    form.remember = !form.password.empty();
    if (form.companyId.empty())
        form.focus = CLoginForm::Focus::CompanyId;
    else if (form.userId.empty())
        form.focus = CLoginForm::Focus::UserId;
    else if (form.remember)
        form.focus = CLoginForm::Focus::LoginButton;
    else
        form.focus = CLoginForm::Focus::Password;
    return form;
}

std::string CLoginController::GetVersionLine() {
    return std::string("Version: ") + kZrVersionText;
}
