#pragma once
// Logging in to the search service: the logic of the login dialog and of the silent login at
// start-up. A login connects the repositories, warns about the side that failed, makes the
// user's folder and saves the login for the next start. Messages go through message boxes with
// an exclamation icon and an OK button.

#include <string>

class CSystemOptions;
class CZrRepository;

// What the login dialog shows and the user types.
struct CLoginForm {
    enum class Focus { CompanyId, UserId, Password, LoginButton };

    std::string companyId;
    std::string userId;
    std::string password;
    bool remember = false;
    Focus focus = Focus::CompanyId;
};

class CLoginController {
public:
    CLoginController(CZrRepository& repository, CSystemOptions& system);

    // With AutoLogin set in [DefaultLogin]: a login with the saved values, keeping the password.
    // False without trying when it is not set.
    bool AutoLogin();
    // Connects, shows what failed, sets the user and saves the login.
    bool Login(const std::string& companyId, const std::string& userId, const std::string& password,
               bool remember);

    // The dialog's start: the saved login, and the first field still to fill (the Login button
    // when a password is saved).
    CLoginForm GetInitialForm() const;
    // The Login button: blanks around the typed texts are removed first. True when the dialog
    // may close.
    bool Submit(const CLoginForm& form);

    // "Version: 4.5.38 (20 Apr 2017)".
    static std::string GetVersionLine();

private:
    // The warning or failure text of a connection; "" when there is nothing to say.
    static std::string BuildMessage(const std::string& localError, const std::string& remoteError,
                                    bool connected);

    CZrRepository& repository_;
    CSystemOptions& system_;
};
