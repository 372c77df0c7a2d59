#pragma once
// "Confirm Search": a full search without criteria may find a very large number of marks, so
// the user is asked before it is stored.

// True when the user answers Yes.
bool AskToConfirmLargeSearch();
