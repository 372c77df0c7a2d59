#pragma once
// Logging in to the search service: the logic of the login dialog and of the silent login at
// start-up. A login connects the repositories, warns about the side that failed, makes the
// user's folder and saves the login for the next start. Messages go through message boxes with
// an exclamation icon and an OK button.
//
// The connection is a step of its own, which shows nothing, so that the dialog can run it on a
// worker thread and stay live (and cancellable) while a repository takes its time.

#include "engines/MakerSite.h"
#include "platform/MessageBox.h"

#include <stop_token>
#include <string>
#include <vector>

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

// What the connection of a login found, for the window thread to finish the login with.
struct CLoginAttempt {
    std::string companyId;
    std::string userId;
    std::string password;
    bool remember = false;
    bool connected = false;
    std::string localError;
    std::string remoteError;
    // What the connection had to say on the way (an unreachable repository list), unshown.
    std::vector<platform::Message> messages;
};

class CLoginController {
public:
    // The maker's site is named when only the local repository failed: its engines serve on.
    CLoginController(CZrRepository& repository, CSystemOptions& system, CMakerSite makerSite);

    // With AutoLogin set in [DefaultLogin]: a login with the saved values, keeping the password.
    // False without trying when it is not set.
    bool AutoLogin();
    // Connects, shows what failed, sets the user and saves the login.
    bool Login(const std::string& companyId, const std::string& userId, const std::string& password,
               bool remember);

    // The Login button's connection, with the blanks around the typed texts removed. It shows
    // nothing and touches no window, so it may run on a worker thread; once a stop is requested,
    // repositories not yet asked are left alone.
    CLoginAttempt Connect(const CLoginForm& typed, std::stop_token stop = {});
    // On the window thread: shows what the connection had to say and what failed, then sets the
    // user and saves the login. True when the user is logged in.
    bool Finish(const CLoginAttempt& attempt);

    // The dialog's start: the saved login, and the first field still to fill (the Login button
    // when a password is saved).
    CLoginForm GetInitialForm() const;

    // "Version: 4.5.38 (20 Apr 2017)".
    static std::string GetVersionLine();

private:
    CLoginAttempt Connect(const std::string& companyId, const std::string& userId,
                          const std::string& password, bool remember, const std::stop_token& stop);
    // The warning or failure text of a connection; "" when there is nothing to say.
    std::string BuildMessage(const std::string& localError, const std::string& remoteError,
                             bool connected) const;

    CZrRepository& repository_;
    CSystemOptions& system_;
    CMakerSite makerSite_;
};
